// The diagram field of the binary phase diagrams: colour bands and the model's curves projected into it.
#include "phase/PhaseField.h"

#include "framework/LessonForm.h"

#include <iterator>

namespace wb::phasefield {

namespace {

// clang-format off
constexpr TextAt kAchsen[] = {
    { 5, 3, "Temperatur/T" },
    { 210, 405, "Konzentration/C" },
    { 18, 372, "A" },
    { 475, 372, "B" },
    { 10, 390, "0 %B" },
    { 102, 390, " 20" },
    { 194, 390, " 40" },
    { 288, 390, " 60" },
    { 380, 390, " 80" },
    { 447, 390, "100 %B" },
};
// clang-format on
static_assert(std::size(kAchsen) == 10);

} // namespace

TColor bandColor(int y)
{
    if (y <= 70)
        return clYellow;
    if (y <= 325)
        return RGB(255, 325 - y, 0);
    return RGB(905 - 2 * y, 0, 0);
}

void drawBands(TCanvas& c)
{
    c.Pen.SetWidth(1);
    for (int y = kOben; y <= kUnten; ++y) {
        c.Pen.SetColor(bandColor(y));
        c.MoveTo(kLinks, y);
        c.LineTo(kRechts, y);
    }
}

void drawBranch(TCanvas& c, const Projection& p, const Branch& b)
{
    c.MoveTo(b.start.X, b.start.Y);
    for (int x = b.fromX; x <= b.toX; ++x)
        c.LineTo(x, p.curveY(*b.curve, x));
}

void drawGround(TCanvas& c, int breite, int hoehe, TColor fieldPen, int feldRechts)
{
    c.Brush.SetColor(kUmfeld);
    c.Pen.SetColor(clWhite);
    c.Rectangle(0, 0, breite, hoehe);
    c.Brush.SetColor(clWhite);
    c.Pen.SetColor(fieldPen);
    c.Rectangle(kLinks, kOben, feldRechts, kUnten);
    c.Brush.SetStyle(bsClear);
    // The outlines above take the pen style the last paint left (type 3 leaves it dotted); the
    // bands are solid.
    c.Pen.SetStyle(psSolid);
    drawBands(c);
}

void drawAxisTexts(TCanvas& c)
{
    drawAll(c, kAchsen);
}

void setUpMemo(TMemo& memo)
{
    memo.SetColor(kMemoColor);
    memo.SetReadOnly(true);
    memo.SetTabStop(false);
    memo.SetScrollBars(ssHorizontal);
}

void layoutDiagramPage(TForm& form, TPaintBox& diagram, TMemo& memo, std::span<const char* const> text)
{
    constexpr int breite = 500, hoehe = 450, links = 270, oben = 30;
    diagram.SetBounds(links, oben, breite, hoehe);
    TCanvas& c = form.Canvas();
    c.Pen.SetWidth(2);
    c.Pen.SetColor(clBlack);
    c.Font.SetHeight(10);
    c.Font.SetColor(clBlack);
    memo.SetBounds(links - 263, oben - 2, 263, hoehe + 2);
    memo.Lines.Clear();
    memo.Font.Assign(form.Font);
    memo.Font.SetHeight(18);
    memo.Lines.setTable(text);
}

} // namespace wb::phasefield
