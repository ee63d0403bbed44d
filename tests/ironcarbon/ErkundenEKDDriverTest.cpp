// The iron–carbon explorer through the driver, opened from the main menu: the read-out at points
// whose shares follow from the characteristic points, in both systems, the pointer over the
// diagram, a refused entry's message and a cooling run on its arrest.
#include "ironcarbon/ExplorerDiagram.h"
#include "model/IronCarbon.h"
#include "tests/support/Program.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using wbtest::Script;
using wbtest::StateView;
namespace ex = wb::ekderkunden;
namespace mek = wb::model::ekd;

namespace {

using Lines = std::vector<std::string>;

Script opened()
{
    return Script { "screen 1024 768", "skip-cover", "menu ErkundenEKD" };
}

} // namespace

TEST(ErkundenEKDDriver, ReadOutAtCharacteristicPointsOfBothSystems)
{
    // Shares in whole percent, the lever rule's arithmetic beside each case.
    struct Case {
        const char* system; // the menu item
        const char* carbon;
        const char* celsius;
        Lines phasen;
        Lines gefuege;
    };
    const Case cases[] = {
        // Below 723 °C ferrite holds 0.02 % (on Q–P: 0.018 at 700 °C): cementite
        // (0.45 − 0.018) / (6.67 − 0.018) = 6.5 %; pro-eutectoid ferrite (0.8 − 0.45) / (0.8 − 0.02) = 45 %.
        { "Metastabil", "0,45", "700",
            { "Phasen bei 0,45 % C und 700 °C:", "Ferrit 94 % (0,02 % C)", "Zementit 6 % (6,67 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "voreutektoider Ferrit 45 %", "Perlit 55 %",
                "Perlit = Ferrit 88 % + Zementit 12 %" } },
        // At room temperature ferrite holds nothing: cementite 1.2 / 6.67 = 18 %; secondary
        // cementite (1.2 − 0.8) / (6.67 − 0.8) = 6.8 %; pearlite's cementite 0.8 / 6.67 = 12 %.
        { "Metastabil", "1,2", "20",
            { "Phasen bei 1,20 % C und 20 °C:", "Ferrit 82 % (0,00 % C)", "Zementit 18 % (6,67 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "Perlit 93 %", "Sekundärzementit 7 %",
                "Perlit = Ferrit 88 % + Zementit 12 %" } },
        // Just below 1147 °C: ledeburite (3.0 − 2.06) / (4.3 − 2.06) = 42 %; the austenite on S–E.
        { "Metastabil", "3,0", "1146",
            { "Phasen bei 3,00 % C und 1146 °C:", "Austenit 80 % (2,06 % C)", "Zementit 20 % (6,67 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "Austenit 58 %", "Ledeburit 42 %" } },
        // The eutectic: ledeburite alone, its austenite on S–E at 1000 °C (1.52 % C).
        { "Metastabil", "4,3", "1000",
            { "Phasen bei 4,30 % C und 1000 °C:", "Austenit 46 % (1,52 % C)", "Zementit 54 % (6,67 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "Ledeburit 100 %" } },
        { "Metastabil", "0,8", "20",
            { "Phasen bei 0,80 % C und 20 °C:", "Ferrit 88 % (0,00 % C)", "Zementit 12 % (6,67 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "Perlit 100 %", "Perlit = Ferrit 88 % + Zementit 12 %" } },
        { "Metastabil", "3,0", "1500", { "Phasen bei 3,00 % C und 1500 °C:", "Schmelze 100 % (3,00 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "Schmelze 100 %" } },
        { "Metastabil", "0,05", "1450", { "Phasen bei 0,05 % C und 1450 °C:", "δ-Ferrit 100 % (0,05 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "δ-Ferrit 100 %" } },
        // Stable, 1000 °C: the austenite on S´–E´ (1.38 % C) beside pure graphite,
        // (3.0 − 1.38) / (100 − 1.38) = 1.6 %; the graphite eutectic (3.0 − 2.0) / (4.2 − 2.0) = 45 %.
        { "Stabil", "3,0", "1000",
            { "Phasen bei 3,00 % C und 1000 °C:", "Austenit 98 % (1,38 % C)", "Graphit 2 % (100 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "Austenit 54 %", "Sekundärgraphit < 1 %",
                "Graphiteutektikum 45 %" } },
        // Below 738 °C ferrite and graphite: 3.0 / 100 = 3 % graphite.
        { "Stabil", "3,0", "20",
            { "Phasen bei 3,00 % C und 20 °C:", "Ferrit 97 % (0,00 % C)", "Graphit 3 % (100 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "Ferrit 97 %", "Graphit 3 %" } },
        // Between A3 and 738 °C: ferrite on P´–G (0.017 % C), austenite on S´–G (0.56 % C):
        // (0.45 − 0.017) / (0.563 − 0.017) = 79 % austenite.
        { "Stabil", "0,45", "760",
            { "Phasen bei 0,45 % C und 760 °C:", "Ferrit 21 % (0,02 % C)", "Austenit 79 % (0,56 % C)" },
            { "Gefüge nach langsamer Abkühlung:", "voreutektoider Ferrit 21 %", "Austenit 79 %" } },
    };
    Script s = opened();
    std::vector<int> states;
    std::string system = "Metastabil"; // the window opens on it, its item disabled
    for (const Case& c : cases) {
        if (system != c.system)
            s << std::string("menu ") + c.system;
        system = c.system;
        s << std::string("type EditKohlenstoff ") + c.carbon << std::string("type EditTemperatur ") + c.celsius
          << "key Enter";
        states.push_back(s.state("FormErkundenEKD"));
    }
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(std::string(c.system) + " " + c.carbon + " % C, " + c.celsius + " °C");
        const StateView v = s.stateView(states[i]);
        EXPECT_EQ(v.memoLines("MemoPhasen"), c.phasen);
        EXPECT_EQ(v.memoLines("MemoGefuege"), c.gefuege);
        EXPECT_EQ(v.text("LabelSystem"), c.system == std::string("Stabil") ? "stabiles System" : "metastabiles System");
    }
}

TEST(ErkundenEKDDriver, ThePointerChoosesThePointAndARefusedEntryNamesTheRange)
{
    // The `message` command answers with the last message box's text, so the answers are read
    // line by line: the state after the pointer moved over 1.2 % C at 800 °C, the point's pixel,
    // the state after a click there, the message of a refused entry, the state after it and the
    // forms after Esc.
    const wb::TPoint p = ex::pixelAt({ 1.2, 800 });
    const std::string at = std::to_string(p.X) + " " + std::to_string(p.Y);
    const wbtest::ProgramRun r = wbtest::runProgram("screen 1024 768\nskip-cover\nmenu ErkundenEKD\n"
                                                    "mousemove PaintBoxDiagramm "
        + at + "\nstate FormErkundenEKD\npixel " + at + "\nclick PaintBoxDiagramm " + at
        + "\nstate FormErkundenEKD\ntype EditKohlenstoff 7\nkey Enter\nmessage\nstate FormErkundenEKD\nkey "
          "Esc\nforms\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 6u);
    const StateView moved(r.lines[0]), clicked(r.lines[2]), after(r.lines[4]);
    EXPECT_EQ(moved.text("EditKohlenstoff"), "1,20");
    EXPECT_EQ(moved.text("EditTemperatur"), "800");
    EXPECT_EQ(moved.text("LabelLegierung"), "Legierung: 0,45 % C") << "moving chooses no alloy";
    // The point's square, inverted over the austenite field's light blue.
    EXPECT_EQ(wbtest::color(r.lines[1]), wbtest::notXor(wb::RGB(0xD7, 0xD7, 0xFF), wb::clBlack));
    EXPECT_EQ(clicked.text("LabelLegierung"), "Legierung: 1,20 % C");
    EXPECT_EQ(r.lines[3],
        "„7“ ist kein gültiger Kohlenstoffgehalt. Bitte eine Zahl von 0 bis 6,67 (% C) eingeben, zum Beispiel 0,45.");
    EXPECT_EQ(after.text("LabelLegierung"), "Legierung: 1,20 % C") << "the refused entry changes nothing";
    EXPECT_EQ(after.memoLines("MemoPhasen").front(), "Phasen bei 1,20 % C und 800 °C:");
    EXPECT_EQ(wbtest::json(r.lines[5]).value(QStringLiteral("top")).toString(), QStringLiteral("FormMenue"));
}

TEST(ErkundenEKDDriver, ACastIronRunHaltsOnTheEutecticWithThreePhases)
{
    // The alloy of the cast-iron lesson, half way through its eutectic arrest: austenite of E,
    // melt of C and cementite together, the ledeburite forming; the point held on 1147 °C.
    const mek::CoolingCurve k = mek::coolingCurve(mek::System::Metastable, 3.0);
    const mek::Arrest eutektikum = k.arrests.front();
    ASSERT_EQ(eutektikum.celsius, 1147);
    const long ms = std::lround(std::ceil((eutektikum.start + eutektikum.end) / 2 / 0.05)) * 50;
    Script s = opened();
    s << "menu Legierung30"
      << "menu Abkuehlen"
      << "advance " + std::to_string(ms);
    const int halt = s.state("FormErkundenEKD");
    s << "key Space"
      << "advance 5000";
    const int paused = s.state("FormErkundenEKD");
    s << "key Space"
      << "run-until-idle 60000";
    const int end = s.state("FormErkundenEKD");
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();

    const Lines phasen = s.stateView(halt).memoLines("MemoPhasen");
    ASSERT_EQ(phasen.size(), 4u);
    EXPECT_EQ(phasen[0], "Phasen bei 3,00 % C und 1147 °C (Haltepunkt):");
    EXPECT_EQ(phasen[1].substr(0, 9), "Austenit ");
    EXPECT_NE(phasen[1].find("(2,06 % C)"), std::string::npos);
    EXPECT_EQ(phasen[2].substr(0, 9), "Schmelze ");
    EXPECT_NE(phasen[2].find("(4,30 % C)"), std::string::npos);
    EXPECT_NE(phasen[3].find("Zementit"), std::string::npos);
    const Lines gefuege = s.stateView(halt).memoLines("MemoGefuege");
    EXPECT_NE(std::find_if(
                  gefuege.begin(), gefuege.end(), [](const std::string& l) { return l.rfind("Ledeburit ", 0) == 0; }),
        gefuege.end());
    EXPECT_TRUE(s.stateView(halt).timerEnabled("TimerAbkuehlen"));
    EXPECT_FALSE(s.stateView(paused).timerEnabled("TimerAbkuehlen"));
    EXPECT_EQ(s.stateView(paused).memoLines("MemoPhasen"), phasen) << "paused, nothing moves";
    EXPECT_FALSE(s.stateView(end).timerEnabled("TimerAbkuehlen"));
    EXPECT_EQ(s.stateView(end).text("EditTemperatur"), "20");
    EXPECT_EQ(s.stateView(end).memoLines("MemoGefuege"),
        (Lines { "Gefüge nach langsamer Abkühlung:", "Perlit 46 %", "Sekundärzementit 12 %",
            "umgewandelter Ledeburit 42 %", "Perlit = Ferrit 88 % + Zementit 12 %" }));
}
