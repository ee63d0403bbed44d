// The microstructure series: which press opens which micrograph, where the hand shows, where the
// cascade puts the nine windows and the row of grey squares.
#include "ironcarbon/UnitEKDBilder.h"
#include "tests/support/Harness.h"

using namespace wb;
using namespace wb::ekdbilder;
using wbtest::PixelCanvas;

TEST(EKDBilderClicks, PressesInsideOutsideAndOnBorders)
{
    struct Case {
        int x, y;
        int bild;
        bool hand;
        const char* why;
    };
    const Case cases[] = {
        { 30, 420, 0, true, "inside the ferrite frame" },
        { 15, 420, kKeinBild, false, "on the ferrite frame's left border" },
        { 49, 429, 0, true, "the frame's last inner pixel" },
        { 50, 420, kKeinBild, false, "on its right border" },
        { 30, 415, kKeinBild, false, "on its top border" },
        { 30, 416, 0, true, "the first row below it" },
        { 55, 486, 1, true, "square 1 (0.1 % C)" },
        { 125, 486, 8, true, "square 8 (0.8 % C)" },
        { 61, 481, 2, true, "square 2, first inner pixel" },
        { 60, 486, kKeinBild, true, "between squares 1 and 2: a hand, but nothing opens" },
        { 70, 486, kKeinBild, true, "between squares 2 and 3" },
        { 50, 486, kKeinBild, false, "the row's left border" },
        { 130, 486, kKeinBild, false, "the row's right border" },
        { 55, 480, kKeinBild, false, "the squares' top border" },
        { 55, 493, kKeinBild, false, "the squares' bottom border" },
        { 200, 300, kKeinBild, false, "elsewhere in the diagram" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(bildAn(c.x, c.y), c.bild);
        EXPECT_EQ(handAn(c.x, c.y), c.hand);
    }
}

TEST(EKDBilderCascade, FromTheScreenCentre)
{
    // 1024 × 768: centre (512, 384), the ferrite window at (152, 144), each next 40 right, 20 down.
    EXPECT_EQ(kaskade({ 512, 384 }, 0), QPoint(152, 144));
    EXPECT_EQ(kaskade({ 512, 384 }, 1), QPoint(192, 164));
    EXPECT_EQ(kaskade({ 512, 384 }, 8), QPoint(472, 304));
    // 800 × 600: centre (400, 300), from (40, 60) to (360, 220).
    EXPECT_EQ(kaskade({ 400, 300 }, 0), QPoint(40, 60));
    EXPECT_EQ(kaskade({ 400, 300 }, 8), QPoint(360, 220));
}

TEST(EKDBilderSquares, GreyerWithMoreCarbonInBlackOutlines)
{
    PixelCanvas pc(140, 500, clBlue);
    paintQuadrate(pc.canvas);
    EXPECT_EQ(pc.at(55, 486), RGB(0xFF, 0xFF, 0xFF)); // 0.1 % C
    EXPECT_EQ(pc.at(65, 486), RGB(0xE9, 0xE9, 0xE9));
    EXPECT_EQ(pc.at(105, 486), RGB(0xA4, 0xA4, 0xA4));
    EXPECT_EQ(pc.at(125, 486), RGB(0x94, 0x94, 0x94)); // 0.8 % C, as grey as 0.7 %
    // Rectangle(50 + 10i, 480, 60 + 10i, 493) covers x 50 + 10i … 59 + 10i: two outlines meet
    // at x = 59 and 60.
    EXPECT_EQ(pc.at(59, 486), clBlack);
    EXPECT_EQ(pc.at(60, 486), clBlack);
    EXPECT_EQ(pc.at(55, 480), clBlack);
    EXPECT_EQ(pc.at(55, 492), clBlack);
    EXPECT_EQ(pc.at(55, 493), clBlue); // below the row
    EXPECT_EQ(pc.at(130, 486), clBlue); // right of the last square
}
