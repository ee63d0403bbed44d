// Normalising a steel with 0.45 % C: austenitising, cooling in still air and the air-cooling curve in the ZTU diagram.
#include "heattreat/UnitNormal.h"

#include "heattreat/ProcessRun.h"
#include "resources/Pictures.h"

#include <cmath>
#include <iterator>

namespace wb {

TFormNormal* FormNormal = nullptr;

namespace {

// The ZTU diagram of this lesson: lines in black, "Ferrit" right of the ferrite nose, where
// the air-cooling curve leaves room for it.
constexpr processdiagram::ZtuLook kZtuLook = { clBlack, { 650, 130 } };

// clang-format off
constexpr const char* kMemo[] = {
    "  Die Grafik zeigt schematisch die Prozessführung",
    "  beim Normalisieren (Normalglühen) eines untereu-",
    "  tektoidischen Stahles mit 0.45% C. ",
    "  Im Perlit liegt der Zementit und der Ferrit in La-",
    "  mellen dicht beisammen. Daher sind praktisch ",
    "  überall Keime für die Austenitbildung vorhanden, ",
    "  so dass an mehreren Stellen eines groben Perlit-",
    "  korns feinere Austenitkörner entstehen.",
    "  Aus einem Austenitkorn entstehen bei der Abküh-",
    "  lung sowohl Ferrit als auch Perlitkörner, dass zu ",
    "  einer weiteren Verfeinerung des umkristallisierten",
    "  Gefüges führt.    ",
    "  ",
    "  ",
    "  ",
    " ",
};
static_assert(std::size(kMemo) == 16);

constexpr int kDefinitionX = 7;
constexpr processdiagram::PanelLine kDefinition[] = {
    {  10, "Normalglühen: Definition nach DIN EN 10052" },
    {  30, "\"Erwärmung auf eine Temperatur von 50°C oberhalb des oberen" },
    {  50, " Umwandlungspunktes A[c3] (bei übereutektoidischen Stählen " },
    {  70, " oberhalb des unteren Umwandlungspunktes A[c1]) mit anschließen-" },
    {  90, " dem Abkühlen in ruhender Luft. Im allgemeinen soll mit dieser" },
    { 110, " Wärmebehandlung ein gleichmäßtges und feinkörniges Gefüge mit" },
    { 130, " Perlit erzielt werden. Führt eine solche Temperatur-Zeit-Folge" },
    { 150, " zu Bainit oder Martensit so ist der Ausdruck Lufthärten angebracht\"" },
};

// Air cooling after the hold: for 208 < x ≤ 290 the line descends 2 pixels a tick; the run
// ends once x ≥ 290 with the fine ferrite–pearlite beside it.
constexpr int kKuehlenAb = 208; // exclusive
constexpr int kKuehlenBis = 290;
constexpr int kKuehlSchritt = 2;
constexpr int kEndeAb = 290;
constexpr int kEndeTextX = 290;
constexpr const char* kFerritPerlit = " Ferrit/Perlit ";
// During the first ticks of the cooling, ferrite appears at the austenite grains' boundaries
// (frames 12 to 18) and turns into fine ferrite–pearlite (frame 19), one frame a tick.
constexpr int kUmwandlungAb = 218;
constexpr int kUmwandlungBis = 225;
constexpr TPoint kUmwandlungBild = { 290, 170 };

// The air cooling in the ZTU diagram, in the coordinates of PaintBoxLog: the slow start while
// x ≤ 145 (x stepping by 3, drawn 2 pixels below the curve), level at y = 36 while x ≤ 155, the
// fall while x ≤ 270 (x stepping by 2). Three small rings mark where the curve meets the
// transformation lines; the run ends once y is more than 50 pixels above the surface's bottom.
constexpr int kLangsamBis = 145;
constexpr int kLangsamSchritt = 3;
constexpr int kLangsamAbstand = 2;
constexpr int kWaagrechtBis = 155;
constexpr int kWaagrechtY = 36;
constexpr int kFallBis = 270;
constexpr int kZtuSchritt = 2;
constexpr int kEndeAbstand = 50;
struct Marke {
    int x;
    TColor fill;
    int left, top, right, bottom; // the box relative to (x, y)
};
constexpr Marke kMarken[] = {
    { 149, clBlack, -12, -12, -6, -6 }, // ferrite start
    { 159, clBlack, -14, -3, -8, 3 }, // pearlite start
    { 165, clWhite, -10, -16, -4, -10 }, // pearlite end
};
constexpr int kFeinBildNr = 19;
constexpr TPoint kZtuBild = { 650, 160 };
constexpr int kZtuTextLinks = 50; // the caption starts left of the curve's end
constexpr int kZtuTextAbstand = 7; // and below it
constexpr const char* kZtuGefuege = " ferritsch/perlitisches Gefüge ";
constexpr int kZtuTextHeight = 8;
// clang-format on

const processform::Lesson kLesson {
    .defBounds = QRect(10, 350, 422, 170),
    .memoBounds = QRect(435, 350, 337, 170),
    .memoScrolls = true,
    .memo = kMemo,
    .definitionX = kDefinitionX,
    .definition = kDefinition,
    .start = processrun::kStart,
};

} // namespace

namespace normal {

float luftY(int x)
{
    return float(0.76 * std::pow(10.0, (x - 55) / 55.0));
}

float fallY(int x)
{
    return float(3 * x - 435);
}

} // namespace normal

TFormNormal::TFormNormal()
    : TSideBySideForm(QStringLiteral("FormNormal"),
        { .caption = QStringLiteral("Schematische Prozessführung beim Normalglühen"), .status = status::S3 }, kLesson,
        kZtuLook)
{
    setUp({ .PaintBoxHaupt = &PaintBoxHaupt,
        .PaintBoxDef = &PaintBoxDef,
        .PaintBoxLog = &PaintBoxLog,
        .MemoErlaeuterung = &MemoErlaeuterung,
        .ImageListGef = &ImageListGef,
        .processTimer = &TimerZTA,
        .ztuTimer = &Timer15,
        .Austenitisierung = &Austenitisierung,
        .ztuItem = &ZTULuftab,
        .Prozessanhalten = &Prozessanhalten });
    PaintBoxLog.SetBounds(445, 115, 320, 202);
}

void TFormNormal::TimerZTATimer()
{
    TCanvas& c = processCanvas();
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;

    processrun::heatAndHold(c, x, y);
    // The cooling continues the holding line from where it stopped.
    if (x > kKuehlenAb && x <= kKuehlenBis) {
        ++x;
        y = float(Round(double(y) + kKuehlSchritt));
        c.LineTo(x, Round(y));
    }
    if (x >= kEndeAb) {
        c.Brush.SetColor(clBlack);
        c.TextOut(kEndeTextX, Round(y), QString::fromUtf8(kFerritPerlit));
        endProcessRun();
        Prozessanhalten.SetEnabled(false);
    }

    processrun::austenitisingPicture(c, ImageListGef, x, m_state.BildNr);
    if (x >= kUmwandlungAb && x <= kUmwandlungBis) {
        ImageListGef.Draw(c, kUmwandlungBild.X, kUmwandlungBild.Y, m_state.BildNr);
        ++m_state.BildNr;
    }
}

void TFormNormal::ZTULuftabClick()
{
    startZtuRun();
}

void TFormNormal::Timer15Timer()
{
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;
    y = normal::luftY(x);
    TCanvas& c = ztuCanvas();

    // Each stage tests x as the stage before it left it.
    if (x <= kLangsamBis) {
        c.LineTo(x, Round(double(y) + kLangsamAbstand));
        x += kLangsamSchritt;
    }
    if (x > kLangsamBis && x <= kWaagrechtBis) {
        y = kWaagrechtY;
        c.LineTo(x, kWaagrechtY);
        x += kZtuSchritt;
    }
    if (x > kWaagrechtBis && x <= kFallBis) {
        y = normal::fallY(x);
        c.LineTo(x, Round(y));
        x += kZtuSchritt;
    }
    for (const Marke& m : kMarken) {
        if (m.x != x)
            continue;
        c.Brush.SetColor(m.fill);
        c.Pen.SetWidth(1);
        c.Pen.SetColor(clBlue);
        c.Ellipse(x + m.left, Round(double(y) + m.top), x + m.right, Round(double(y) + m.bottom));
    }

    if (y > PaintBoxLog.Height() - kEndeAbstand) {
        c.Font.SetHeight(kZtuTextHeight);
        m_state.BildNr = kFeinBildNr;
        ImageListGef.Draw(PaintBoxHaupt.Canvas(), kZtuBild.X, kZtuBild.Y, m_state.BildNr);
        ++m_state.BildNr;
        c.TextOut(x - kZtuTextLinks, Round(double(y) + kZtuTextAbstand), QString::fromUtf8(kZtuGefuege));
        endZtuRun();
    }
}

} // namespace wb
