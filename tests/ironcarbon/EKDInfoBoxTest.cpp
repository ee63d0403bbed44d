// The boxes the iron–carbon lessons open over their diagram: the text box on the two systems and
// the austenite, ferrite and pearlite boxes with their unit cells and schematic micrographs.
#include "framework/ImageList.h"
#include "ironcarbon/UnitEKDGESAMT.h"
#include "ironcarbon/UnitEKDmestabil.h"
#include "tests/support/Harness.h"

using namespace wb;
using wbtest::PixelCanvas;

namespace {

constexpr TColor kGelb = RGB(0xFF, 0xFF, 0x00);
constexpr TColor kRot = RGB(0xFF, 0x00, 0x00);
constexpr TColor kBlau = RGB(0x00, 0x00, 0xFF);
constexpr TColor kWeiss = RGB(0xFF, 0xFF, 0xFF);
constexpr TColor kSchwarz = RGB(0x00, 0x00, 0x00);

// Stand-ins for the three schematic micrographs, one flat colour each, so that the box shows
// which frame it drew.
constexpr TColor kBildFarben[] = { RGB(0x00, 0xC0, 0xC0), RGB(0xC0, 0x00, 0xC0), RGB(0x60, 0x60, 0x60) };

class InfoBox : public ::testing::Test {
protected:
    InfoBox()
    {
        QImage strip(3 * 140, 140, QImage::Format_ARGB32);
        for (int i = 0; i < 3; ++i)
            for (int y = 0; y < 140; ++y)
                for (int x = 0; x < 140; ++x)
                    strip.setPixel(140 * i + x, y, toPixel(kBildFarben[i]));
        bilder.SetStrip(strip);
    }

    int count(int x1, int y1, int x2, int y2, TColor colour) const
    {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                n += box.at(x, y) == colour;
        return n;
    }

    TImageList bilder { nullptr, QStringLiteral("ImageList1"), 140, 140 };
    PixelCanvas box { 600, 300, clBlack };
};

} // namespace

TEST_F(InfoBox, AustenitFaceCentredCellWithItsPicture)
{
    ekdmestabil::paintAustenit(box.canvas, bilder);
    EXPECT_EQ(box.at(0, 0), kSchwarz); // the outline in the pen a first paint finds
    EXPECT_EQ(box.at(50, 50), kGelb);
    EXPECT_EQ(box.at(450, 130), kBildFarben[0]); // frame 0 at (380, 60)
    EXPECT_EQ(box.at(150, 120), kGelb); // the front face, filled with the background
    EXPECT_EQ(box.at(120, 120), kRot); // on a diagonal of the front face
    EXPECT_EQ(box.at(150, 150), RGB(0x80, 0x00, 0x00)); // the front face's centre atom
    EXPECT_EQ(box.at(100, 100), RGB(0x80, 0x00, 0x00)); // a corner atom
    EXPECT_EQ(box.at(240, 130), kRot); // the seen back edge, solid
    // The hidden back edge x = 140 between its atoms: dots of red with white gaps.
    EXPECT_GT(count(140, 95, 140, 125, kRot), 5);
    EXPECT_GT(count(140, 95, 140, 125, kWeiss), 5);
    // The lattice constant under the front face, black with filled arrowheads.
    EXPECT_EQ(box.at(150, 225), kSchwarz);
    EXPECT_EQ(box.at(103, 225), kSchwarz);
    EXPECT_EQ(box.at(300, 150), kSchwarz); // the separator
    // The texts in blue on the left and right of it.
    EXPECT_GT(count(80, 10, 299, 28, kBlau), 50);
    EXPECT_GT(count(330, 262, 599, 280, kBlau), 50);
}

TEST_F(InfoBox, FerritBodyCentredCellWithoutFaceDiagonals)
{
    const TColor gruen = RGB(0x1D, 0xE2, 0x00);
    ekdmestabil::paintFerrit(box.canvas, bilder);
    EXPECT_EQ(box.at(50, 50), gruen);
    EXPECT_EQ(box.at(450, 130), kBildFarben[1]);
    EXPECT_EQ(box.at(120, 120), gruen); // no diagonal on the front face
    EXPECT_EQ(box.at(150, 150), gruen); // and no atom in its centre
    EXPECT_EQ(box.at(170, 140), RGB(0x80, 0x80, 0x80)); // the atom in the body's centre
    EXPECT_EQ(box.at(100, 100), RGB(0x80, 0x80, 0x80));
    // A body diagonal, (100, 100) to (240, 180), dotted through the face: at x = 135 it passes
    // y = 120.
    EXPECT_GT(count(134, 119, 136, 121, kRot) + count(134, 119, 136, 121, kWeiss), 0);
    EXPECT_GT(count(330, 262, 599, 280, kBlau), 50);
}

TEST_F(InfoBox, PerlitTextAndPicture)
{
    ekdmestabil::paintPerlit(box.canvas, bilder);
    EXPECT_EQ(box.at(50, 290), RGB(0xFE, 0xB2, 0x00));
    EXPECT_EQ(box.at(450, 130), kBildFarben[2]);
    EXPECT_EQ(box.at(250, 150), kSchwarz); // the separator
    EXPECT_GT(count(10, 15, 240, 33, kSchwarz), 50);
    EXPECT_GT(count(260, 15, 599, 33, kSchwarz), 50);
}

TEST(TextBox, PinkWithBlackOutlineAndColouredLines)
{
    PixelCanvas pc(520, 200, clBlack);
    pc.canvas.Font.SetHeight(-13);
    ekdgesamt::paintTextBox(pc.canvas);
    const TColor rosa = RGB(0xFF, 0xBF, 0xBF);
    for (const QPoint corner : { QPoint(0, 0), QPoint(519, 0), QPoint(0, 199), QPoint(519, 199) })
        EXPECT_EQ(pc.at(corner.x(), corner.y()), kSchwarz) << corner.x() << ", " << corner.y();
    EXPECT_EQ(pc.at(260, 195), rosa);
    auto count = [&pc](int x1, int y1, int x2, int y2, TColor colour) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                n += pc.at(x, y) == colour;
        return n;
    };
    EXPECT_GT(count(10, 10, 300, 25, kBlau), 50); // "metastabiles …"
    EXPECT_GT(count(205, 30, 480, 45, kRot), 50); // "+ stabiles …"
    EXPECT_GT(count(10, 50, 500, 65, kSchwarz), 50);
    EXPECT_GT(count(10, 170, 200, 185, kBlau), 50); // "  dem metastabilen System."
    // The texts stand on the pink brush: no other colour in their rows.
    EXPECT_EQ(count(1, 10, 518, 185, kWeiss), 0);
}
