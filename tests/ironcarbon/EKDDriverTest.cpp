// The iron–carbon diagram lessons through the headless driver, as a user meets them: the three
// views of the complete diagram and its text box, the information boxes of the austenite–
// ferrite–pearlite plate, and the microstructure series with its nine micrograph windows.
#include "tests/support/Program.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

namespace {

using wbtest::json;
using wbtest::ProgramRun;
using wbtest::StateView;

// Runs the whole program on a screen of the given size, opens the lesson behind `menuItem` and runs
// `body`; the driver ends with its input.
ProgramRun drive(const char* menuItem, const std::string& body, int screenW = 1024, int screenH = 768)
{
    return wbtest::runProgram("screen " + std::to_string(screenW) + " " + std::to_string(screenH)
        + "\nskip-cover\nmenu " + menuItem + "\n" + body);
}

std::string pixel(int x, int y)
{
    return "pixel " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

bool componentVisible(const std::string& stateLine, const char* name)
{
    return StateView(stateLine).visible(name);
}

std::string cursorOf(const QJsonObject& state)
{
    return state.value(QStringLiteral("cursor")).toString().toStdString();
}

QPoint topLeft(const QJsonObject& state)
{
    const QJsonArray b = state.value(QStringLiteral("bounds")).toArray();
    return { b.at(0).toInt(), b.at(1).toInt() };
}

std::string topForm(const std::string& formsLine)
{
    return json(formsLine).value(QStringLiteral("top")).toString().toStdString();
}

const char* const kMicrographs[] = { "FormBildFe", "FormBildC01", "FormBildC02", "FormBildC03", "FormBildC04",
    "FormBildC05", "FormBildC06", "FormBildC07", "FormBildC08" };

// --- The complete diagram ----------------------------------------------------------------------

// PaintBoxHaupt lies at the client area's top-left, so client pixels are diagram pixels.
// (650, 470): inside the field, clear of lines and labels. (600, 215): on the metastable
// eutectic horizontal E–C–F (rows 214 … 215 of a width-2 pen); (600, 210): on the stable one.
// (780, 195): inside the text box when it is shown, else the background beside the field, whose
// row 195 is red 255, green 325 − 195 = 130.
const std::string kProbe = pixel(650, 470) + pixel(600, 215) + pixel(600, 210) + pixel(780, 195);

struct Probe {
    const char* field;
    const char* ecf;
    const char* ecfStable;
    const char* box;
};
constexpr Probe kComplete { "#FFFF00", "#0000FF", "#FF0000", "#FF8200" };
constexpr Probe kMetastable { "#D7D7FF", "#0000FF", "#D7D7FF", "#FF8200" };
constexpr Probe kStable { "#FFE8E8", "#FFE8E8", "#FF0000", "#FF8200" };
constexpr Probe kCompleteWithText { "#FFFF00", "#0000FF", "#FF0000", "#FFBFBF" };

std::vector<std::string> lines(const Probe& p)
{
    return { p.field, p.ecf, p.ecfStable, p.box };
}

} // namespace

TEST(EKDGesamtDriver, EachViewInItsColoursUntilTheNextPaint)
{
    struct Moment {
        const char* name;
        std::string steps;
        Probe expected;
    };
    const Moment moments[] = {
        { "opened: the complete view", "", kComplete },
        { "metastable view", "menu Metastabil\n", kMetastable },
        { "stable view", "menu Stabil\n", kStable },
        { "stable view twice: the same picture", "menu Stabil\nmenu Stabil\n", kStable },
        { "a repaint brings the complete view back", "menu Stabil\nrepaint\n", kComplete },
        { "the complete view redrawn from the menu", "menu Metastabil\nmenu Gesamt\n", kComplete },
        { "text box: the form repaints, the box over the complete view", "menu Stabil\nmenu Text\n",
            kCompleteWithText },
        { "text box off again", "menu Text\nmenu Text\n", kComplete },
        // The complete view from the menu is drawn straight over the box, which stays shown.
        { "the complete view drawn over the text box", "menu Text\nmenu Gesamt\n", kComplete },
        { "a view over the text box", "menu Text\nmenu Metastabil\n", kMetastable },
        { "closing hides the text box", "menu Text\nkey Esc\nmenu EKDGesamt\n", kComplete },
    };
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.name);
        const ProgramRun r = drive("EKDGesamt", m.steps + kProbe);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.lines, lines(m.expected));
    }
}

