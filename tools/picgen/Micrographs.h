// The photographs: light micrographs of the program's steels, rendered from their structures.
#pragma once

#include "Raster.h"
#include "resources/PictureTable.h"

namespace picgen {

struct Picture {
    bool grey = false;
    Gray luma; // grey pictures
    Rgba colour; // colour pictures (opaque)
};

// The picture of a table entry at the entry's size; the same entry gives the same picture.
Picture renderPicture(const wb::pictures::PictureEntry& entry);

} // namespace picgen
