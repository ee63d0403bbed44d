#include "Encode.h"

#include <QBuffer>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace picgen {

namespace {

QByteArray encodeJpeg(int w, int h, int components, const std::vector<unsigned char>& pixels, int quality)
{
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr jerr {};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    const int stride = w * components;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(pixels.data()) + static_cast<size_t>(cinfo.next_scanline) * stride;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

} // namespace

QByteArray encodeGreyJpeg(const Gray& g, int quality)
{
    std::vector<unsigned char> px(g.v.size());
    for (size_t i = 0; i < px.size(); ++i)
        px[i] = static_cast<unsigned char>(to8(g.v[i]));
    return encodeJpeg(g.w, g.h, 1, px, quality);
}

QByteArray encodeColourJpeg(const Rgba& img, int quality)
{
    std::vector<unsigned char> px(img.c.size() * 3);
    for (size_t i = 0; i < img.c.size(); ++i) {
        px[3 * i] = static_cast<unsigned char>(to8(img.c[i].r));
        px[3 * i + 1] = static_cast<unsigned char>(to8(img.c[i].g));
        px[3 * i + 2] = static_cast<unsigned char>(to8(img.c[i].b));
    }
    return encodeJpeg(img.w, img.h, 3, px, quality);
}

QImage stripImage(const std::vector<Rgba>& frames)
{
    if (frames.empty())
        return {};
    const int fw = frames[0].w;
    const int fh = frames[0].h;
    QImage strip(fw * static_cast<int>(frames.size()), fh, QImage::Format_ARGB32);
    for (size_t k = 0; k < frames.size(); ++k) {
        const Rgba& f = frames[k];
        for (int y = 0; y < fh; ++y) {
            auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y)) + k * fw;
            for (int x = 0; x < fw; ++x) {
                const size_t i = static_cast<size_t>(y) * fw + x;
                const Col& c = f.c[i];
                line[x] = qRgba(to8(c.r), to8(c.g), to8(c.b), f.a[i]);
            }
        }
    }
    return strip;
}

QByteArray encodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace picgen
