// The drawing surface above ratio 1: every operation keeps its meaning in logical pixels and is
// drawn at the device's resolution. Each figure is drawn at ratio 1 and at the device ratio on
// small canvases, and the two pictures are compared block by block.
#include "framework/Canvas.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "tests/support/Harness.h"

#include <functional>

using namespace wb;

namespace {

constexpr TColor kGround = RGB(0x20, 0x40, 0x60);
constexpr TColor kPen = RGB(0xF0, 0x10, 0x10);
constexpr TColor kBrush = RGB(0x10, 0xC0, 0x30);
constexpr TColor kInk = RGB(0x00, 0x00, 0x80);

// A canvas of w × h logical pixels on an image of device pixels.
class DeviceCanvas : public CanvasTarget {
public:
    DeviceCanvas(int w, int h, qreal ratio)
        : image(deviceRect(QRect(0, 0, w, h), ratio).size(), QImage::Format_RGB32)
        , m_logical(0, 0, w, h)
        , m_ratio(ratio)
    {
        image.fill(toPixel(kGround));
    }
    TCanvas canvas { this };
    QImage image;
    QRect lastChanged;

    QImage* pixels() override { return &image; }
    QPoint origin() const override { return { 0, 0 }; }
    QRect clip() const override { return m_logical; }
    void changed(const QRect& r) override { lastChanged |= r; }
    qreal ratio() const override { return m_ratio; }

    TColor device(int x, int y) const { return fromPixel(image.pixel(x, y)); }
    // The device pixels of logical pixel (x, y).
    QRect block(int x, int y) const { return deviceRect(QRect(x, y, 1, 1), m_ratio); }
    // The one colour of a block, or -1 when it has several.
    TColor blockColor(int x, int y) const
    {
        const QRect b = block(x, y);
        const TColor c = device(b.left(), b.top());
        for (int py = b.top(); py <= b.bottom(); ++py)
            for (int px = b.left(); px <= b.right(); ++px)
                if (device(px, py) != c)
                    return -1;
        return c;
    }

private:
    QRect m_logical;
    qreal m_ratio;
};

void setUp(TCanvas& c)
{
    c.Pen.SetColor(kPen);
    c.Brush.SetColor(kBrush);
    c.Font.SetColor(kInk);
}

struct Figure {
    const char* name;
    std::function<void(TCanvas&)> draw;
};

// clang-format off
const Figure kFigures[] = {
    { "horizontal line", [](TCanvas& c) { c.MoveTo(2, 5); c.LineTo(20, 5); } },
    { "vertical line upwards", [](TCanvas& c) { c.MoveTo(7, 18); c.LineTo(7, 2); } },
    { "shallow line", [](TCanvas& c) { c.MoveTo(1, 3); c.LineTo(22, 11); } },
    { "steep line to the left", [](TCanvas& c) { c.MoveTo(18, 1); c.LineTo(12, 19); } },
    { "diagonal", [](TCanvas& c) { c.MoveTo(2, 2); c.LineTo(17, 17); } },
    { "dashed line, solid brush in the gaps", [](TCanvas& c) { c.Pen.SetStyle(psDash); c.MoveTo(0, 8); c.LineTo(23, 12); } },
    { "dotted line, clear brush", [](TCanvas& c) { c.Pen.SetStyle(psDot); c.Brush.SetStyle(bsClear); c.MoveTo(3, 2); c.LineTo(20, 17); } },
    { "pen 2", [](TCanvas& c) { c.Pen.SetWidth(2); c.MoveTo(3, 4); c.LineTo(19, 14); } },
    { "pen 3", [](TCanvas& c) { c.Pen.SetWidth(3); c.MoveTo(3, 15); c.LineTo(20, 6); } },
    { "pen 5 dot", [](TCanvas& c) { c.Pen.SetWidth(5); c.MoveTo(10, 10); c.LineTo(10, 10); } },
    { "polyline", [](TCanvas& c) { c.MoveTo(2, 2); c.LineTo(20, 4); c.LineTo(6, 17); c.LineTo(2, 2); } },
    { "rectangle", [](TCanvas& c) { c.Rectangle(3, 2, 19, 14); } },
    { "rectangle, pen 3", [](TCanvas& c) { c.Pen.SetWidth(3); c.Rectangle(4, 4, 18, 16); } },
    { "rectangle, dashed outline", [](TCanvas& c) { c.Pen.SetStyle(psDot); c.Rectangle(2, 3, 21, 17); } },
    { "ellipse", [](TCanvas& c) { c.Ellipse(2, 3, 21, 16); } },
    { "circle, pen 3, clear brush", [](TCanvas& c) { c.Pen.SetWidth(3); c.Brush.SetStyle(bsClear); c.Ellipse(3, 3, 19, 19); } },
    { "polygon", [](TCanvas& c) { c.Polygon({ Point(2, 18), Point(12, 1), Point(22, 18) }); } },
    { "self-crossing polygon, pen 2", [](TCanvas& c) { c.Pen.SetWidth(2); c.Polygon({ Point(2, 2), Point(20, 17), Point(20, 2), Point(2, 17) }); } },
    { "fill", [](TCanvas& c) { c.fillRect(QRect(5, 6, 9, 7), kBrush); } },
};
// clang-format on

constexpr qreal kRatios[] = { 2.0, 1.5, 3.0 };
constexpr int kW = 24, kH = 20;

// The picture at ratio 1, with the same settings.
QImage atRatio1(const Figure& f)
{
    DeviceCanvas one(kW, kH, 1.0);
    setUp(one.canvas);
    f.draw(one.canvas);
    return one.image;
}

TColor at(const QImage& image, int x, int y)
{
    return fromPixel(image.pixel(x, y));
}

// Whether the ratio-1 picture has one colour on a pixel and its eight neighbours (all inside the
// canvas): inside a fill or a wide pen, or away from the figure.
bool plainAround(const QImage& one, int x, int y)
{
    if (x < 1 || y < 1 || x >= kW - 1 || y >= kH - 1)
        return false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (at(one, x + dx, y + dy) != at(one, x, y))
                return false;
    return true;
}

} // namespace

