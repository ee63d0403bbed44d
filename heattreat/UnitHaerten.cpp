// Hardening a steel with 0.45 % C: austenitising, quenching to martensite and the water quench in the ZTU diagram.
#include "heattreat/UnitHaerten.h"

#include "framework/Figures.h"
#include "heattreat/ProcessRun.h"
#include "resources/Pictures.h"

#include <iterator>

namespace wb {

TFormHaerten* FormHaerten = nullptr;

namespace {

// The ZTU diagram of this lesson: lines in #010000, "Ferrit" left of the ferrite nose.
constexpr processdiagram::ZtuLook kZtuLook = { RGB(0x01, 0x00, 0x00), { 566, 136 } };

// clang-format off
constexpr const char* kMemo[] = {
    "  Die Umwandlungshärtung ist nur bei Werkstoffen möglich, die eine ",
    "  Gamma/Alpha-Umwandlung durchlaufen. Unlegierte Stähle mit ",
    "  mindestens 0.2% Kohlenstoff besitzen gute Voraussetzungen für ",
    "  diese Härtung. Der im Austenit (Gamma-Eisen) gelöste Kohlenstoff ",
    "  kann bei schneller Abkühlung nicht mehr diffundieren und bleibt in ",
    "  einem verspannten Ferritgitter (Martensit) zwangsgelöst. Stähle mit",
    "  weniger als 0.2% Kohlenstoff müssen extrem schnell abgekühlt wer-",
    "  den, damit Martensit auftritt; außerdem hat der Martensit wegen des",
    "  niedrigen Gehaltes an Kohlenstoff keine allzu hohe Härte.  ",
    "  Beim Umwandlungshärten wird, je nach Abschreckmittel zwischen ",
    "  Wasser-, Öl- oder Lufthärten unterschieden. Die Darstellung zeigt ",
    "  schematisch die Prozessführung beim Härten eines unlegierten ",
    "  Stahles mit 0.45% Kohlenstoff, der üblicherweise in Wasser ",
    "  \"abgeschreckt\" wird. ",
    " ",
};
static_assert(std::size(kMemo) == 15);

constexpr int kDefinitionX = 7;
constexpr processdiagram::PanelLine kDefinition[] = {
    { 10, "Härten: Definition nach DIN EN 10052" },
    { 50, "\"Austenitisieren und Abkühlen unter Bedingungen," },
    { 70, " die bei Härtesteigerung zur Martensit- gegebenen-" },
    { 90, " falls Bainitbildung führen.\"" },
};

// The austenitising run in the process diagram. It starts at room temperature on the
// diagram's left edge; the heating line rises until y passes 111 (the austenitising
// temperature, about 825 °C), the holding line runs on at y = 111, and the quench drops 30
// pixels per tick for 208 < x ≤ 216.
constexpr int kAbschreckenAb = 208; // exclusive
constexpr int kAbschreckenBis = 216;
constexpr int kAbschreckSchritt = 30;
constexpr int kEndeAb = 215;

// The austenitising run adds the martensite, frame 12, the last of the 13.
constexpr int kMartensitNr = 12;
constexpr TPoint kMartensitBild = { 290, 170 };
constexpr TextAt kMartensit = { 290, 17, " Martensit " }; // y: pixels above the curve's end

// The water quench in the ZTU diagram, in the coordinates of PaintBoxLog (its origin lies on
// the diagram's left edge at about 826 °C): the parabola while x ≤ 67, then the straight line
// while x ≤ 100, x stepping by 3. Where the line crosses the martensite start (x = 72) a small
// ring marks it; the run ends once y is more than 20 pixels below the surface's top edge.
constexpr int kParabelBis = 67;
constexpr int kGeradeBis = 100;
constexpr int kZtuSchritt = 3;
constexpr int kMarkeX = 72;
constexpr int kEndeAbstand = 20;
constexpr TPoint kZtuMartensitBild = { 600, 170 };
constexpr int kZtuTextAbstand = 20; // caption above the curve's end
constexpr const char* kZtuMartensit = " Martensit / evtl. mit Restaustenit ";
constexpr int kZtuTextHeight = 8;
// clang-format on

const processform::Lesson kLesson {
    .defBounds = QRect(10, 350, 320, 170),
    .memoBounds = QRect(332, 350, 428, 170),
    .memoScrolls = true,
    .memo = kMemo,
    .definitionX = kDefinitionX,
    .definition = kDefinition,
    .start = processrun::kStart,
};

} // namespace

namespace haerten {

float parabelY(int x)
{
    return float(0.025 * (x * x));
}

float geradeY(int x)
{
    return float((x - 93) * 2.3 + 170);
}

} // namespace haerten

TFormHaerten::TFormHaerten()
    : TSideBySideForm(QStringLiteral("FormHaerten"),
        { .caption = QStringLiteral("Schematische Prozessführung beim Härten") }, kLesson, kZtuLook)
{
    setUp({ .PaintBoxHaupt = &PaintBoxHaupt,
        .PaintBoxDef = &PaintBoxDef,
        .PaintBoxLog = &PaintBoxLog,
        .MemoErlaeuterung = &MemoErlaeuterung,
        .ImageListGef = &ImageListGef,
        .processTimer = &TimerZTA,
        .ztuTimer = &Timer600,
        .Austenitisierung = &Austenitisierung,
        .ztuItem = &ZTUWasserabkuehlung,
        .Prozessanhalten = nullptr });
    PaintBoxLog.SetBounds(445, 115, 320, 202);
}

void TFormHaerten::TimerZTATimer()
{
    TCanvas& c = processCanvas();
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;

    processrun::heatAndHold(c, x, y);
    processrun::austenitisingPicture(c, ImageListGef, x, m_state.BildNr);

    // Quenching continues the holding line from where it stopped.
    if (x > kAbschreckenAb && x <= kAbschreckenBis) {
        ++x;
        y = float(Round(double(y) + kAbschreckSchritt));
        c.LineTo(x, Round(y));
    }

    if (x >= kEndeAb) {
        c.Brush.SetColor(clBlack);
        ImageListGef.Draw(c, kMartensitBild.X, kMartensitBild.Y, m_state.BildNr);
        ++m_state.BildNr;
        draw(c, TextAt { kMartensit.x, Round(double(y) - kMartensit.y), kMartensit.text });
        endProcessRun();
    }
}

void TFormHaerten::ZTUWasserabkuehlungClick()
{
    startZtuRun();
}

void TFormHaerten::Timer600Timer()
{
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;
    y = haerten::parabelY(x);
    TCanvas& c = ztuCanvas();

    // The tick that leaves the parabola also draws the line's first step.
    if (x <= kParabelBis) {
        c.LineTo(x, Round(y));
        x += kZtuSchritt;
    }
    if (x > kParabelBis && x <= kGeradeBis) {
        y = haerten::geradeY(x);
        c.LineTo(x, Round(y));
        x += kZtuSchritt;
    }
    if (x == kMarkeX) {
        c.Brush.SetColor(clBlack);
        c.Pen.SetWidth(1);
        c.Pen.SetColor(clBlue);
        c.Ellipse(x - 7, Round(double(y) - 5), x - 1, Round(double(y) + 1));
    }

    if (y > PaintBoxLog.Height() - kEndeAbstand) {
        c.Font.SetHeight(kZtuTextHeight);
        m_state.BildNr = kMartensitNr;
        ImageListGef.Draw(PaintBoxHaupt.Canvas(), kZtuMartensitBild.X, kZtuMartensitBild.Y, m_state.BildNr);
        ++m_state.BildNr;
        c.TextOut(x, Round(double(y) - kZtuTextAbstand), QString::fromUtf8(kZtuMartensit));
        endZtuRun();
    }
}

} // namespace wb
