// The photographs of the picture table: which structure, finish and colours each entry gets.
#pragma once

#include "micrograph/Raster.h"
#include "resources/PictureTable.h"

namespace picgen {

// The generator works in the synthesis library's pictures and numbers.
using namespace wb::micrograph;

struct Picture {
    bool grey = false;
    Gray luma; // grey pictures
    Rgba colour; // colour pictures (opaque)
};

// The picture of a table entry at the entry's size; the same entry gives the same picture.
Picture renderPicture(const wb::pictures::PictureEntry& entry);

} // namespace picgen
