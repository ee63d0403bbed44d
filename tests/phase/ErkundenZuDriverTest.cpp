// The phase diagram explorer in the whole program, through the headless driver: opened from the
// main menu, the read-out at characteristic points of all four types (each worked out from the
// diagram's characteristic compositions), typed values and their messages, keys, a cooling run.
#include "tests/support/Program.h"

#include <string>
#include <vector>

using namespace wbtest;

namespace {

const char* const kForm = "FormErkundenZu";

struct Punkt {
    const char* why;
    const char* typ; // its menu item
    int x, y; // in PaintBoxDiagramm
    const char* konzentration;
    const char* temperatur;
    std::vector<std::string> phasen;
    std::vector<std::string> gefuege;
};

// Pixels: x = 20 + 4.6 · w; y = 20 + (tTop - t) · 350 / (tTop - tBottom), two degrees a row in
// types 1 and 4, one in types 2 and 3.
// clang-format off
const Punkt kPunkte[] = {
    { "type 1, 40 % B at 1300 °C: solidus 28.28 %, liquidus 54.41 %, melt (40 - 28.28) / 26.13",
      "ErkTyp1", 204, 120, "40", "1300",
      { "Alpha-Mischkristall 55 % (B = 28,3 %)", "Schmelze 45 % (B = 54,4 %)" },
      { "Alpha-Mischkristalle 55 %", "Schmelze 45 %" } },
    { "type 2, 30 % B just below the eutectic: (60 - 30) / 60 primary A; A and B 70 : 30",
      "ErkTyp2", 158, 223, "30", "147",
      { "A 70 % (B = 0 %)", "B 30 % (B = 100 %)" },
      { "Primäre A-Kristalle 50 %", "Eutektikum 50 %", "   davon A 40 %, B 60 %" } },
    { "type 3, 40 % B just below the eutectic: solvus A at 19.82 %, solvus B at 90.09 %; "
      "(60 - 40) / (60 - 20) primary alpha, the eutectic (90 - 60) / (90 - 20) alpha",
      "ErkTyp3", 204, 223, "40", "147",
      { "Alpha-Mischkristall 71 % (B = 19,8 %)", "Beta-Mischkristall 29 % (B = 90,1 %)" },
      { "Primäre Alpha-Mischkristalle 50 %", "Beta-Segregat < 1 %", "Eutektikum 50 %",
        "   davon Alpha-MK 43 %, Beta-MK 57 %" } },
    { "type 4, 40 % B arriving on the peritectic line: (75 - 40) / (75 - 20) alpha, the lesson's 64 %",
      "ErkTyp4", 204, 180, "40", "880",
      { "Peritektische Reaktion bei 880 °C:", "Schmelze + Alpha-MK → Beta-MK",
        "Alpha-Mischkristall 64 % (B = 20 %)", "Beta-Mischkristall 0 % (B = 60 %)", "Schmelze 36 % (B = 75 %)" },
      { "Primäre Alpha-Mischkristalle 64 %", "Schmelze 36 %" } },
    { "type 4, 70 % B at 862 °C, in the beta + melt field below the line: solidus B "
      "133.26 - sqrt((862 - 654) / 0.04232) = 63.15 %, liquidus B -17.83 + sqrt((862 - 1172) / -0.033856) "
      "= 77.86 %, melt (70 - 63.15) / 14.71 = 46.5 %; the peritectic gave (75 - 70) / 15 beta, the rest "
      "of the solid grew from the melt since",
      "ErkTyp4", 342, 189, "70", "862",
      { "Beta-Mischkristall 53 % (B = 63,2 %)", "Schmelze 47 % (B = 77,9 %)" },
      { "Peritektische Beta-Mischkristalle 33 %", "Beta-Mischkristalle aus der Restschmelze 20 %",
        "Schmelze 47 %" } },
};
// clang-format on

} // namespace

TEST(ErkundenZuDriver, TheMainMenuOpensItAndEscClosesIt)
{
    Script s { "skip-cover", "menu ErkundenZu" };
    const int opened = s.forms();
    s << "key Esc";
    const int closed = s.forms();
    s.run();
    EXPECT_EQ(s.json(opened).value(QStringLiteral("top")).toString().toStdString(), kForm);
    EXPECT_EQ(s.json(closed).value(QStringLiteral("top")).toString().toStdString(), "FormMenue");
}

