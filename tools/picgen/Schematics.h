// The image-list strips: schematic microstructure frames for the lessons' animations, made in
// families so that the lists of one lesson show the same grains from frame to frame.
#pragma once

#include "micrograph/Raster.h"

#include <map>
#include <string>
#include <vector>

namespace picgen {

// The generator works in the synthesis library's pictures and numbers.
using namespace wb::micrograph;

using Frames = std::vector<Rgba>;
// Frames by strip key ("<form>.<list>").
using StripSet = std::map<std::string, Frames>;

struct StripFamily {
    const char* name;
    void (*make)(StripSet& out);
};

// Every family; together they make every strip of the table exactly once.
const std::vector<StripFamily>& stripFamilies();

} // namespace picgen
