// The program-wide zoom: the step that fits the screen, the steps up and down, and windows kept
// with their title bars on the screen.
#include "framework/Zoom.h"

#include "framework/Forms.h"

#include <gtest/gtest.h>

using namespace wb;

namespace {

// A screen-filling form laid out for 800 × 600, and an 800 × 600 tool window (4-pixel border,
// 18-pixel caption), as the program starts them.
const zoom::Window kProgramWindows[] = {
    { QSize(800, 600), QSize(0, 0) },
    { QSize(792, 574), QSize(8, 26) },
};

} // namespace

TEST(Zoom, TheDefaultIsTheLargestStepAtWhichEveryWindowFits)
{
    struct Case {
        QSize available;
        double step;
        const char* why;
    };
    const Case cases[] = {
        { QSize(1024, 768), 1.25, "800 x 600 x 1.25 = 1000 x 750, and the lesson 998 x 743.5 with its frame" },
        { QSize(1024, 728), 1.0, "a panel takes 40 rows: 750 no longer fits" },
        { QSize(800, 600), 1.0, "exactly the forms' own screen" },
        { QSize(640, 480), 1.0, "nothing fits: the first step" },
        { QSize(1920, 1050), 1.5, "2 would need 1200 rows, 1.5 needs 900" },
        { QSize(2560, 1410), 2.0, "2.5 would need 1500 rows, 2 needs 1200" },
        { QSize(3840, 2110), 3.0, "4 would need 2400 rows, 3 needs 1800" },
        { QSize(1000, 750), 1.25, "800 x 1.25 = 1000 and 600 x 1.25 = 750 just fit" },
        { QSize(999, 750), 1.0, "one pixel short" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(zoom::fittingStep(c.available, kProgramWindows), c.step)
            << c.available.width() << " x " << c.available.height();
}

TEST(Zoom, TheFrameDoesNotGrowWithTheZoom)
{
    // 792 × 1.5 + 8 = 1196: fits 1196 wide, not 1195.
    const zoom::Window lesson[] = { { QSize(792, 574), QSize(8, 26) } };
    EXPECT_EQ(zoom::fittingStep(QSize(1196, 887), lesson), 1.5);
    EXPECT_EQ(zoom::fittingStep(QSize(1195, 887), lesson), 1.25);
    EXPECT_EQ(zoom::fittingStep(QSize(1196, 886), lesson), 1.25);
}

TEST(Zoom, StepsGoUpAndDownAndStopAtTheEnds)
{
    EXPECT_EQ(zoom::stepUp(1.0), 1.25);
    EXPECT_EQ(zoom::stepUp(1.5), 2.0);
    EXPECT_EQ(zoom::stepUp(4.0), 4.0);
    EXPECT_EQ(zoom::stepDown(2.0), 1.5);
    EXPECT_EQ(zoom::stepDown(1.25), 1.0);
    EXPECT_EQ(zoom::stepDown(1.0), 1.0);
}

TEST(Zoom, AWindowIsPlacedWithItsTitleBarOnTheScreen)
{
    const QRect screen(0, 30, 1920, 1050); // a panel above
    struct Case {
        QRect frame;
        QPoint topLeft;
        const char* why;
    };
    const Case cases[] = {
        { QRect(100, 100, 800, 600), QPoint(100, 100), "inside: stays" },
        { QRect(100, -40, 800, 600), QPoint(100, 30), "above the area: moved down to its top" },
        { QRect(1500, 700, 800, 600), QPoint(1120, 480), "over the right and bottom edges: moved back in" },
        { QRect(200, 100, 2400, 1300), QPoint(0, 30), "larger than the area: its top-left corner on the area's" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(zoom::placedOnScreen(c.frame, screen).topLeft(), c.topLeft) << c.why;
    EXPECT_EQ(zoom::placedOnScreen(QRect(1500, 700, 800, 600), screen).size(), QSize(800, 600));
}

TEST(Zoom, FormsInHeadlessRunsAreNotZoomed)
{
    // The driver and the tests read logical pixels at zoom 1, whatever the program would choose.
    TForm form(QStringLiteral("Zoomless"));
    EXPECT_EQ(form.zoom(), 1.0);
    EXPECT_EQ(form.zoomed(QRect(3, 5, 7, 9)), QRect(3, 5, 7, 9));
}