TEST(DeviceRatio, BlocksAFigureCoversWhollyHaveTheirRatio1Colour)
{
    // At whole ratios every logical pixel owns a square block. Where the ratio-1 picture is one
    // colour all around a pixel, its block has that colour: the inside of fills and wide pens,
    // and the ground away from the figure (nothing stray). A block the figure covers wholly
    // with its pen or brush belongs to a pixel the figure covers at ratio 1.
    for (const qreal ratio : { 2.0, 3.0 }) {
        int wholeBlocks = 0;
        for (const Figure& f : kFigures) {
            const QImage one = atRatio1(f);
            DeviceCanvas dev(kW, kH, ratio);
            setUp(dev.canvas);
            f.draw(dev.canvas);
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    const TColor block = dev.blockColor(x, y);
                    if (plainAround(one, x, y)) {
                        EXPECT_EQ(block, at(one, x, y))
                            << f.name << " at ratio " << ratio << ", (" << x << ", " << y << ")";
                    }
                    if (block == kPen || block == kBrush) {
                        ++wholeBlocks;
                        EXPECT_NE(at(one, x, y), kGround)
                            << f.name << " at ratio " << ratio << ", (" << x << ", " << y << ")";
                    }
                }
            }
        }
        EXPECT_GT(wholeBlocks, 500) << "ratio " << ratio;
    }
}

TEST(DeviceRatio, EveryPixelAFigureDrawsAtRatio1IsDrawnAtTheDeviceRatio)
{
    // Nothing of a figure gets lost and nothing lands far from it: at whole ratios each pixel
    // the figure draws at ratio 1 has drawn device pixels in its block; at any ratio every drawn
    // device pixel lies in or next to a pixel drawn at ratio 1, and the changed rectangle names
    // every block that was drawn in.
    for (const qreal ratio : kRatios) {
        const bool whole = ratio == int(ratio);
        for (const Figure& f : kFigures) {
            const QImage one = atRatio1(f);
            DeviceCanvas dev(kW, kH, ratio);
            setUp(dev.canvas);
            f.draw(dev.canvas);
            auto drawnAt1
                = [&](int x, int y) { return x >= 0 && y >= 0 && x < kW && y < kH && at(one, x, y) != kGround; };
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    const QRect b = dev.block(x, y);
                    bool touched = false;
                    for (int py = b.top(); py <= b.bottom(); ++py)
                        for (int px = b.left(); px <= b.right(); ++px)
                            touched = touched || dev.device(px, py) != kGround;
                    if (whole && drawnAt1(x, y)) {
                        EXPECT_TRUE(touched) << f.name << " at ratio " << ratio << ", (" << x << ", " << y << ")";
                    }
                    if (!touched)
                        continue;
                    bool near = false;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            near = near || drawnAt1(x + dx, y + dy);
                    EXPECT_TRUE(near) << f.name << " at ratio " << ratio << ", (" << x << ", " << y << ")";
                    EXPECT_TRUE(dev.lastChanged.contains(x, y)) << f.name << " at ratio " << ratio;
                }
            }
        }
    }
}

