// Normalising a steel with 0.45 % C: austenitising, cooling in still air and the air-cooling curve in the ZTU diagram.
#include "heattreat/UnitNormal.h"

#include "heattreat/ProcessRun.h"
#include "resources/Pictures.h"

#include <cmath>
#include <iterator>

namespace wb {

TFormNormal* FormNormal = nullptr;

namespace {

constexpr TColor kDefinitionColor = RGB(0x00, 0x80, 0xFF);
constexpr TColor kTitelColor = RGB(0x80, 0x00, 0x80);
constexpr int kMemoFontHeight = 18;

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
    : TLessonForm(QStringLiteral("FormNormal"),
        { .caption = QStringLiteral("Schematische Prozessführung beim Normalglühen"), .status = status::S3 })
{
    PaintBoxDef.SetColor(kDefinitionColor);
    PaintBoxLog.SetBounds(445, 115, 320, 202);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.Font.SetName(QStringLiteral("MS Sans Serif"));
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetScrollBars(ssBoth);
    MemoErlaeuterung.Lines.setTable(kMemo);
    pictures::assignStrip(ImageListGef);
}

void TFormNormal::FormCreate()
{
    PaintBoxHaupt.SetBounds(5, 5, 770, 500);
    PaintBoxDef.SetBounds(10, 350, 422, 170);
    MemoErlaeuterung.SetBounds(435, 350, 337, 170);
    MemoErlaeuterung.Font.SetHeight(kMemoFontHeight);
}

void TFormNormal::PaintBoxHauptPaint()
{
    const int w = PaintBoxHaupt.Width();
    const int h = PaintBoxHaupt.Height();
    m_state.geometry = processdiagram::sideBySide(w, h);
    processdiagram::drawSideBySide(PaintBoxHaupt.Canvas(), m_state.geometry, w, h, kZtuLook);
}

void TFormNormal::PaintBoxLogPaint()
{
    // Draws nothing: it only takes its place over the ZTU diagram just painted.
    const QRect r = processdiagram::ztuCurveBounds(m_state.geometry.ztu, PaintBoxHaupt.BoundsRect().topLeft());
    PaintBoxLog.SetBounds(r.x(), r.y(), r.width(), r.height());
}

void TFormNormal::PaintBoxDefPaint()
{
    processdiagram::drawDefinitionPanel(PaintBoxDef.Canvas(), kDefinitionX, kDefinition);
}

void TFormNormal::AustenitisierungClick()
{
    TimerZTA.SetEnabled(true);
    LockRun({ &Austenitisierung });
    m_state.ProzessX = processrun::kStart.X;
    m_state.ProzessY = processrun::kStart.Y;
    m_state.ProzessLaeuft = true;
    PaintBoxHaupt.Canvas().MoveTo(processrun::kStart.X, processrun::kStart.Y);
}

void TFormNormal::TimerZTATimer()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;
    c.Pen.SetColor(clRed);
    c.Pen.SetWidth(3);
    c.Font.SetColor(clWhite);

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
        // The start item stays disabled until "Löschen / Neu" or closing.
        UnlockRun();
        Prozessanhalten.SetEnabled(false);
        TimerZTA.SetEnabled(false);
        m_state.ProzessLaeuft = false;
    }

    processrun::austenitisingPicture(c, ImageListGef, x, m_state.BildNr);
    if (x >= kUmwandlungAb && x <= kUmwandlungBis) {
        ImageListGef.Draw(c, kUmwandlungBild.X, kUmwandlungBild.Y, m_state.BildNr);
        ++m_state.BildNr;
    }
}

void TFormNormal::ProzessanhaltenClick()
{
    if (processrun::pauseOrResume(
            m_state.ProzessLaeuft, TimerZTA, PaintBoxHaupt.Canvas(), m_state.ProzessX, m_state.ProzessY))
        LockRun({ &Austenitisierung });
}

void TFormNormal::ZTULuftabClick()
{
    // The item itself is disabled only when the run ends; until then the run lock keeps the
    // mouse away from the menu.
    LockRun({});
    Timer15.SetEnabled(true);
    m_state.ProzessX = 0;
    m_state.ProzessY = 0;
    PaintBoxLog.Canvas().MoveTo(0, 0);
}

void TFormNormal::Timer15Timer()
{
    TCanvas& c = PaintBoxLog.Canvas();
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;
    y = normal::luftY(x);
    c.Pen.SetColor(clRed);
    c.Pen.SetWidth(3);
    c.Font.SetColor(clWhite);
    c.Brush.SetColor(kTitelColor);

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
        UnlockRun();
        ZTULuftab.SetEnabled(false);
        Timer15.SetEnabled(false);
    }
}

void TFormNormal::NEUClick()
{
    // During a run the form is locked and this item out of reach. Should it be run all the same,
    // the run ends here too, so it cannot go on drawing over the cleared picture.
    StopTimers();
    m_state.ProzessLaeuft = false;
    UnlockRun({ &Prozessanhalten, &Austenitisierung, &ZTULuftab });
    Refresh();
}

void TFormNormal::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    UnlockRun({ &Prozessanhalten, &Austenitisierung, &ZTULuftab });
    StopTimers();
    m_state.ProzessLaeuft = false;
    Refresh();
}

} // namespace wb
