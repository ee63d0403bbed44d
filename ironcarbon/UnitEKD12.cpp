// Cooling a steel with 1.2 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#include "ironcarbon/UnitEKD12.h"

#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormEKD12* FormEKD12 = nullptr;

namespace {

using namespace ekd::cooling;

constexpr TColor kWeiss = RGB(0xFF, 0xFF, 0xFF);
constexpr TColor kSchwarz = RGB(0x00, 0x00, 0x00);
constexpr TColor kRot = RGB(0xFF, 0x00, 0x00);
constexpr TColor kBraun = RGB(0x80, 0x00, 0x00); // austenite in the captions
constexpr TColor kZementitGrau = RGB(0x80, 0x80, 0x80);
constexpr TColor kPerlitGrau = RGB(0xC0, 0xC0, 0xC0);

// 1.2 % C; the marker runs from the top of the field to 450 (600 °C).
constexpr int kLegierungX = 170;
constexpr int kStartMarke = 20;
constexpr int kEndeMarke = 450;
constexpr TPoint kErstarrung { 60, 150 };
constexpr TPoint kZementit { 180, 200 };
// The cementite side of every tie line: the right edge of the field.
constexpr int kZementitX = 717;

// clang-format off
constexpr const char* kMemo[] = {
    "Der Erstarrungsprozess beginnt bei 1440°C (1) nach dem ",
    "Unterschreiten der Liquiduslinie. Es scheiden dabei ",
    "Gamma-MK (Austenit) aus der Schmelze aus.",
    "Entlang der Soliduslinie ändert sich der Kohlenstoffgehalt ",
    "der Mischkristalle, bzw. gemäß der Liquiduslinie der Kohlen-",
    "stoffgehalt der Schmelze, bis schließlich bei 1280°C (2) der",
    "Erstarrungsprozess abgeschlossen wird.",
    "",
    "Das Gefüge besteht aus einem homogenen Gamma-",
    "Mischkristall (Austenit), der im Einphasengebiet (2-3)",
    "beständig ist.",
    "",
    "Bei 900°C (3) wird die Löslichkeitsgrenze für den ",
    "Kohlenstoff unterschritten und bevorzugt an den ",
    "Korngrenzen scheidet Eisenkarbid (Zementit) aus(4). ",
    "Der C-Gehalt des Austenits sinkt dabei bis auf 0.8% ab ",
    "(3 nach 4).",
    "",
    "Schließlich zerfällt der Austenit bei 723°C in  das",
    "Eutektoid Perlit. Das Gefüge besteht nun aus 93 % ",
    "Perlit und 7 % Zementit (Eisenkarbid).",
};
static_assert(std::size(kMemo) == 21);

// Solidification from 1440 °C (1) to 1280 °C (2): y; solidus x, liquidus x.
constexpr Punkte kErstarrungPunkte[] = {
    {  86,  92, 170 }, {  88,  96, 178 }, {  90,  98, 186 }, {  92, 101, 193 }, {  94, 102, 199 },
    {  96, 105, 206 }, {  98, 107, 214 }, { 100, 109, 220 }, { 102, 111, 227 }, { 104, 113, 234 },
    { 106, 115, 241 }, { 108, 117, 248 }, { 110, 119, 255 }, { 112, 121, 263 }, { 114, 123, 268 },
    { 116, 125, 275 }, { 118, 128, 281 }, { 120, 130, 287 }, { 122, 132, 292 }, { 124, 134, 298 },
    { 126, 137, 302 }, { 128, 139, 307 }, { 130, 141, 311 }, { 132, 143, 315 }, { 134, 145, 320 },
    { 136, 147, 324 }, { 138, 150, 328 }, { 140, 153, 332 }, { 142, 155, 336 }, { 144, 157, 340 },
    { 146, 160, 343 }, { 148, 162, 347 }, { 150, 164, 351 }, { 152, 166, 355 }, { 154, 168, 360 },
    { 156, 170, 365 },
};
static_assert(std::size(kErstarrungPunkte) == 36);
// The second row only moves the tie line; the traces begin at the third, from just beside the
// first row's points.
constexpr SpurVon kErstarrungSpuren[] = {
    { .y = 88, .keine = true },
    { .y = 90, .links = { 94, 86 }, .rechts = { 171, 86 } },
};

// Secondary cementite from 900 °C (3) to 723 °C (4): y; austenite x, cementite x.
constexpr Punkte kZementitPunkte[] = {
    { 324, 170, kZementitX }, { 326, 169, kZementitX }, { 328, 168, kZementitX }, { 330, 167, kZementitX },
    { 332, 166, kZementitX }, { 334, 165, kZementitX }, { 336, 164, kZementitX }, { 338, 162, kZementitX },
    { 340, 161, kZementitX }, { 342, 160, kZementitX }, { 344, 158, kZementitX }, { 346, 157, kZementitX },
    { 348, 156, kZementitX }, { 350, 155, kZementitX }, { 352, 154, kZementitX }, { 354, 153, kZementitX },
    { 356, 152, kZementitX }, { 358, 151, kZementitX }, { 360, 149, kZementitX }, { 362, 148, kZementitX },
    { 364, 147, kZementitX }, { 366, 146, kZementitX }, { 368, 145, kZementitX }, { 370, 144, kZementitX },
    { 372, 143, kZementitX }, { 374, 142, kZementitX }, { 376, 141, kZementitX }, { 378, 140, kZementitX },
    { 380, 139, kZementitX }, { 382, 138, kZementitX }, { 384, 137, kZementitX }, { 386, 136, kZementitX },
    { 388, 135, kZementitX }, { 390, 134, kZementitX }, { 392, 133, kZementitX }, { 394, 132, kZementitX },
};
static_assert(std::size(kZementitPunkte) == 36);
// The austenite trace into 344 starts a pixel right of the row before's point.
constexpr SpurVon kZementitSpuren[] = {
    { .y = 344, .links = { 161, 342 }, .rechts = { kZementitX, 342 } },
};

constexpr Stufe kStufen[] = {
    { .zeilen = kErstarrungPunkte, .spurVon = kErstarrungSpuren },
    // The stage ends one pixel above the marker, on the line P-S-K.
    { .zeilen = kZementitPunkte, .schlussMarke = 396, .schluss = { 395, 130, kZementitX },
        .spurVon = kZementitSpuren },
};

// Pictures: 0 ImageListSchA, 1 ImageListAZemPer. The solidification frames come less often as the
// run goes on; at 98 the frame just shown is kept above as a snapshot.
constexpr BildSchritt kBilder[] = {
    {  86, 0, kErstarrung }, {  88, 0, kErstarrung }, {  90, 0, kErstarrung }, {  92, 0, kErstarrung },
    {  94, 0, kErstarrung }, {  96, 0, kErstarrung }, {  98, 0, kErstarrung },
    {  98, 0, { 290, 5 }, 6 },
    { 100, 0, kErstarrung }, { 102, 0, kErstarrung }, { 104, 0, kErstarrung }, { 108, 0, kErstarrung },
    { 112, 0, kErstarrung }, { 116, 0, kErstarrung }, { 120, 0, kErstarrung }, { 126, 0, kErstarrung },
    { 132, 0, kErstarrung }, { 140, 0, kErstarrung }, { 148, 0, kErstarrung }, { 154, 0, kErstarrung },
    { 156, 0, kErstarrung },
    { 324, 1, kZementit }, { 328, 1, kZementit }, { 334, 1, kZementit }, { 344, 1, kZementit },
    { 354, 1, kZementit }, { 364, 1, kZementit }, { 374, 1, kZementit }, { 384, 1, kZementit },
    { 392, 1, kZementit },
    { 396, 1, { 260, 360 } },
};
static_assert(std::size(kBilder) == 20 + 1 + 10, "every frame of both series once, and the snapshot");

constexpr Beschriftung kTexte[] = {
    {  86, { 175,  72, "1" }, kSchwarz, kWeiss },
    {  98, { 290, 107, "1-2 Schmelze " }, kWeiss, kRot },
    {  98, { 344, 121, " Austenit " }, kWeiss, kBraun },
    { 154, { 175, 165, "2" }, kSchwarz, kWeiss },
    { 156, {  70, 256, "2-3 Austenit " }, kWeiss, kBraun },
    { 324, { 157, 320, "3" }, kSchwarz, kWeiss },
    { 324, { 180, 305, "3-4 Austenit " }, kWeiss, kBraun },
    { 324, { 213, 320, " Zementit " }, kWeiss, kZementitGrau },
    { 394, { 155, 377, "4" }, kSchwarz, kWeiss },
    { 396, { 260, 465, "  Perlit " }, kSchwarz, kPerlitGrau },
    { 396, { 303, 465, " Zementit " }, kSchwarz, kZementitGrau },
};

// At 723 °C the austenite turns into pearlite at once: the marker runs to the bottom and the run ends.
constexpr Strich kStriche[] = {
    { 396, { { kLegierungX, 396 }, { kLegierungX, 450 } } },
};
// clang-format on

constexpr Lektion kLektion {
    .caption = "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 1.2 Gew.%",
    .panelMaxName = "Panelmax",
    .memo = kMemo,
    .memoHoehe = 344,
    .memoUmbruch = false,
    .lauf = {
        .legierungX = kLegierungX,
        .startMarke = kStartMarke,
        .endeMarke = kEndeMarke,
        .grund = kWeiss,
        .stufen = kStufen,
        .bilder = kBilder,
        .texte = kTexte,
        .striche = kStriche,
        .sprungBei = 396,
        .sprungNach = 450,
    },
};

} // namespace

const ekd::cooling::Lektion& ekd12::lektion()
{
    return kLektion;
}

TFormEKD12::TFormEKD12()
    : TCoolingForm(QStringLiteral("FormEKD12"), kLektion)
{
    setPictureLists(ImageListSchA, ImageListAZemPer);
    pictures::assignStrip(ImageListSchA);
    pictures::assignStrip(ImageListAZemPer);
}

} // namespace wb
