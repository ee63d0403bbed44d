// The information page: a yellow page in a thin black frame with every line at its place,
// placed once at start-up, closed by "&Ende", Esc or the close box.
#include "ShellTables.h"
#include "app/Program.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "shell/UnitInfo.h"

#include <sstream>

using namespace wb;
using namespace shelltest;

TEST(InfoPage, YellowPageInAThinBlackFrame)
{
    // 700 x 500 tool window with a menu bar: the image fills the 692 x 454 client area.
    struct Case {
        int x, y;
        const char* color;
    };
    const Case cases[] = {
        { 0, 0, "#000000" }, { 691, 0, "#000000" }, { 0, 453, "#000000" }, { 691, 453, "#000000" }, // corners
        { 345, 0, "#000000" }, { 0, 200, "#000000" }, { 691, 200, "#000000" }, { 345, 453, "#000000" }, // edges
        { 1, 1, "#FFFF00" }, { 690, 452, "#FFFF00" }, // just inside
        { 5, 300, "#FFFF00" }, // left of the text
        { 345, 420, "#FFFF00" }, // below the last line at y = 360
    };
    std::ostringstream script;
    script << "screen 1024 768\nskip-cover\nmenu Info\nstate\n";
    for (const Case& c : cases)
        script << "pixel " << c.x << " " << c.y << "\n";
    script << "key Esc\nkey Esc\n";
    const ScriptResult r = runProgram(script.str());
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 1 + std::size(cases));
    const QJsonObject s = json(r.lines[0]);
    EXPECT_EQ(s.value(QStringLiteral("bounds")).toArray(), QJsonArray({ 162, 134, 700, 500 }));
    EXPECT_EQ(component(s, QStringLiteral("ImageText")).value(QStringLiteral("bounds")).toArray(),
        QJsonArray({ 0, 0, 692, 454 }));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(r.lines[i + 1], cases[i].color) << "at (" << cases[i].x << ", " << cases[i].y << ")";
}

TEST(InfoPage, EveryLineLiesInItsCellAndNothingElseIsInked)
{
    wbtest::resetApplication();
    createAllForms();
    QImage page;
    wbtest::events().actions.push_back([&] {
        Application.flushPendingPaints();
        page = FormAccess::surface(*FormInfo).copy();
        FormInfo->pressKey(VK_ESCAPE);
    });
    FormInfo->ShowModal();
    wbtest::resetApplication();
    ASSERT_EQ(page.size(), QSize(692, 454));

    // Black ink per row inside the frame, and whether any lies left of x = 10.
    std::vector<bool> inked(page.height(), false);
    bool leftMarginInked = false;
    for (int y = 1; y < page.height() - 1; ++y) {
        for (int x = 1; x < page.width() - 1; ++x) {
            if (fromPixel(page.pixel(x, y)) != clBlack)
                continue;
            inked[y] = true;
            leftMarginInked |= x < 10;
        }
    }
    EXPECT_FALSE(leftMarginInked) << "every line starts at x = 10";
    // The welcome line's cell is 22 pixels high, the others 18.
    struct Line {
        int y, height;
    };
    const Line lines[] = { { 20, 22 }, { 60, 18 }, { 80, 18 }, { 100, 18 }, { 120, 18 }, { 140, 18 }, { 160, 18 },
        { 180, 18 }, { 220, 18 }, { 240, 18 }, { 260, 18 }, { 280, 18 }, { 320, 18 }, { 340, 18 }, { 360, 18 } };
    std::vector<bool> inCell(page.height(), false);
    for (const Line& l : lines) {
        bool any = false;
        for (int y = l.y; y < l.y + l.height; ++y) {
            any |= inked[y];
            inCell[y] = true;
        }
        EXPECT_TRUE(any) << "the line at y = " << l.y << " shows";
    }
    for (int y = 1; y < page.height() - 1; ++y)
        EXPECT_FALSE(inked[y] && !inCell[y]) << "ink outside every text cell in row " << y;
}

TEST(InfoPage, EndeEscAndTheCloseBoxCloseItAndItReopensWhereItWasLeft)
{
    const ScriptResult r = runProgram("screen 1024 768\nskip-cover\n"
                                      "menu Info\nkey Esc\nforms\n"
                                      "menu Info\nmenu ende1\nforms\n"
                                      "menu Info\nclose\nforms\nkey Esc\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 3u);
    for (const std::string& line : r.lines)
        EXPECT_EQ(names(json(line).value(QStringLiteral("stack")).toArray()), std::vector<std::string> { "FormMenue" });

    wbtest::resetApplication();
    createAllForms();
    int leftAtSecondOpening = 0;
    wbtest::events().actions.push_back([&] {
        FormInfo->SetLeft(10); // the user moves the window
        FormInfo->pressKey(VK_ESCAPE);
    });
    FormInfo->ShowModal();
    wbtest::events().actions.push_back([&] {
        leftAtSecondOpening = FormInfo->Left();
        FormInfo->pressKey(VK_ESCAPE);
    });
    FormInfo->ShowModal();
    wbtest::resetApplication();
    EXPECT_EQ(leftAtSecondOpening, 10) << "placed only once, at start-up";
}
