// The built-in pictures: every JPEG picture and every image-list strip with its size, frame
// count and transparency, stated once for the generator that makes them and the library that
// embeds and decodes them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace wb::pictures {

// A JPEG picture of an image component. Its key and file name are "<form>.<component>".
struct PictureEntry {
    std::string_view form; // instance name of the form, e.g. "FormMenue"
    std::string_view component;
    int width;
    int height;
    bool grey; // one component (grey-scale) instead of colour
};

// An image list, stored as one strip with its frames side by side from the left. Its key and
// file name are "<form>.<list>".
struct StripEntry {
    std::string_view form;
    std::string_view list;
    int frameWidth;
    int frameHeight;
    int frames;
    int transparentFrames; // frames 0 … transparentFrames − 1 have transparent pixels; the rest are opaque
};

// clang-format off
inline constexpr std::array<PictureEntry, 15> kPictureTable { {
    { "FormMenue",     "ImageHinter", 1200, 865, false },
    { "FormBildFe",    "ImageBild",    400, 277, true },
    { "FormBildC01",   "ImageBild",    400, 281, true },
    { "FormBildC02",   "ImageBild",    400, 286, true },
    { "FormBildC03",   "ImageBild",    400, 281, true },
    { "FormBildC04",   "ImageBild",    400, 276, true },
    { "FormBildC05",   "ImageBild",    400, 289, true },
    { "FormBildC06",   "ImageBild",    400, 289, true },
    { "FormBildC07",   "ImageBild",    400, 278, true },
    { "FormBildC08",   "ImageBild",    400, 280, true },
    { "FormZTUcon045", "ImageMart",    160, 120, false },
    { "FormZTUcon045", "ImageNorm",    160, 120, false },
    { "FormLMC45",     "ImageNormal",  800, 600, false },
    { "FormLMC45",     "ImageHart",    800, 600, false },
    { "FormLMC45",     "ImageVerg",    800, 600, false },
} };

inline constexpr std::array<StripEntry, 25> kStripTable { {
    { "FormZuTyp1",        "ImageListMkBildung", 100, 100, 19, 0 },
    { "FormZuTyp2",        "ImageListUnter",      80,  80, 21, 0 },
    { "FormZuTyp2",        "ImageListEu",         80,  80,  2, 0 },
    { "FormZuTyp2",        "ImageListUeber",      80,  80, 19, 0 },
    { "FormZuTyp3",        "ImageListL1",         80,  80, 16, 0 },
    { "FormZuTyp3",        "ImageListL2",         80,  80, 30, 0 },
    { "FormZuTyp3",        "ImageListL3",         80,  80,  2, 0 },
    { "FormZuTyp3",        "ImageListL4",         80,  80, 22, 0 },
    { "FormZuTyp4",        "ImageListL1",         80,  80, 21, 0 },
    { "FormZuTyp4",        "ImageListL2",         80,  80, 16, 0 },
    { "FormZuTyp4",        "ImageListL3",         80,  80, 12, 0 },
    { "FormZuTyp4",        "ImageListAinB",       80,  80, 17, 9 },
    { "FORMEKDMETASTABIL", "ImageList1",         140, 140,  3, 0 },
    { "FormEKD06",         "ImageListSchA",      100, 100, 19, 0 },
    { "FormEKD06",         "ImageListAFerPer",   100, 100,  8, 0 },
    { "FormEKD12",         "ImageListSchA",      100, 100, 20, 0 },
    { "FormEKD12",         "ImageListAZemPer",   100, 100, 10, 0 },
    { "FormEKD30",         "ImageListSchAuLede", 100, 100, 16, 0 },
    { "FormEKD30",         "ImageListLedePer",   100, 100, 10, 0 },
    { "FormZTAcon045",     "ImageListGef",       100, 100,  3, 0 },
    { "FormZTAcon07",      "ImageListGef",       100, 100,  4, 0 },
    { "FormZTAiso045",     "ImageListGef",       100, 100,  4, 0 },
    { "FormNormal",        "ImageListGef",       100, 100, 20, 0 },
    { "FormHaerten",       "ImageListGef",       100, 100, 13, 0 },
    { "FormVergueten",     "ImageListGef",       100, 100, 20, 0 },
} };
// clang-format on

inline std::string pictureKey(const PictureEntry& e)
{
    return std::string(e.form) + '.' + std::string(e.component);
}

inline std::string stripKey(const StripEntry& e)
{
    return std::string(e.form) + '.' + std::string(e.list);
}

inline const PictureEntry* findPicture(std::string_view key)
{
    for (const auto& e : kPictureTable)
        if (pictureKey(e) == key)
            return &e;
    return nullptr;
}

inline const StripEntry* findStrip(std::string_view key)
{
    for (const auto& e : kStripTable)
        if (stripKey(e) == key)
            return &e;
    return nullptr;
}

} // namespace wb::pictures
