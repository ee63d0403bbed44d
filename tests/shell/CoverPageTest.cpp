// The cover page: the colour of every stage of the fade, the offset fade surface, the title
// switching at tick 63, the close at tick 126 and Esc at any moment.
#include "ShellTables.h"

#include <sstream>

using namespace shelltest;

namespace {

QJsonObject coverState(const ScriptResult& r, size_t line)
{
    return json(r.lines.at(line));
}

} // namespace

TEST(CoverPage, EachTickShowsTheColourThePreviousTickChose)
{
    struct Case {
        int tick;
        const char* color;
    };
    const Case cases[] = {
        { 1, "#FFFFFF" }, // the canvas brush before the first step is white
        { 2, "#080000" }, // tick 1 chose RotWert = 8: red 8
        { 32, "#F80000" }, // tick 31: red 31 * 8 = 248
        { 33, "#FF0800" }, // tick 32: RotWert reached 256, GruenWert = 255 + 2048 = red 255, green 8
        { 34, "#FF1000" }, // tick 33: green 16
        { 63, "#FFF800" }, // tick 62: GruenWert = 255 + 31 * 2048, green 248
        { 64, "#FFFF04" }, // tick 63: BlauWert = 65535 + 262144, yellow with blue 4
        { 65, "#FFFF08" }, // tick 64: blue 8
        { 125, "#FFFFF8" }, // tick 124: BlauWert = 65535 + 62 * 262144, blue 248
    };
    std::ostringstream script;
    script << "screen 1024 768\n";
    int at = 0;
    for (const Case& c : cases) {
        script << "advance " << (c.tick - at) * 50 << "\npixel 500 100\n";
        at = c.tick;
    }
    script << "key Esc\n";
    const ScriptResult r = runProgram(script.str());
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(r.lines[i], cases[i].color) << "after tick " << cases[i].tick;
}

TEST(CoverPage, FadeSurfaceLiesFourPixelsRightAndTenUp)
{
    // Client area 1020 x 764 (a 2-pixel border width inside the 1024 x 768 screen); the image
    // has that size at (4, -10) and shows the colour of tick 32 after tick 33 in a black frame.
    struct Case {
        int x, y;
        const char* color;
    };
    const Case cases[] = {
        { 3, 100, "#000000" }, // the form's black strip left of the image
        { 4, 100, "#000000" }, // the image's left frame line
        { 5, 100, "#FF0800" }, // inside
        { 500, 0, "#FF0800" }, // the top frame line lies 10 rows above the client area
        { 1019, 100, "#FF0800" }, // the right frame line lies beyond the client area
        { 500, 752, "#FF0800" },
        { 500, 753, "#000000" }, // the bottom frame line: image row 763, 10 rows up
        { 500, 754, "#000000" }, // the form's black strip below the image
        { 500, 763, "#000000" },
    };
    std::ostringstream script;
    script << "screen 1024 768\nadvance " << 33 * 50 << "\n";
    for (const Case& c : cases)
        script << "pixel " << c.x << " " << c.y << "\n";
    script << "key Esc\n";
    const ScriptResult r = runProgram(script.str());
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(r.lines[i], cases[i].color) << "at (" << cases[i].x << ", " << cases[i].y << ")";
}

TEST(CoverPage, LayoutFollowsTheScreen)
{
    struct Case {
        int screenW, screenH;
        QJsonArray image, panel;
        int labelLeft, label1Top, label2Top;
    };
    const Case cases[] = {
        // Client 1020 x 764: panel 990 x 464 at ((1020 - 990 + 8) / 2, (764 - 464 + 20) / 2);
        // labels at (990 - 500) / 2, (464 - 140) / 2 and 464 / 2.
        { 1024, 768, { 4, -10, 1020, 764 }, { 19, 160, 990, 464 }, 245, 162, 232 },
        // Client 796 x 596: panel 766 x 296.
        { 800, 600, { 4, -10, 796, 596 }, { 19, 160, 766, 296 }, 133, 78, 148 },
    };
    for (const Case& c : cases) {
        const ScriptResult r = runProgram("screen " + std::to_string(c.screenW) + " " + std::to_string(c.screenH)
            + "\nstate FormDeckblatt\nkey Esc\n");
        ASSERT_EQ(r.code, 0) << r.err;
        const QJsonObject s = coverState(r, 0);
        SCOPED_TRACE(c.screenW);
        EXPECT_EQ(s.value(QStringLiteral("bounds")).toArray(), QJsonArray({ 0, 0, c.screenW, c.screenH }));
        EXPECT_EQ(component(s, QStringLiteral("ImageZeit")).value(QStringLiteral("bounds")).toArray(), c.image);
        EXPECT_EQ(component(s, QStringLiteral("PanelText")).value(QStringLiteral("bounds")).toArray(), c.panel);
        const QJsonArray label1 = component(s, QStringLiteral("LabelText1")).value(QStringLiteral("bounds")).toArray();
        const QJsonArray label2 = component(s, QStringLiteral("LabelText2")).value(QStringLiteral("bounds")).toArray();
        EXPECT_EQ(label1.at(0).toInt(), c.labelLeft);
        EXPECT_EQ(label1.at(1).toInt(), c.label1Top);
        EXPECT_EQ(label2.at(0).toInt(), c.labelLeft);
        EXPECT_EQ(label2.at(1).toInt(), c.label2Top);
    }
}

