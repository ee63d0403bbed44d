// End-quench hardness curves of C 45 specimens tempered at temperatures from 20 °C to 650 °C.
#include "heattreat/UnitVerHart.h"

#include "framework/Figures.h"

#include <iterator>
#include <span>

namespace wb {

TFormVerHart* FormVerHart = nullptr;

namespace {

constexpr TColor kDunkel = RGB(0x01, 0x00, 0x00); // frame, grid
constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00); // the panel and the title

// clang-format off
// The steel's curves, hottest tempering first: each in its colour, its label (white on the curve's
// colour) at x = Round(left − 7 + labelColumns · column), y = bottom − labelRise. A curve that runs
// on in the common tail is drawn on along it.
struct Kurve {
    TColor color;
    const char* label;
    double labelColumns;
    int labelRise;
};
constexpr Kurve kKurven[] = {
    { RGB(0xFF, 0, 0), " 650°C ",  0.1, 140 },
    { RGB(0xCD, 0, 0), " 600°C ",  0.1, 175 },
    { RGB(0xA0, 0, 0), " 500°C ",  0.1, 210 },
    { RGB(0x78, 0, 0), " 400°C ",  0.1, 310 },
    { RGB(0x5A, 0, 0), " 300°C ",  0,   330 },
    { RGB(0x32, 0, 0), " 200°C ", -0.3, 370 },
    { RGB(0x14, 0, 0), " 20°C ",  -0.2, 393 },
};
static_assert(std::size(kKurven) == 7);

// The HRC scale from 60 at the top row down to 10.
constexpr const char* kHRC[] = { "60", "50", "40", "30", "20", "10" };
// The HV scale: each value at f rows above the bottom.
struct HVMarke {
    const char* text;
    double rows;
};
constexpr HVMarke kHV[] = {
    { "700", 6.02 }, { "600", 5.5 }, { "500", 4.8 }, { "400", 4.2 }, { "300", 3 }, { "200", 1.5 }, { "150", 0.3 },
};
// Distance from the quenched face, one per column line.
constexpr const char* kAbstand[] = { " 0", "10", "20", "30", "40", "50", "60", "70", "80" };

constexpr TextAt kTitel[] = {
    { 50, 2, "Härte in Abhängigkeit vom Abstand der abgeschreckten Stirnfläche bei" },
    { 50, 30, "unterschiedlichen Anlasstemperaturen (Austenitisierungstemperatur 880°C)" },
};
// clang-format on

} // namespace

namespace verhart {

Chart chartFor(int width, int height)
{
    Chart c;
    c.right = width - 50;
    c.bottom = height - 50;
    // Integer division truncates toward zero.
    c.row = (c.bottom - c.top) / 6;
    c.column = (c.right - c.left) / 8;
    return c;
}

TPoint curvePoint(const Chart& chart, double d, int h)
{
    return { Round(chart.left - 7 + chart.column * d / 10), chart.bottom - h };
}

int curveHeight(double hrc)
{
    return Round(hrc * kPixelsPerHRC);
}

TPoint curvePoint(const Chart& chart, const model::DistanceHardness& p)
{
    return curvePoint(chart, p.mm, curveHeight(p.hrc));
}

} // namespace verhart

TFormVerHart::TFormVerHart()
    : TLessonForm(QStringLiteral("FormVerHart"),
        { .caption = QStringLiteral(
              "Härtekurve angelassener Stirnabschreckproben eines C 45 (Austenitisierungstemperatur 880°C) "),
            .color = kChartColor,
            .border = bsSizeToolWin,
            .statusHeight = 19,
            .statusFontHeight = -11,
            .statusName = QStringLiteral("StatusBar1"),
            .statusBold = false,
            .statusColor = clBtnFace })
{
    PaintBoxHaupt.SetAlign(alClient);
}

void TFormVerHart::FormCreate()
{
    // The lesson base has set the outer size and centred the form just before. The title is
    // drawn once into the image's own picture; the chart's repaints leave it alone.
    ImageTitel.SetBounds(35, 4, 735, 60);
    TCanvas& c = ImageTitel.Canvas();
    c.Brush.SetColor(kGold);
    c.Rectangle(0, 0, 735, 60);
    c.Font.SetHeight(24);
    c.Font.SetColor(clBlack);
    drawAll(c, kTitel);
}

void TFormVerHart::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    const verhart::Chart g = verhart::chartFor(PaintBoxHaupt.Width(), PaintBoxHaupt.Height());

    // Background: red darkening downwards in 3-pixel stripes.
    c.Pen.SetWidth(3);
    for (int i = 0; i <= 200; ++i) {
        c.Pen.SetColor(RGB(255 - i, 0, 0));
        draw(c, Segment { { 1, 3 * i }, { 800, 3 * i } });
    }

    c.Pen.SetStyle(psSolid);
    c.Pen.SetColor(kDunkel);
    c.Pen.SetWidth(2);
    c.Brush.SetColor(kGold);
    draw(c, Box { g.left, g.top, g.right, g.bottom });

    c.Brush.SetStyle(bsClear);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psDot);
    for (int k = 1; k <= 5; ++k)
        draw(c, Segment { { g.left, g.bottom - k * g.row }, { g.right, g.bottom - k * g.row } });
    for (int k = 0; k <= 7; ++k)
        draw(c, Segment { { g.left + k * g.column, g.top }, { g.left + k * g.column, g.bottom } });

    c.Font.SetColor(clWhite);
    c.Font.SetHeight(18);
    const int titelY = g.bottom - 6 * g.row - 22;
    c.TextOut(10, titelY, QStringLiteral("Härte / HRC"));
    for (int k = 6; k >= 1; --k)
        c.TextOut(10, g.bottom - k * g.row - 6, QString::fromUtf8(kHRC[6 - k]));
    c.TextOut(704, titelY, QStringLiteral("Härte / HV"));
    for (const HVMarke& m : kHV)
        c.TextOut(Round(8.1 * g.column + g.left), Round(g.bottom - 6 - m.rows * g.row), QString::fromUtf8(m.text));
    c.TextOut(
        g.left + 4 * g.column - 140, g.bottom + 22, QStringLiteral("Abstand von der abgeschreckten Stirnfläche / mm"));
    for (int k = 0; k < int(std::size(kAbstand)); ++k)
        c.TextOut(g.left - 7 + k * g.column, g.bottom + 5, QString::fromUtf8(kAbstand[k]));

    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(3);
    const model::EndQuenchChart& chart = model::c45EndQuench();
    Q_ASSERT(chart.curves.size() == std::size(kKurven));
    for (size_t i = 0; i < std::size(kKurven); ++i) {
        const Kurve& k = kKurven[i];
        const model::EndQuenchCurve& curve = chart.curves[i];
        c.Pen.SetColor(k.color);
        c.Brush.SetColor(k.color);
        c.TextOut(Round(g.left - 7 + k.labelColumns * g.column), g.bottom - k.labelRise, QString::fromUtf8(k.label));
        const TPoint start = verhart::curvePoint(g, curve.points.front());
        c.MoveTo(start.X, start.Y);
        for (const model::DistanceHardness& p : curve.points.subspan(1)) {
            const TPoint to = verhart::curvePoint(g, p);
            c.LineTo(to.X, to.Y);
        }
        if (curve.then == model::EndQuenchCurve::Then::CommonTail) {
            for (const model::DistanceHardness& p : chart.commonTail) {
                const TPoint to = verhart::curvePoint(g, p);
                c.LineTo(to.X, to.Y);
            }
        }
    }
}

} // namespace wb
