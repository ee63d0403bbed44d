// Cooling a cast iron with 3.0 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#include "ironcarbon/UnitEKD30.h"

#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormEKD30* FormEKD30 = nullptr;

namespace {

using namespace ekd::cooling;

constexpr TColor kWeiss = RGB(0xFF, 0xFF, 0xFF);
constexpr TColor kSchwarz = RGB(0x00, 0x00, 0x00);
constexpr TColor kGelb = RGB(0xFF, 0xFF, 0x00);
constexpr TColor kRot = RGB(0xFF, 0x00, 0x00);
constexpr TColor kBraun = RGB(0x80, 0x00, 0x00); // austenite in the captions
constexpr TColor kLedeburitGrau = RGB(0x80, 0x80, 0x80);
constexpr TColor kPerlitGrau = RGB(0xC0, 0xC0, 0xC0);

// 3.0 % C. The marker starts on an odd row, so its end runs through odd y values: the keyframes
// fall on every other tick, four pixels apart. The run ends at 401, just below 723 °C.
constexpr int kLegierungX = 350;
constexpr int kStartMarke = 21;
constexpr int kEndeMarke = 401;
constexpr TPoint kErstarrung { 10, 3 };
constexpr TPoint kZementit { 10, 240 };
// The cementite side of every tie line: the right edge of the field.
constexpr int kZementitX = 717;

// clang-format off
constexpr const char* kMemo[] = {
    "Nach dem Unterschreiten der Liquiduslinie bei  1300°C (1) ",
    "beginnt die Erstarrung und es kristallisieren Gamma-MK ",
    "aus der Schmelze. ",
    "Der Kohlenstoffgehalt der Mischkristalle ändert sich gemäß ",
    "der Soliduslinie (J - E) und  der C-Gehalt der Schmelze ent- ",
    "lang der Liquiduslinie (B - C). ",
    "",
    "Bei 1147°C (2) zerfällt die Restschmelze in einer ",
    "eutektischen Reaktion in das Eutektikum  Ledeburit",
    "(Austenit und Zementit) und somit ist der ",
    "Erstarrungsprozess abgeschlossen.",
    "",
    "Zwischen 1147°C und 723°C (2-3) scheidet sich aus dem ",
    "Austenit (Gamma-MK) und aus dem Austenit des ",
    "Ledeburit  entlang Linie E-S Sekundärzementit aus.",
    "",
    "Bei 723°C (3) zerfallen die Gamma-MK eutektoidisch in ",
    "Perlit.",
};
static_assert(std::size(kMemo) == 18);

// Solidification from 1300 °C (1): y; solidus x, liquidus x.
constexpr Punkte kErstarrungPunkte[] = {
    { 149, 163, 350 }, { 153, 167, 359 }, { 157, 172, 366 }, { 161, 177, 374 }, { 165, 183, 383 },
    { 169, 188, 390 }, { 173, 193, 397 }, { 177, 198, 404 }, { 181, 204, 411 }, { 185, 209, 418 },
    { 189, 215, 428 }, { 193, 222, 436 }, { 197, 228, 444 }, { 201, 235, 451 }, { 205, 242, 459 },
    { 209, 247, 466 }, { 213, 254, 475 },
};
static_assert(std::size(kErstarrungPunkte) == 17);

// Secondary cementite from 1147 °C (2) to 723 °C (3): y; austenite x, cementite x.
constexpr Punkte kZementitPunkte[] = {
    { 217, 256, kZementitX }, { 221, 250, kZementitX }, { 225, 246, kZementitX }, { 229, 242, kZementitX },
    { 233, 238, kZementitX }, { 237, 235, kZementitX }, { 241, 231, kZementitX }, { 245, 228, kZementitX },
    { 249, 224, kZementitX }, { 253, 221, kZementitX }, { 257, 218, kZementitX }, { 261, 215, kZementitX },
    { 265, 212, kZementitX }, { 269, 209, kZementitX }, { 273, 206, kZementitX }, { 277, 203, kZementitX },
    { 281, 200, kZementitX }, { 285, 197, kZementitX }, { 289, 194, kZementitX }, { 293, 191, kZementitX },
    { 297, 188, kZementitX }, { 301, 185, kZementitX }, { 305, 182, kZementitX }, { 309, 180, kZementitX },
    { 313, 177, kZementitX }, { 317, 174, kZementitX }, { 321, 171, kZementitX }, { 325, 168, kZementitX },
    { 329, 166, kZementitX }, { 333, 163, kZementitX }, { 337, 161, kZementitX }, { 341, 159, kZementitX },
    { 345, 157, kZementitX }, { 349, 155, kZementitX }, { 353, 152, kZementitX }, { 357, 150, kZementitX },
    { 361, 147, kZementitX }, { 365, 145, kZementitX }, { 369, 143, kZementitX }, { 373, 141, kZementitX },
    { 377, 139, kZementitX }, { 381, 137, kZementitX }, { 385, 135, kZementitX }, { 389, 133, kZementitX },
    { 393, 131, kZementitX },
};
static_assert(std::size(kZementitPunkte) == 45);

constexpr Stufe kStufen[] = {
    // The rest of the melt turns into ledeburite at 1147 °C: the traces end at E and C, and the
    // eutectic line E-C stays, drawn at the marker's 217.
    { .zeilen = kErstarrungPunkte, .schlussMarke = 217, .schluss = { 215, 256, 480 } },
    // The cementite stage ends at 723 °C on the line P-S-K, two pixels above the marker.
    { .zeilen = kZementitPunkte, .schlussMarke = 397, .schluss = { 395, 130, kZementitX } },
};

// Pictures: 0 ImageListSchAuLede, 1 ImageListLedePer; none at 185 and 201.
constexpr BildSchritt kBilder[] = {
    { 149, 0, kErstarrung }, { 153, 0, kErstarrung }, { 157, 0, kErstarrung }, { 161, 0, kErstarrung },
    { 165, 0, kErstarrung }, { 169, 0, kErstarrung }, { 173, 0, kErstarrung }, { 177, 0, kErstarrung },
    { 181, 0, kErstarrung }, { 189, 0, kErstarrung }, { 193, 0, kErstarrung }, { 197, 0, kErstarrung },
    { 205, 0, kErstarrung }, { 209, 0, kErstarrung }, { 213, 0, kErstarrung },
    { 217, 0, { 10, 123 } },
    { 225, 1, kZementit }, { 245, 1, kZementit }, { 265, 1, kZementit }, { 285, 1, kZementit },
    { 305, 1, kZementit }, { 325, 1, kZementit }, { 345, 1, kZementit }, { 365, 1, kZementit },
    { 385, 1, kZementit },
    { 397, 1, { 10, 365 } },
};
static_assert(std::size(kBilder) == 16 + 10, "every frame of both series once");

// The point labels stand on the yellow the tick sets.
constexpr Beschriftung kTexte[] = {
    { 149, { 355, 130, "1" }, kSchwarz, kGelb },
    { 153, {  10, 104, "1-2   Schmelze   " }, kWeiss, kRot },
    { 153, {  96, 104, " Austenit " }, kWeiss, kBraun },
    { 213, { 355, 200, "2" }, kSchwarz, kGelb },
    { 217, {  10, 224, "2     Ledeburit " }, kWeiss, kLedeburitGrau },
    { 217, {  92, 224, " Austenit " }, kWeiss, kBraun },
    { 225, {  10, 341, "2-3  Zementit Ausscheidung " }, kWeiss, kLedeburitGrau },
    { 393, { 355, 380, "3" }, kSchwarz, kGelb },
    { 397, {  10, 466, "   Ledeburit " }, kWeiss, kLedeburitGrau },
    { 397, {  82, 466, " Perlit   " }, kSchwarz, kPerlitGrau },
};

// The last tick draws the alloy's vertical and the field's right edge on down to 600 °C.
constexpr Strich kStriche[] = {
    { 401, { { kLegierungX, 397 }, { kLegierungX, 451 } } },
    { 401, { { kZementitX, 397 }, { kZementitX, 451 } } },
};
// clang-format on

constexpr Lektion kLektion {
    .caption = "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 3.0 Gew.% (Gußeisen)",
    .panelMaxName = "PanelMax",
    .memo = kMemo,
    .memoHoehe = 200,
    .memoUmbruch = true,
    .lauf = {
        .legierungX = kLegierungX,
        .startMarke = kStartMarke,
        .endeMarke = kEndeMarke,
        .grund = kGelb,
        .stufen = kStufen,
        .bilder = kBilder,
        .texte = kTexte,
        .striche = kStriche,
    },
};

} // namespace

const ekd::cooling::Lektion& ekd30::lektion()
{
    return kLektion;
}

TFormEKD30::TFormEKD30()
    : TCoolingForm(QStringLiteral("FormEKD30"), kLektion)
{
    setPictureLists(ImageListSchAuLede, ImageListLedePer);
    pictures::assignStrip(ImageListSchAuLede);
    pictures::assignStrip(ImageListLedePer);
}

} // namespace wb
