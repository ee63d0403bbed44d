// Tempering chart of C 45: strength, yield point, elongation and reduction of area against tempering temperature.
#include "heattreat/UnitVerSch.h"

#include <iterator>

namespace wb {

TFormVerSch* FormVerSch = nullptr;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kFrameColor = RGB(0x01, 0x00, 0x00);

// The chart's frame inside the paint box, and its five rows and columns.
constexpr int kChartLeft = 35;
constexpr int kChartTop = 65;
constexpr int kChartRightMargin = 20;
constexpr int kChartBottomMargin = 50;
constexpr int kDivisions = 5;

// The background: 201 lines of width 3, three pixels apart, fading from red to dark red.
constexpr int kBandCount = 200;
constexpr int kBandStep = 3;
constexpr int kBandFrom = 1;
constexpr int kBandTo = 800;

constexpr int kLabelHeight = 18;
constexpr int kLineWidth = 3;
// Every label stands 2.27 columns right of the chart's left edge, less 7 pixels.
constexpr double kLabelColumns = 2.27;

struct AxisLabel {
    int step; // rows above the bottom, or columns right of the left edge
    const char* text;
};

// clang-format off
// Left axis: a row stands for 300 N/mm²; right axis: a row stands for 30 %.
constexpr AxisLabel kStrengthLabels[] = { { 5, "1500" }, { 4, "1200" }, { 3, " 900" }, { 2, " 600" }, { 1, " 300" } };
constexpr AxisLabel kPercentLabels[] = { { 3, " 90" }, { 2, " 60" }, { 1, " 30" } };
// A column stands for 50 °C, from 450 °C at the left edge.
constexpr AxisLabel kTemperatureLabels[] = {
    { 0, "450" }, { 1, "500" }, { 2, "550" }, { 3, "600" }, { 4, "650" }, { 5, "700" },
};
// clang-format on
static_assert(std::size(kTemperatureLabels) == kDivisions + 1);

// Row labels sit 6 pixels above their grid line (their cell's middle on it), 30 pixels left of
// the frame on the left axis and at the frame's right end on the right one.
constexpr int kRowLabelRise = 6;
constexpr int kLeftLabelsX = -30;
constexpr int kColumnLabelShift = -7; // the figures centred under their grid line
constexpr int kColumnLabelsBelow = 5;
constexpr const char* kStrengthTitle = "Streckgrenze+Zugfestigkeit / N/qmm ";
constexpr const char* kPercentTitle = "Bruchdehnung+Brucheinschnürung/%";
constexpr int kPercentTitleFromRight = -252;
constexpr int kTitlesAbove = -22;
constexpr const char* kAxisTitle = "Anlasstemperatur / °C";
constexpr int kAxisTitleShift = -140; // ends under the fourth column's grid line
constexpr int kAxisTitleBelow = 22;

// The title strip.
constexpr int kTitleWidth = 735;
constexpr int kTitleHeight = 30;
constexpr int kTitleFontHeight = 24;
constexpr TPoint kTitlePos = { 66, 2 };
constexpr const char* kTitle = "Mechanische Eigenschaften in Abhängigkeit von der Anlasstemperatur";

void textOut(TCanvas& canvas, int x, int y, const char* text)
{
    canvas.TextOut(x, y, QString::fromUtf8(text));
}

} // namespace

namespace versch {

Chart chart(int width, int height)
{
    Chart c {
        .left = kChartLeft, .top = kChartTop, .right = width - kChartRightMargin, .bottom = height - kChartBottomMargin
    };
    c.row = (c.bottom - c.top) / kDivisions;
    c.column = (c.right - c.left) / kDivisions;
    return c;
}

bool grows(const Line& line, TPoint end)
{
    return end.X <= line.lastX;
}

TPoint nextPoint(const Line& line, TPoint end)
{
    return { end.X + line.dx, end.Y + line.dy };
}

TPoint labelPos(const Chart& chart, const Line& line)
{
    return { Round(kLabelColumns * chart.column + chart.left + kColumnLabelShift), chart.bottom - line.labelOffset };
}

} // namespace versch

TFormVerSch::TFormVerSch()
    : TLessonForm(QStringLiteral("FormVerSch"),
        { .caption = QStringLiteral("Vergütungsschaubild eines C 45"),
            .fontHeight = -10,
            .color = kChartColor,
            .statusHeight = 19,
            .statusFontHeight = -10 })
{
    // The status bar speaks in the form's own font.
    StatusBarHint.Font.SetBold(false);
    PaintBoxHaupt.SetAlign(alClient);
}

void TFormVerSch::FormCreate()
{
    PaintBoxTitel.SetBounds(35, 4, kTitleWidth, kTitleHeight);
}