TEST(EKDGesamtDriver, TextBoxOutlineAndItsVisibility)
{
    const ProgramRun r = drive("EKDGesamt",
        "state\nmenu Text\nstate\n" + pixel(270, 0) + pixel(789, 199) + pixel(271, 1)
            + "key Esc\nmenu EKDGesamt\nstate\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 6u);
    EXPECT_FALSE(componentVisible(r.lines[0], "PaintBoxText"));
    EXPECT_TRUE(componentVisible(r.lines[1], "PaintBoxText"));
    EXPECT_EQ(r.lines[2], "#000000"); // the box's 1-pixel outline, top-left
    EXPECT_EQ(r.lines[3], "#000000"); // and bottom-right: 520 × 200 from (270, 0)
    EXPECT_EQ(r.lines[4], "#FFBFBF");
    EXPECT_FALSE(componentVisible(r.lines[5], "PaintBoxText"));
    // The form keeps its place: centred on the 1024 × 768 screen, not maximised.
    EXPECT_EQ(topLeft(json(r.lines[5])), QPoint(112, 84));
}

// --- Austenite, ferrite, pearlite ----------------------------------------------------------------

TEST(EKDMetastabilDriver, EachClickAreaOpensItsBoxAlone)
{
    // The boxes lie at (190, 5); box pixel (560, 150) is client (750, 155), beside the field when
    // no box is shown: background row 155 is red 255, green 170. The plate's field shows at
    // (400, 450), below the boxes.
    const std::string probe = pixel(750, 155) + pixel(400, 450) + "state\n";
    struct Moment {
        const char* name;
        std::string steps;
        const char* box;
        const char* shown; // the box component expected visible, or none
    };
    const Moment moments[] = {
        { "opened: no box", "", "#FFAA00", nullptr },
        { "austenite", "click PaintboxBereich1 60 10\n", "#FFFF00", "PaintBoxAust" },
        { "ferrite", "click PaintBoxBereich2 25 10\n", "#1DE200", "PaintBoxFerrit" },
        { "pearlite", "click PaintBoxBereich3 30 10\n", "#FEB200", "PaintBoxPerlit" },
        { "pearlite replaces austenite", "click PaintboxBereich1 60 10\nclick PaintBoxBereich3 30 10\n", "#FEB200",
            "PaintBoxPerlit" },
        { "Fenster schließen", "click PaintBoxBereich2 25 10\nmenu Fensterclose\n", "#FFAA00", nullptr },
        { "Fenster schließen with no box", "menu Fensterclose\n", "#FFAA00", nullptr },
        { "a press beside the areas opens nothing", "click PaintBoxHaupt 300 300\n", "#FFAA00", nullptr },
        { "closing hides the box", "click PaintboxBereich1 60 10\nkey Esc\nmenu EKDmetastabilAustenitFerritPerlit1\n",
            "#FFAA00", nullptr },
    };
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.name);
        const ProgramRun r = drive("EKDmetastabilAustenitFerritPerlit1", m.steps + probe);
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 3u);
        EXPECT_EQ(r.lines[0], m.box);
        EXPECT_EQ(r.lines[1], "#D7D7FF");
        for (const char* box : { "PaintBoxAust", "PaintBoxFerrit", "PaintBoxPerlit" })
            EXPECT_EQ(componentVisible(r.lines[2], box), m.shown && std::string(m.shown) == box) << box;
    }
}

