// Quenching and tempering a steel with 0.45 % C: hardening, then tempering below Ac1 to tempered martensite.
#include "heattreat/UnitVergueten.h"

#include "heattreat/UnitVerSch.h"
#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormVergueten* FormVergueten = nullptr;

namespace {

// One wide process diagram: nine time steps of 62 pixels, six temperature steps of 46. Its
// labels and arrow are those of the narrow diagram of the hardening lesson moved right.
constexpr int kProzessLeft = 190;
constexpr int kProzessTop = 20;
constexpr int kProzessRight = 750;
constexpr int kProzessBottom = 300;
constexpr int kProzessColumns = 9;
constexpr int kLabelShift = 150;
constexpr int kArrowShift = 320;

struct Text {
    int x;
    int y;
    const char* text;
};

// clang-format off
constexpr const char* kMemo[] = {
    "  Eine Verbesserung der Zähigkeit kommt z. B. bei einem Ferrit-",
    "  Perlitgefüge dadurch zustande, dass durch das Härten und dem",
    "  anschließendem Ausscheiden feinverteilter kugeliger Karbide beim",
    "  Anlassen ein gleichmäßigeres Gefüge entsteht als im unbehand-",
    "  elten Zustand. Die durch das Härten entstandenen Verspannungen ",
    "  werden mit Hilfe des Anlassens weitesgehend rückgängig gemacht.",
    "  Die Darstellung zeigt schematisch die Prozessführung beim Ver-",
    "  güten eines unlegierten Stahles mit 0.45% Kohlenstoff und ver-",
    "  sucht die dabei ablaufenden Gefügeveränderungen darzustellen.",
    " ",
};
static_assert(std::size(kMemo) == 10);

constexpr int kDefinitionX = 5;
constexpr processdiagram::PanelLine kDefinition[] = {
    {  10, "Vergüten: Definition nach DIN EN 10052" },
    {  50, "\"Härten und Anlassen bei höherer Temperatur," },
    {  70, " um die gewünschte Kombination der mechanischen" },
    {  90, " Eigenschaften , insbesondere hohe Zähigkeit und" },
    { 110, " Duktillität, zu erreichen." },
};

// The run, by ProzessX. Each stage tests x as the stage before it left it, so one tick may run
// two stages.
constexpr TPoint kStart = { 190, 300 };
// Heating while x ≤ 228: every tick draws the line from (190, 295) anew, 5 pixels higher.
constexpr TPoint kHeizAnfang = { 190, 295 };
constexpr int kHeizenBis = 228;
constexpr int kHeizSchritt = 5;
// Austenitising hold at y = 110 for 227 < x ≤ 290.
constexpr int kHalteY = 110;
constexpr int kHaltenAb = 227;
constexpr int kHaltenBis = 290;
// Quench for 290 < x < 294: each tick draws from (291, 110), 62 pixels further down.
constexpr TPoint kAbschreckAnfang = { 291, 110 };
constexpr int kAbschreckenBis = 294; // exclusive
constexpr int kAbschreckSchritt = 62;
// At room temperature for 293 < x < 320, two pixels a tick.
constexpr int kRaumAb = 293;
constexpr int kRaumBis = 320;
constexpr int kRaumSchritt = 2;
// Reheating for 319 < x < 395, 2 pixels up a tick; tempering hold for 394 < x < 600; cooling
// for 599 < x < 666, 2 pixels down a tick; the run ends once x > 665.
constexpr int kWiederAb = 319;
constexpr int kWiederBis = 395;
constexpr int kAnlassSchritt = 2;
constexpr int kAnlassenAb = 394;
constexpr int kAnlassenBis = 600;
constexpr int kKuehlenAb = 599;
constexpr int kKuehlenBis = 666;
constexpr int kEndeAb = 665;

// The texts of the two holds, white on red.
struct HalteTexte {
    int x;
    Text texts[3];
};
constexpr HalteTexte kHalteTexte[] = {
    { 225, { { 220, 42, " Austenitisiertemperatur " },
             { 220, 60, " isothermes \"Halten\" " },
             { 220, 78, " T > A[c3] im Gleichgewicht " } } },
    { 400, { { 420, 42, " Anlasstemperatur " },
             { 420, 60, " isothermes \"Halten\" " },
             { 420, 78, " T < A[c1] im Gleichgewicht " } } },
};

// The micrographs by the value of ProzessX: ferrite–pearlite beside the heating line, austenite
// growing (frames 1 to 10) until homogeneous (11) at the hold, martensite (12) beside the quench
// and the martensite tempering (13 to 19) above the tempering hold. A row with a caption writes
// it white on black.
constexpr int kWeiter = -1; // draws frame BildNr as it stands
struct Bild {
    int x;
    int bildNr; // BildNr := this before the frame is drawn, or kWeiter
    int left;
    int top;
    const char* text;
    int textX;
    int textY;
};
constexpr Bild kBildFolge[] = {
    //  x   BildNr    left top   caption
    { 191,  0,        40, 220,  "Ferrit+Perlit",               60, 325 },
    { 225,  0,        40,  10,  nullptr,                        0,   0 },
    { 230,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 235,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 240,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 245,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 250,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 255,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 260,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 265,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 270,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 275,  kWeiter,  40,  10,  nullptr,                        0,   0 },
    { 280, 11,        40,  10,  "Homogener Austenit",          40, 115 },
    { 293, 12,       380, 220,  " Martensit ",                380, 325 },
    { 399,  kWeiter, 580,  10,  nullptr,                        0,   0 },
    { 430,  kWeiter, 580,  10,  nullptr,                        0,   0 },
    { 460,  kWeiter, 580,  10,  nullptr,                        0,   0 },
    { 490,  kWeiter, 580,  10,  nullptr,                        0,   0 },
    { 520,  kWeiter, 580,  10,  nullptr,                        0,   0 },
    { 550,  kWeiter, 580,  10,  nullptr,                        0,   0 },
    { 580, 19,       580,  10,  " Gefüge nach dem Anlassen ", 580, 115 },
};
// Frame 0 twice, then every frame of the 20 once.
static_assert(std::size(kBildFolge) == 21);
// clang-format on

const processform::Lesson kLesson {
    .defBounds = QRect(10, 350, 320, 170),
    .memoBounds = QRect(332, 350, 433, 170),
    .memoScrolls = false,
    .memo = kMemo,
    .definitionX = kDefinitionX,
    .definition = kDefinition,
    .start = kStart,
};

} // namespace