void TFormVerSch::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    const versch::Chart g = versch::chart(PaintBoxHaupt.Width(), PaintBoxHaupt.Height());
    m_state.geometry = g;

    c.Pen.SetWidth(3);
    for (int i = 0; i <= kBandCount; ++i) {
        c.Pen.SetColor(RGB(255 - i, 0, 0));
        c.MoveTo(kBandFrom, kBandStep * i);
        c.LineTo(kBandTo, kBandStep * i);
    }

    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(kFrameColor);
    c.Pen.SetWidth(2);
    c.Brush.SetColor(kGold);
    c.Rectangle(g.left, g.top, g.right, g.bottom);

    // The grid keeps the frame's colour.
    c.Brush.SetStyle(bsClear);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    for (int k = 1; k < kDivisions; ++k) {
        c.MoveTo(g.left, g.bottom - k * g.row);
        c.LineTo(g.right, g.bottom - k * g.row);
    }
    for (int k = 0; k < kDivisions; ++k) {
        c.MoveTo(g.left + k * g.column, g.top);
        c.LineTo(g.left + k * g.column, g.bottom);
    }

    // The labels stay white in height 18: the lines' labels are written with this font too.
    c.Font.SetColor(clWhite);
    c.Font.SetHeight(kLabelHeight);
    textOut(c, g.left + kLeftLabelsX, g.top + kTitlesAbove, kStrengthTitle);
    for (const AxisLabel& l : kStrengthLabels)
        textOut(c, g.left + kLeftLabelsX, g.bottom - l.step * g.row - kRowLabelRise, l.text);
    textOut(c, g.right + kPercentTitleFromRight, g.top + kTitlesAbove, kPercentTitle);
    for (const AxisLabel& l : kPercentLabels)
        textOut(c, g.left + kDivisions * g.column, g.bottom - l.step * g.row - kRowLabelRise, l.text);
    textOut(c, g.left + 4 * g.column + kAxisTitleShift, g.bottom + kAxisTitleBelow, kAxisTitle);
    for (const AxisLabel& l : kTemperatureLabels)
        textOut(c, g.left + l.step * g.column + kColumnLabelShift, g.bottom + kColumnLabelsBelow, l.text);
}

void TFormVerSch::PaintBoxTitelPaint()
{
    // The pen and the font colour are the canvas's own: black.
    TCanvas& c = PaintBoxTitel.Canvas();
    c.Brush.SetColor(kGold);
    c.Rectangle(0, 0, kTitleWidth, kTitleHeight);
    c.Font.SetHeight(kTitleFontHeight);
    textOut(c, kTitlePos.X, kTitlePos.Y, kTitle);
}

void TFormVerSch::Zugfestigkeit1Click()
{
    TimerZug.SetEnabled(true);
}

void TFormVerSch::Brucheinschnrung1Click()
{
    TimerBruchein.SetEnabled(true);
}

void TFormVerSch::Streckgrenze1Click()
{
    TimerStreck.SetEnabled(true);
}

void TFormVerSch::Bruchdehnung1Click()
{
    TimerBruchde.SetEnabled(true);
}

void TFormVerSch::TimerZugTimer()
{
    lineTick(versch::kZug, m_state.ZugPunkt, TimerZug);
}

void TFormVerSch::TimerBrucheinTimer()
{
    lineTick(versch::kBruchein, m_state.BrucheinPunkt, TimerBruchein);
}

void TFormVerSch::TimerStreckTimer()
{
    lineTick(versch::kStreck, m_state.StreckPunkt, TimerStreck);
}

void TFormVerSch::TimerBruchdeTimer()
{
    lineTick(versch::kBruchde, m_state.BruchdePunkt, TimerBruchde);
}

void TFormVerSch::lineTick(const versch::Line& line, TPoint& end, TTimer& timer)
{
    // Pen and brush first: the four lines share the canvas and may run at the same time. The
    // brush stays solid in the line's colour, the label's background.
    TCanvas& c = PaintBoxHaupt.Canvas();
    c.Pen.SetWidth(kLineWidth);
    c.Pen.SetColor(line.color);
    c.Brush.SetColor(line.color);
    if (!versch::grows(line, end)) {
        // A finished line's item only writes its label again.
        timer.SetEnabled(false);
        const TPoint at = versch::labelPos(m_state.geometry, line);
        textOut(c, at.X, at.Y, line.label);
        return;
    }
    const TPoint next = versch::nextPoint(line, end);
    c.MoveTo(end.X, end.Y);
    c.LineTo(next.X, next.Y);
    end = next;
}

void TFormVerSch::Neu1Click()
{
    // The chart is drawn again over the lines, without a repaint of the form.
    PaintBoxHauptPaint();
    PaintBoxTitelPaint();
    StopTimers();
    m_state.restartLines();
}

void TFormVerSch::FormClose()
{
    // Closing does not repaint; the next opening paints the chart afresh.
    StopTimers();
    m_state.restartLines();
}

} // namespace wb