TEST(EKDMetastabilDriver, ClickAreasShowTheHandOverTheirFrames)
{
    const ProgramRun r = drive("EKDmetastabilAustenitFerritPerlit1", "state\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 1u);
    const StateView state(r.lines[0]);
    auto cursor = [&state](const char* name) {
        return state.component(name).value(QStringLiteral("cursor")).toString().toStdString();
    };
    for (const char* area : { "PaintboxBereich1", "PaintBoxBereich2", "PaintBoxBereich3" })
        EXPECT_EQ(cursor(area), "hand") << area;
    for (const char* box : { "PaintBoxHaupt", "PaintBoxAust", "PaintBoxFerrit", "PaintBoxPerlit" })
        EXPECT_EQ(cursor(box), "default") << box;
    // The frames are blue on the plate: around "Austenit" (top edge at y = 237) and "Perlit".
    const ProgramRun p
        = drive("EKDmetastabilAustenitFerritPerlit1", pixel(140, 237) + pixel(140, 410) + pixel(30, 415));
    EXPECT_EQ(p.lines, (std::vector<std::string> { "#0000FF", "#0000FF", "#0000FF" }));
}

// --- The microstructure series -------------------------------------------------------------------

TEST(EKDBilderDriver, PressesOpenTheirMicrographAndTheHandFollowsThePointer)
{
    struct Case {
        int x, y;
        const char* opens; // the form on top afterwards
        const char* cursor;
        const char* why;
    };
    const Case cases[] = {
        { 30, 420, "FormBildFe", "hand", "inside the ferrite label's frame" },
        { 55, 486, "FormBildC01", "hand", "inside the first square" },
        { 125, 486, "FormBildC08", "hand", "inside the last square" },
        { 60, 486, "FormEKDBilder", "hand", "on the border between two squares" },
        { 55, 480, "FormEKDBilder", "default", "on the squares' top border" },
        { 15, 420, "FormEKDBilder", "default", "on the ferrite frame's left border" },
        { 300, 300, "FormEKDBilder", "default", "elsewhere in the diagram" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string at = std::to_string(c.x) + " " + std::to_string(c.y) + "\n";
        const ProgramRun r = drive("EKSmetastabilGefgebilder1",
            "mousemove PaintBoxHaupt " + at + "state FormEKDBilder\nclick PaintBoxHaupt " + at + "forms\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 2u);
        EXPECT_EQ(cursorOf(json(r.lines[0])), c.cursor);
        EXPECT_EQ(topForm(r.lines[1]), c.opens);
    }
}

TEST(EKDBilderDriver, SquaresAndFerriteLabelOnThePlate)
{
    const ProgramRun r = drive("EKSmetastabilGefgebilder1",
        pixel(55, 486) + pixel(125, 486) + pixel(60, 486) + pixel(30, 415) + pixel(140, 237));
    ASSERT_EQ(r.code, 0) << r.err;
    const std::vector<std::string> expected {
        "#FFFFFF", // 0.1 % C
        "#949494", // 0.8 % C
        "#000000", // the outline between squares 1 and 2
        "#0000FF", // the ferrite label's click frame
        "#D7D7FF", // no frame around "Austenit" in this lesson
    };
    EXPECT_EQ(r.lines, expected);
}

TEST(EKDBilderDriver, CascadeFromTheScreenCentre)
{
    struct Case {
        int w, h;
        QPoint first; // the ferrite window; each next one 40 right and 20 down
    };
    for (const Case c : { Case { 1024, 768, { 152, 144 } }, Case { 800, 600, { 40, 60 } } }) {
        SCOPED_TRACE(std::to_string(c.w) + " × " + std::to_string(c.h));
        std::string script = "menu GefgereiheKohlenstoff0108undFerrit1\nforms\n";
        for (const char* f : kMicrographs)
            script += std::string("state ") + f + "\n";
        const ProgramRun r = drive("EKSmetastabilGefgebilder1", script, c.w, c.h);
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 10u);
        EXPECT_EQ(topForm(r.lines[0]), "FormBildC08"); // shown in index order, the last on top
        for (int i = 0; i < 9; ++i) {
            const StateView state(r.lines[size_t(1 + i)]);
            EXPECT_TRUE(state.visible()) << kMicrographs[i];
            EXPECT_EQ(topLeft(state.raw()), c.first + QPoint(40 * i, 20 * i)) << kMicrographs[i];
        }
    }
}

TEST(EKDBilderDriver, TheSecondCascadeBringsThemToTheFrontAtTheSamePlaces)
{
    const std::string cascade = "activate FormEKDBilder\nmenu GefgereiheKohlenstoff0108undFerrit1\n";
    const ProgramRun r = drive("EKSmetastabilGefgebilder1",
        cascade + "activate FormBildC03\nforms\n" + cascade + "forms\nstate FormBildC03\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(topForm(r.lines[0]), "FormBildC03");
    EXPECT_EQ(topForm(r.lines[1]), "FormBildC08");
    EXPECT_EQ(topLeft(json(r.lines[2])), QPoint(152 + 3 * 40, 144 + 3 * 20));
}

TEST(EKDBilderDriver, EscClosesOneMicrographAndTheLessonClosesAll)
{
    std::string visible;
    for (const char* f : kMicrographs)
        visible += std::string("state ") + f + "\n";
    const ProgramRun r = drive("EKSmetastabilGefgebilder1",
        "menu GefgereiheKohlenstoff0108undFerrit1\nkey Esc\nforms\n" + visible
            + "activate FormEKDBilder\nkey Esc\nforms\n" + visible);
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 20u);
    // Esc in the top micrograph closes only that one.
    EXPECT_EQ(topForm(r.lines[0]), "FormBildC07");
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(StateView(r.lines[size_t(1 + i)]).visible(), i != 8) << kMicrographs[i];
    // Closing the lesson closes all nine.
    EXPECT_EQ(topForm(r.lines[10]), "FormMenue");
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(StateView(r.lines[size_t(11 + i)]).visible()) << kMicrographs[i];
}

TEST(EKDBilderDriver, BilderSchliessenAndPositionsKeptBetweenOpenings)
{
    const ProgramRun r = drive("EKSmetastabilGefgebilder1",
        "click PaintBoxHaupt 55 486\nstate FormBildC01\nactivate FormEKDBilder\n"
        "menu GefgereiheKohlenstoff0108undFerrit1\nactivate FormEKDBilder\nmenu Bildershlieen1\nforms\n"
        "state FormBildFe\nclick PaintBoxHaupt 55 486\nstate FormBildC01\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 4u);
    // First opened where start-up centred it: ((1024 − 400) div 2, (768 − 330) div 2).
    EXPECT_EQ(topLeft(json(r.lines[0])), QPoint(312, 219));
    // "Bilder schließen" leaves the lesson open with no micrograph.
    EXPECT_EQ(topForm(r.lines[1]), "FormEKDBilder");
    EXPECT_FALSE(StateView(r.lines[2]).visible());
    // Opened again, it stands where the cascade put it.
    EXPECT_EQ(topLeft(json(r.lines[3])), QPoint(192, 164));
}
