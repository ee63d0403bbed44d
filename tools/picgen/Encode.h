// Writing the generated pictures: baseline JPEG through libjpeg, lossless RGBA PNG strips.
#pragma once

#include "micrograph/Raster.h"

#include <QByteArray>
#include <QImage>
#include <vector>

namespace picgen {

// The generator works in the synthesis library's pictures and numbers.
using namespace wb::micrograph;

// 8-bit value of a reflectance or colour component, rounded.
inline int to8(float v)
{
    const float c = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
    return static_cast<int>(c * 255.0f + 0.5f);
}

// Baseline (sequential, Huffman tables of the standard) JPEG with the integer DCT, which gives
// the same bytes on every machine.
QByteArray encodeGreyJpeg(const Gray& g, int quality);
QByteArray encodeColourJpeg(const Rgba& img, int quality);

// The frames side by side from the left, as 32-bit ARGB with the frames' transparency.
QImage stripImage(const std::vector<Rgba>& frames);
QByteArray encodePng(const QImage& image);

} // namespace picgen