TEST(DeviceRatio, NotXorDrawnTwiceRestoresEveryDevicePixel)
{
    for (const qreal ratio : kRatios) {
        for (const Figure& f : kFigures) {
            DeviceCanvas dev(kW, kH, ratio);
            for (int y = 0; y < dev.image.height(); ++y)
                for (int x = 0; x < dev.image.width(); ++x)
                    dev.image.setPixel(x, y, toPixel(RGB(x * 13 % 256, y * 29 % 256, (x * y * 7 + 40) % 256)));
            const QImage before = dev.image.copy();
            setUp(dev.canvas);
            dev.canvas.Pen.SetMode(pmNotXor);
            if (std::string(f.name) == "fill")
                continue; // a framework fill is a repaint's, always a copy
            f.draw(dev.canvas);
            EXPECT_NE(dev.image, before) << f.name << " at ratio " << ratio << " drew nothing";
            f.draw(dev.canvas);
            EXPECT_EQ(dev.image, before) << f.name << " at ratio " << ratio;
        }
    }
}

TEST(DeviceRatio, ThinLinesAreOneLogicalPixelThickAndSmootherThanDoubledPixels)
{
    // A shallow line at ratio 2: every device column it spans has exactly two pen pixels (one
    // logical pixel of thickness), and the picture is not the ratio-1 one with its pixels
    // doubled: somewhere a block is only partly the pen.
    DeviceCanvas dev(kW, kH, 2.0);
    setUp(dev.canvas);
    dev.canvas.MoveTo(1, 3);
    dev.canvas.LineTo(22, 11);
    int partial = 0;
    for (int x = 2; x < 44; ++x) {
        int pen = 0;
        for (int y = 0; y < dev.image.height(); ++y)
            pen += dev.device(x, y) == kPen;
        EXPECT_EQ(pen, 2) << "device column " << x;
    }
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            partial += dev.blockColor(x, y) == -1;
    EXPECT_GT(partial, 0);
    // The end point stays excluded: the block of (22, 11) is untouched, and the position moved.
    EXPECT_EQ(dev.blockColor(22, 11), kGround);
    EXPECT_EQ(dev.canvas.PenPos(), Point(22, 11));
}

TEST(DeviceRatio, TextCellsAreFilledAndTheGlyphsDrawnAtTheDeviceResolution)
{
    for (const qreal ratio : kRatios) {
        DeviceCanvas one(80, 20, 1.0);
        DeviceCanvas dev(80, 20, ratio);
        for (DeviceCanvas* c : { &one, &dev }) {
            setUp(c->canvas);
            c->canvas.Font.SetHeight(-11);
            c->canvas.TextOut(3, 2, QStringLiteral("Härte"));
        }
        const int w = one.canvas.TextWidth(QStringLiteral("Härte"));
        const int h = one.canvas.TextHeight(QStringLiteral("Härte"));
        EXPECT_EQ(dev.canvas.PenPos(), Point(3 + w, 2)) << "the position moves by the logical width";
        int ink = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 80; ++x) {
                const QRect b = dev.block(x, y);
                const bool inCell = QRect(3, 2, w, h).contains(x, y);
                for (int py = b.top(); py <= b.bottom(); ++py)
                    for (int px = b.left(); px <= b.right(); ++px) {
                        const TColor c = dev.device(px, py);
                        if (inCell)
                            EXPECT_TRUE(c == kBrush || c == kInk)
                                << "ratio " << ratio << " (" << px << ", " << py << ")";
                        else
                            EXPECT_EQ(c, kGround) << "ratio " << ratio << " (" << px << ", " << py << ")";
                        ink += c == kInk;
                    }
            }
        }
        // The letters are drawn larger, not just doubled: about ratio² as many ink pixels.
        int inkOne = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 80; ++x)
                inkOne += at(one.image, x, y) == kInk;
        EXPECT_GT(ink, inkOne * ratio * ratio * 0.6) << "ratio " << ratio;
        EXPECT_LT(ink, inkOne * ratio * ratio * 1.6) << "ratio " << ratio;
    }
}

TEST(DeviceRatio, PicturesAreScaledOntoTheirBlocks)
{
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(toPixel(kBrush));
    for (int x = 3; x < 6; ++x)
        for (int y = 0; y < 4; ++y)
            picture.setPixel(x, y, toPixel(kPen));
    QImage mask(6, 4, QImage::Format_Grayscale8);
    mask.fill(255);
    mask.setPixel(0, 0, 0);
    DeviceCanvas dev(10, 8, 2.0);
    dev.canvas.CopyPicture(2, 3, picture, &mask);
    EXPECT_EQ(dev.blockColor(2, 3), kGround) << "masked";
    EXPECT_EQ(dev.blockColor(3, 3), kBrush);
    EXPECT_EQ(dev.blockColor(7, 6), kPen);
    EXPECT_EQ(dev.blockColor(8, 6), kGround) << "beside the picture";
    EXPECT_EQ(dev.blockColor(5, 7), kGround) << "below the picture";
}