TEST(ErkundenZuDriver, TheReadOutAtCharacteristicPointsOfEveryType)
{
    Script s { "skip-cover", "menu ErkundenZu" };
    std::vector<int> states;
    for (const Punkt& p : kPunkte) {
        s << std::string("menu ") + p.typ;
        s << "mousemove PaintBoxDiagramm " + std::to_string(p.x) + " " + std::to_string(p.y);
        states.push_back(s.state(kForm));
    }
    s.run();
    for (size_t i = 0; i < std::size(kPunkte); ++i) {
        const Punkt& p = kPunkte[i];
        SCOPED_TRACE(p.why);
        const StateView st = s.stateView(states[i]);
        EXPECT_EQ(st.text("EditKonzentration"), p.konzentration);
        EXPECT_EQ(st.text("EditTemperatur"), p.temperatur);
        EXPECT_EQ(st.memoLines("MemoPhasen"), p.phasen);
        EXPECT_EQ(st.memoLines("MemoGefuege"), p.gefuege);
    }
}

// Typed values take the point there on Enter; a wrong one gets the message naming the range and
// leaves the point where it was.
TEST(ErkundenZuDriver, TypedValuesAndTheirMessages)
{
    Script s { "skip-cover", "menu ErkundenZu", "menu ErkTyp2" };
    s << "type EditKonzentration 60"
      << "type EditTemperatur 100"
      << "key Enter";
    const int taken = s.state(kForm);
    const int none = s.message();
    s << "type EditKonzentration 101"
      << "key Enter";
    const int range = s.message();
    s << "type EditKonzentration 50"
      << "type EditTemperatur warm"
      << "key Enter";
    const int notANumber = s.message();
    const int unchanged = s.state(kForm);
    s.run();
    const std::vector<std::string> eutectic { "Eutektikum 100 %", "   davon A 40 %, B 60 %" };
    EXPECT_EQ(s.stateView(taken).memoLines("MemoGefuege"), eutectic);
    EXPECT_EQ(s.answer(none), "");
    EXPECT_EQ(s.answer(range), "Die Konzentration muss zwischen 0 und 100 % B liegen.");
    EXPECT_EQ(s.answer(notANumber), "„warm“ ist keine Zahl. Die Temperatur muss zwischen 0 und 350 °C liegen.");
    // The wrong values left the point at 60 % B and 100 °C, though the edits show what was typed.
    const StateView st = s.stateView(unchanged);
    EXPECT_EQ(st.memoLines("MemoGefuege"), eutectic);
    EXPECT_EQ(st.text("EditKonzentration"), "50");
    EXPECT_EQ(st.text("EditTemperatur"), "warm");
}

// The arrow keys through the driver: Left twice, Up once from the first opening's point.
TEST(ErkundenZuDriver, ArrowKeysMoveThePoint)
{
    Script s { "skip-cover", "menu ErkundenZu", "key Left", "key Left", "key Up" };
    const int st = s.state(kForm);
    s.run();
    EXPECT_EQ(s.stateView(st).text("EditKonzentration"), "38");
    EXPECT_EQ(s.stateView(st).text("EditTemperatur"), "1301");
}

// A cooling run of type 2's eutectic alloy: it holds at 148 °C for the whole of its solidification;
// the cooling curve is drawn in the box left of the diagram (client x 4 … 286).
TEST(ErkundenZuDriver, CoolingTheEutecticAlloyHoldsAt148Degrees)
{
    Script s { "skip-cover", "menu ErkundenZu", "menu ErkTyp2", "click PaintBoxDiagramm 296 100", "menu Abkuehlen" };
    const int start = s.state(kForm);
    s << "advance 3500";
    const int lauf = s.state(kForm);
    s << "advance 1000";
    const int halt = s.state(kForm);
    s << "run-until-idle 20000";
    const int ende = s.state(kForm);
    s.run();
    EXPECT_TRUE(s.stateView(start).timerEnabled("TimerAbkuehlen"));
    EXPECT_EQ(s.stateView(start).text("EditTemperatur"), "350");
    EXPECT_EQ(s.stateView(start).text("EditKonzentration"), "60");
    EXPECT_EQ(s.stateView(lauf).text("EditTemperatur"), "148");
    EXPECT_EQ(s.stateView(halt).text("EditTemperatur"), "148");
    EXPECT_EQ(s.stateView(halt).memoLines("MemoPhasen").at(0), "Eutektische Reaktion bei 148 °C:");
    EXPECT_FALSE(s.stateView(ende).timerEnabled("TimerAbkuehlen"));
    EXPECT_EQ(s.stateView(ende).text("EditTemperatur"), "0");
    EXPECT_EQ(s.stateView(ende).memoLines("MemoGefuege"),
        (std::vector<std::string> { "Eutektikum 100 %", "   davon A 40 %, B 60 %" }));
}