TEST(CoverPage, TitleSwitchesAtTick63AndIsAssignedUnchangedAfterwards)
{
    struct Case {
        int tick;
        const char* first;
        const char* second;
        const char* color;
        int left;
    };
    const Case cases[] = {
        { 0, "Grundlagen", "binärer Zustandsschaubilder", "#FFFF00", 245 }, // (990 - 500) / 2
        { 62, "Grundlagen", "binärer Zustandsschaubilder", "#FFFF00", 245 },
        { 63, "Das System-Eisen-Kohlenstoff", "Grundlagen der Wärmebehandlung", "#FF0000", 155 }, // (990 - 680) / 2
        { 64, "Das System-Eisen-Kohlenstoff", "Grundlagen der Wärmebehandlung", "#FF0000", 155 },
        { 125, "Das System-Eisen-Kohlenstoff", "Grundlagen der Wärmebehandlung", "#FF0000", 155 },
    };
    std::ostringstream script;
    script << "screen 1024 768\n";
    int at = 0;
    for (const Case& c : cases) {
        script << "advance " << (c.tick - at) * 50 << "\nstate FormDeckblatt\n";
        at = c.tick;
    }
    script << "key Esc\n";
    const ScriptResult r = runProgram(script.str());
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.tick);
        const QJsonObject s = json(r.lines[i]);
        const QJsonObject panel = component(s, QStringLiteral("PanelText"));
        const QJsonObject first = component(s, QStringLiteral("LabelText1"));
        const QJsonObject second = component(s, QStringLiteral("LabelText2"));
        EXPECT_EQ(first.value(QStringLiteral("text")).toString().toStdString(), c.first);
        EXPECT_EQ(second.value(QStringLiteral("text")).toString().toStdString(), c.second);
        for (const QJsonObject& o : { panel, first, second })
            EXPECT_EQ(o.value(QStringLiteral("color")).toString().toStdString(), c.color);
        EXPECT_EQ(first.value(QStringLiteral("bounds")).toArray().at(0).toInt(), c.left);
        EXPECT_EQ(second.value(QStringLiteral("bounds")).toArray().at(0).toInt(), c.left);
    }
}

TEST(CoverPage, ClosesAtTick126NotBeforeAndHandsOverToTheMainMenu)
{
    const ScriptResult r = runProgram("screen 1024 768\nadvance 6250\nforms\npixel 500 100\nadvance 50\nforms\n"
                                      "state FormDeckblatt\nkey Esc\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(json(r.lines[0]).value(QStringLiteral("top")).toString(), QStringLiteral("FormDeckblatt"))
        << "still fading after tick 125";
    EXPECT_EQ(r.lines[1], "#FFFFF8");
    const QJsonObject after = json(r.lines[2]);
    EXPECT_EQ(after.value(QStringLiteral("top")).toString(), QStringLiteral("FormMenue"));
    EXPECT_EQ(names(after.value(QStringLiteral("stack")).toArray()), std::vector<std::string> { "FormMenue" });
    const QJsonObject cover = json(r.lines[3]);
    EXPECT_FALSE(cover.value(QStringLiteral("visible")).toBool());
    EXPECT_EQ(cover.value(QStringLiteral("timers")).toArray().at(0).toObject().value(QStringLiteral("enabled")),
        QJsonValue(false));
}

TEST(CoverPage, EscAtAnyMomentGoesStraightToTheMainMenuForGood)
{
    for (int tick : { 0, 1, 40, 100, 125 }) {
        SCOPED_TRACE(tick);
        const ScriptResult r = runProgram("screen 1024 768\nadvance " + std::to_string(tick * 50)
            + "\nkey Esc\nforms\nadvance 10000\nforms\nstate FormDeckblatt\nkey Esc\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 3u);
        for (size_t i : { 0, 1 }) {
            const QJsonObject forms = json(r.lines[i]);
            EXPECT_EQ(forms.value(QStringLiteral("top")).toString(), QStringLiteral("FormMenue"));
            EXPECT_EQ(names(forms.value(QStringLiteral("stack")).toArray()), std::vector<std::string> { "FormMenue" });
        }
        const QJsonObject cover = json(r.lines[2]);
        EXPECT_FALSE(cover.value(QStringLiteral("visible")).toBool());
        EXPECT_EQ(cover.value(QStringLiteral("timers")).toArray().at(0).toObject().value(QStringLiteral("enabled")),
            QJsonValue(false));
    }
}