// Scaled pictures are kept for the next draw; a picture changed in between (a frame drawn
// anew into the same image) shows its new pixels, and so does a changed mask.
TEST(DeviceRatio, APictureChangedBetweenTwoDrawsShowsItsNewPixels)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(toPixel(kBrush));
    QImage mask(4, 4, QImage::Format_Grayscale8);
    mask.fill(255);
    DeviceCanvas dev(8, 8, 2.0);
    dev.canvas.CopyPicture(1, 1, picture, &mask);
    ASSERT_EQ(dev.blockColor(2, 2), kBrush);

    picture.fill(toPixel(kPen)); // drawn anew in place: the same image, other pixels
    dev.canvas.CopyPicture(1, 1, picture, &mask);
    EXPECT_EQ(dev.blockColor(2, 2), kPen) << "the changed picture";

    mask.setPixel(0, 0, 0);
    dev.canvas.fillRect(QRect(0, 0, 8, 8), kGround);
    dev.canvas.CopyPicture(1, 1, picture, &mask);
    EXPECT_EQ(dev.blockColor(1, 1), kGround) << "the changed mask";
    EXPECT_EQ(dev.blockColor(2, 2), kPen);
}

// A picture drawn at the device ratio (a micrograph, a diagram kept for the pointer's overlay)
// lands on the blocks of its logical rectangle pixel for pixel: single device pixels in two
// colours by their own column and row, which any scaling would blur, arrive unchanged; the part
// beyond the canvas's right edge is left out, and only what was written is reported changed.
TEST(DeviceRatio, APictureAtTheDeviceRatioIsCopiedPixelForPixel)
{
    for (const qreal ratio : { 1.0, 2.0 }) {
        SCOPED_TRACE(ratio);
        const QRect logical(3, 2, 6, 4); // reaches one column past the 8-pixel-wide canvas
        const QRect onImage = deviceRect(logical, ratio);
        QImage picture(onImage.size(), QImage::Format_RGB32);
        auto colourAt = [](int x, int y) { return (x * 3 + y) % 4 == 0 ? kPen : kBrush; };
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, toPixel(colourAt(x, y)));
        DeviceCanvas dev(8, 7, ratio);
        dev.canvas.copyDevicePicture(logical.x(), logical.y(), logical.size(), picture);
        for (int y = 0; y < dev.image.height(); ++y) {
            for (int x = 0; x < dev.image.width(); ++x) {
                const TColor want = onImage.contains(x, y) ? colourAt(x - onImage.left(), y - onImage.top()) : kGround;
                ASSERT_EQ(dev.device(x, y), want) << "device pixel " << x << ", " << y;
            }
        }
        EXPECT_EQ(dev.lastChanged, QRect(3, 2, 5, 4));
    }
}

TEST(DeviceRatio, AFormAtRatio2KeepsItsLogicalSizeAndReadsLogicalPixels)
{
    wbtest::resetApplication();
    TForm form(QStringLiteral("Ratio"));
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 40, 30);
    form.SetColor(clYellow);
    TPaintBox box(&form, QStringLiteral("Box"));
    box.SetBounds(10, 5, 20, 20);
    box.OnPaint = [&] {
        box.Canvas().Pen.SetColor(clBlue);
        box.Canvas().MoveTo(0, 3);
        box.Canvas().LineTo(20, 3);
    };
    FormAccess::setRatio(form, 2.0);
    form.Show();
    form.Refresh();
    const QImage& s = FormAccess::surface(form);
    EXPECT_EQ(s.size(), QSize(80, 60));
    EXPECT_EQ(form.ClientWidth(), 40);
    EXPECT_EQ(form.Canvas().Pixel(12, 8), clBlue) << "paint box (2, 3)";
    EXPECT_EQ(form.Canvas().Pixel(12, 9), clYellow);
    // The line's blocks: device rows 16 and 17 from device column 20 to 59.
    for (int x = 0; x < 80; ++x)
        for (int y = 14; y < 20; ++y)
            EXPECT_EQ(fromPixel(s.pixel(x, y)), x >= 20 && x < 60 && (y == 16 || y == 17) ? clBlue : clYellow)
                << x << ", " << y;
    form.Hide();
}
