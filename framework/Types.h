// Shared value types and helpers of the lessons: colours, rounding, number format, key codes.
#pragma once

#include <QString>
#include <cstdint>

namespace wb {

// A colour as the lessons store it: 0x00BBGGRR. Ramps such as "red 8, 16, ... then green + 8"
// add to this integer, so the byte order matters.
using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c)
{
    return c & 0xFF;
}
constexpr int GetGValue(TColor c)
{
    return (c >> 8) & 0xFF;
}
constexpr int GetBValue(TColor c)
{
    return (c >> 16) & 0xFF;
}

// The 16-colour palette.
constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clMaroon = RGB(128, 0, 0);
constexpr TColor clGreen = RGB(0, 128, 0);
constexpr TColor clOlive = RGB(128, 128, 0);
constexpr TColor clNavy = RGB(0, 0, 128);
constexpr TColor clPurple = RGB(128, 0, 128);
constexpr TColor clTeal = RGB(0, 128, 128);
constexpr TColor clGray = RGB(128, 128, 128);
constexpr TColor clSilver = RGB(192, 192, 192);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clLime = RGB(0, 255, 0);
constexpr TColor clYellow = RGB(255, 255, 0);
constexpr TColor clBlue = RGB(0, 0, 255);
constexpr TColor clFuchsia = RGB(255, 0, 255);
constexpr TColor clAqua = RGB(0, 255, 255);
constexpr TColor clWhite = RGB(255, 255, 255);
// The face colour of windows and controls that keep their default colour.
constexpr TColor clBtnFace = RGB(0xD4, 0xD0, 0xC8);

// The colour a pixel of a 32-bit surface holds (0xFFRRGGBB) and back.
constexpr std::uint32_t toPixel(TColor c)
{
    return 0xFF000000u | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8)
        | std::uint32_t(GetBValue(c));
}
constexpr TColor fromPixel(std::uint32_t p)
{
    return RGB(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF));
}

// "#RRGGBB", upper case.
QString colorToHex(TColor c);
// Accepts "#RRGGBB" (either case) or a palette name ("clRed"); false when it is neither.
bool parseColor(const QString& text, TColor* out);

// Round: to the nearest integer, an exact half to the even neighbour.
int Round(double v);
// [v]: v computed in double, stored in single precision, then Round.
int RoundSingle(double v);

// The general number format: shortest form with up to 15 significant digits, no trailing
// zeros, whole numbers without a decimal point ("7", "93", "0.45").
QString FloatToStr(double v);

// Parses a decimal number the way the lessons' "StrToFloat" does (blanks around it allowed,
// '.' or ',' as the decimal separator). False when the text is not a number.
bool TryStrToFloat(const QString& text, double* out);

// Key codes as the lessons compare them.
enum : int {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18, // Alt
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_F1 = 112,
    VK_F2 = 113,
};

// Modifier state passed with keys and mouse events.
struct TShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool left = false; // left mouse button
};

} // namespace wb
