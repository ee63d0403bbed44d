// A window's client area as the user sees it: the surface exactly as drawn, the windowed
// controls above it, and at another ratio the surface's pixels on that ratio's blocks.
#include "framework/Snapshot.h"

#include "framework/Controls.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "tests/support/Harness.h"

using namespace wb;

namespace {

class FormPicture : public TForm {
public:
    FormPicture()
        : TForm(QStringLiteral("FormPicture"))
    {
        SetBorderStyle(bsNone);
        SetBounds(0, 0, 60, 40);
        SetColor(clYellow);
        PaintBoxBild.SetBounds(0, 0, 60, 40);
        PanelFeld.SetBounds(40, 20, 15, 10);
        PanelFeld.SetColor(clBlue);
        PanelFeld.SetBevelOuter(bvNone);
    }
    TPaintBox PaintBoxBild { this, QStringLiteral("PaintBoxBild"), &FormPicture::PaintBoxBildPaint };
    TPanel PanelFeld { this, QStringLiteral("PanelFeld") };

private:
    void PaintBoxBildPaint()
    {
        TCanvas& c = PaintBoxBild.Canvas();
        c.Pen.SetColor(clRed);
        c.MoveTo(2, 3);
        c.LineTo(30, 17);
        c.Brush.SetColor(clGreen);
        c.Rectangle(5, 20, 12, 33);
    }
};

} // namespace

TEST(Snapshot, TheClientAreaIsTheSurfaceWithTheWindowedControlsAboveIt)
{
    wbtest::resetApplication();
    for (const qreal own : { 1.0, 2.0 }) {
        SCOPED_TRACE(own);
        FormPicture form;
        FormAccess::setRatio(form, own);
        form.Show();
        form.Refresh();
        const QImage& surface = FormAccess::surface(form);
        const QImage shot = renderClientArea(form);
        ASSERT_EQ(shot.size(), surface.size());
        const QRect panel = deviceRect(QRect(40, 20, 15, 10), own);
        int red = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                if (panel.contains(x, y)) {
                    EXPECT_EQ(fromPixel(shot.pixel(x, y)), clBlue) << x << ", " << y;
                } else {
                    EXPECT_EQ(shot.pixel(x, y), surface.pixel(x, y)) << x << ", " << y;
                    red += fromPixel(shot.pixel(x, y)) == clRed;
                }
            }
        EXPECT_GT(red, 20) << "the line is in the picture";
        form.Hide();
    }
}

TEST(Snapshot, AtAnotherRatioEveryLogicalPixelFillsItsBlock)
{
    wbtest::resetApplication();
    FormPicture form;
    form.Show();
    form.Refresh();
    const QImage one = renderClientArea(form);
    for (const qreal ratio : { 2.0, 1.5, 3.0 }) {
        SCOPED_TRACE(ratio);
        const QImage shot = renderClientArea(form, ratio);
        ASSERT_EQ(shot.size(), deviceRect(QRect(0, 0, 60, 40), ratio).size());
        // The panel is drawn as a vector at the ratio: its edges need not follow the blocks.
        const QRect panel(39, 19, 17, 12);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) {
                if (panel.contains(x, y))
                    continue;
                const QRect block = deviceRect(QRect(x, y, 1, 1), ratio);
                for (int py = block.top(); py <= block.bottom(); ++py)
                    for (int px = block.left(); px <= block.right(); ++px)
                        ASSERT_EQ(shot.pixel(px, py), one.pixel(x, y)) << x << ", " << y << " at " << px << ", " << py;
            }
    }
    form.Hide();
}