TFormVergueten::TFormVergueten()
    : TProcessForm(QStringLiteral("FormVergueten"),
        { .caption = QStringLiteral("Schematische Prozessführung beim Vergüten"), .status = status::S3 }, kLesson)
{
    setUp({ .PaintBoxHaupt = &PaintBoxHaupt,
        .PaintBoxDef = &PaintBoxDef,
        .PaintBoxLog = nullptr,
        .MemoErlaeuterung = &MemoErlaeuterung,
        .ImageListGef = &ImageListGef,
        .processTimer = &TimerProzess,
        .ztuTimer = nullptr,
        .Austenitisierung = &Austenitisierung,
        .ztuItem = nullptr,
        .Prozessanhalten = &Prozessanhalten });
}

void TFormVergueten::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    m_state.geometry
        = processdiagram::makeFrame(kProzessLeft, kProzessTop, kProzessRight, kProzessBottom, kProzessColumns);
    processdiagram::drawBackground(c, PaintBoxHaupt.Width(), PaintBoxHaupt.Height());
    processdiagram::drawFrame(c, m_state.geometry);
    processdiagram::drawGrid(c, m_state.geometry);
    processdiagram::drawTemperatureLabels(c, kLabelShift);
    // Unlike the hardening lesson's, this arrow is drawn solid.
    c.Pen.SetStyle(psSolid);
    processdiagram::drawTimeArrow(c, kArrowShift);
}

void TFormVergueten::TimerProzessTimer()
{
    TCanvas& c = processCanvas();
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;

    if (x <= kHeizenBis) {
        c.MoveTo(kHeizAnfang.X, kHeizAnfang.Y);
        ++x;
        c.LineTo(x, Round(double(y) - kHeizSchritt));
        y -= kHeizSchritt;
    }
    if (x > kHaltenAb && x <= kHaltenBis) {
        c.MoveTo(x, kHalteY);
        ++x;
        y = kHalteY;
        c.LineTo(x, kHalteY);
    }
    if (x > kHaltenBis && x < kAbschreckenBis) {
        c.MoveTo(kAbschreckAnfang.X, kAbschreckAnfang.Y);
        ++x;
        y = float(Round(double(y) + kAbschreckSchritt));
        c.LineTo(x, Round(y));
    }
    if (x > kRaumAb && x < kRaumBis) {
        x += kRaumSchritt;
        c.LineTo(x, Round(y));
    }
    if (x > kWiederAb && x < kWiederBis) {
        ++x;
        y = float(Round(double(y) - kAnlassSchritt));
        c.LineTo(x, Round(y));
    }
    if (x > kAnlassenAb && x < kAnlassenBis) {
        c.MoveTo(x, Round(y));
        ++x;
        c.LineTo(x, Round(y));
    }
    if (x > kKuehlenAb && x < kKuehlenBis) {
        ++x;
        y = float(Round(double(y) + kAnlassSchritt));
        c.LineTo(x, Round(y));
    }
    if (x > kEndeAb)
        endProcessRun();

    for (const HalteTexte& h : kHalteTexte) {
        if (h.x != x)
            continue;
        c.Brush.SetColor(clRed);
        for (const Text& t : h.texts)
            c.TextOut(t.x, t.y, QString::fromUtf8(t.text));
    }
    for (const Bild& b : kBildFolge) {
        if (b.x != x)
            continue;
        if (b.text)
            c.Brush.SetColor(clBlack);
        if (b.bildNr != kWeiter)
            m_state.BildNr = b.bildNr;
        ImageListGef.Draw(c, b.left, b.top, m_state.BildNr);
        ++m_state.BildNr;
        if (b.text)
            c.TextOut(b.textX, b.textY, QString::fromUtf8(b.text));
    }
}

void TFormVergueten::Vergtungsschaubild1Click()
{
    FormVerSch->ShowModal();
}

} // namespace wb
