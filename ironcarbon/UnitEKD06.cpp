// Cooling a steel with 0.6 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#include "ironcarbon/UnitEKD06.h"

#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormEKD06* FormEKD06 = nullptr;

namespace {

using namespace ekd::cooling;

constexpr TColor kWeiss = RGB(0xFF, 0xFF, 0xFF);
constexpr TColor kSchwarz = RGB(0x00, 0x00, 0x00);
constexpr TColor kRot = RGB(0xFF, 0x00, 0x00);
constexpr TColor kBraun = RGB(0x80, 0x00, 0x00); // austenite in the captions
constexpr TColor kPerlitGrau = RGB(0xC0, 0xC0, 0xC0);

// 0.6 % C; the marker runs from the top of the field to 450 (600 °C).
constexpr int kLegierungX = 110;
constexpr int kStartMarke = 20;
constexpr int kEndeMarke = 450;
// The solidification snapshot; the running picture stands 120 pixels below it.
constexpr int kBildX = 260;
constexpr int kBildY = 5;
// The running ferrite picture; the final picture stands 117 pixels below it.
constexpr int kBildX2 = 260;
constexpr int kBildY2 = 250;
constexpr TPoint kErstarrung { kBildX, kBildY + 120 };
constexpr TPoint kFerrit { kBildX2, kBildY2 };

// clang-format off
constexpr const char* kMemo[] = {
    "Der Erstarrungsprozess beginnt bei 1490°C (1) nach dem ",
    "Erreichen der Liquiduslinie. Es scheiden dabei Gamma-MK",
    "(Austenit) gemäß der Liquiduslinie aus der Schmelze aus.",
    "Entlang der Soliduslinie ändert sich der Kohlenstoffgehalt ",
    "der Mischkristalle, bzw. entsprechend der Liquiduslinie der ",
    "Kohlenstoffgehalt der Schmelze, bis schließlich bei ",
    "1410°C (2) der Erstarrungsprozeß abgeschlossen wird.",
    "",
    "Das Gefüge besteht aus einem homogenen Gamma-",
    "Mischkristall (Austenit), der im Einphasengebiet (2-3)",
    "beständig ist.",
    "",
    "Bei 760°C (3) beginnt bevorzugt an den Korngrenzen die ",
    "Bildung von Ferrit (Alpha-MK), die bei (4) abgeschlossen",
    "ist. Der C-Gehalt des Austenits steigt dabei bis auf 0.8% ",
    "an (3 nach 4).",
    "",
    "Schließlich zerfällt der restliche Austenit bei 723°C in das",
    "Eutektoid Perlit. Das Gefüge besteht nun aus 75 % ",
    "Perlit und 25 % Ferrit (Alpha-MK).",
};
static_assert(std::size(kMemo) == 20);

// Solidification from 1490 °C (1) to 1410 °C (2): y; solidus x, liquidus x.
constexpr Punkte kErstarrungPunkte[] = {
    {  70,  77, 113 }, {  72,  79, 120 }, {  74,  81, 127 }, {  76,  83, 134 }, {  78,  85, 143 },
    {  80,  87, 150 }, {  82,  89, 157 }, {  84,  91, 164 }, {  86,  93, 171 }, {  88,  96, 178 },
    {  90,  98, 185 }, {  92, 100, 191 }, {  94, 103, 198 }, {  96, 104, 205 }, {  98, 106, 212 },
    { 100, 108, 219 }, { 102, 110, 226 }, { 104, 112, 238 },
};
static_assert(std::size(kErstarrungPunkte) == 18);

// Ferrite from 760 °C (3) to 723 °C (4): y; ferrite x, austenite x. The last tie line starts on the
// ferrite boundary's vertical at 55, where its trace ends at 56.
constexpr Punkte kFerritPunkte[] = {
    { 384, 55, 110 }, { 386, 55, 113 }, { 388, 55, 116 }, { 390, 55, 119 }, { 392, 55, 122 }, { 394, 56, 126 },
};

constexpr Stufe kStufen[] = {
    { .zeilen = kErstarrungPunkte },
    { .zeilen = kFerritPunkte, .letzteKonode = { { 55, 394 }, { 126, 394 } } },
};

// Pictures: 0 ImageListSchA, 1 ImageListAFerPer. At 70 the melt and the first crystals come
// together; at 76 the frame about to be shown is kept above as a snapshot.
constexpr BildSchritt kBilder[] = {
    {  70, 0, kErstarrung }, {  70, 0, kErstarrung }, {  72, 0, kErstarrung }, {  74, 0, kErstarrung },
    {  76, 0, { kBildX, kBildY }, 4 },
    {  76, 0, kErstarrung }, {  78, 0, kErstarrung }, {  80, 0, kErstarrung }, {  82, 0, kErstarrung },
    {  84, 0, kErstarrung }, {  86, 0, kErstarrung }, {  88, 0, kErstarrung }, {  90, 0, kErstarrung },
    {  92, 0, kErstarrung }, {  94, 0, kErstarrung }, {  96, 0, kErstarrung }, {  98, 0, kErstarrung },
    { 100, 0, kErstarrung }, { 102, 0, kErstarrung }, { 104, 0, kErstarrung },
    { 382, 1, kFerrit }, { 384, 1, kFerrit }, { 386, 1, kFerrit }, { 388, 1, kFerrit }, { 390, 1, kFerrit },
    { 392, 1, kFerrit }, { 394, 1, kFerrit },
    { 396, 1, { kBildX2, kBildY2 + 117 } },
};
static_assert(std::size(kBilder) == 19 + 1 + 8, "every frame of both series once, and the snapshot");

constexpr Beschriftung kTexte[] = {
    {  70, { 115,  55, "1" }, kSchwarz, kWeiss },
    {  76, { 260, 107, "1-2  Schmelze       " }, kWeiss, kRot },
    {  76, { 345, 107, " Austenit " }, kWeiss, kBraun },
    { 102, { 115,  88, "2" }, kSchwarz, kWeiss },
    { 104, { 260, 227, "2-3   Austenit " }, kWeiss, kBraun },
    { 382, { 113, 395, "4" }, kSchwarz, kWeiss },
    { 382, { 260, 352, "3-4   Ferrit    " }, kSchwarz, kWeiss },
    { 382, { 320, 352, "  Austenit " }, kWeiss, kBraun },
    { 384, { 115, 370, "3" }, kSchwarz, kWeiss },
    { 396, { 260, 469, "   Ferrit    " }, kSchwarz, kWeiss },
    { 396, { 310, 469, " Perlit " }, kSchwarz, kPerlitGrau },
};

// At 723 °C the rest of the austenite turns into pearlite at once: the marker jumps to 448.
constexpr Strich kStriche[] = {
    { 396, { { kLegierungX, 396 }, { kLegierungX, 448 } } },
};
// clang-format on

constexpr Lektion kLektion {
    .caption = "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 0.6 Gew.%",
    .panelMaxName = "PanelMax",
    .memo = kMemo,
    .memoHoehe = 350,
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
        .sprungNach = 448,
    },
};

} // namespace

const ekd::cooling::Lektion& ekd06::lektion()
{
    return kLektion;
}

TFormEKD06::TFormEKD06()
    : TCoolingForm(QStringLiteral("FormEKD06"), kLektion)
{
    setPictureLists(ImageListSchA, ImageListAFerPer);
    pictures::assignStrip(ImageListSchA);
    pictures::assignStrip(ImageListAFerPer);
}

} // namespace wb
