// The steel calculator through the headless driver, opened from the main menu's "Erkunden" menu:
// typing, the message for a wrong entry, the named steels, the view of the ZTU diagram, the
// pointer read-out, the page colour, and Esc and "&Ende".
#include "tests/support/Program.h"

#include <string>

namespace {

using wbtest::ProgramRun;
using wbtest::StateView;

ProgramRun run(const std::string& script)
{
    return wbtest::runProgram("skip-cover\nmenu Stahlrechner\n" + script);
}

} // namespace

TEST(StahlrechnerDriver, TypingRecomputesAndAWrongEntryIsRefusedWithItsRange)
{
    const ProgramRun r = run("type EditC 0,35\n"
                             "state FormStahlrechner\n"
                             "type EditMn 12\n"
                             "message\n"
                             "state FormStahlrechner\n"
                             "type EditKorngroesse 5\n"
                             "state FormStahlrechner\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 4u);
    const StateView typed(r.lines[0]);
    // Ms = 561 − 474 · 0.35 − 33 · 0.65 = 373.65; Ac3 = 910 − 203 √0.35 + 44.7 · 0.2 − 30 · 0.65 = 779.34.
    EXPECT_EQ(typed.text("EditMs"), "374");
    EXPECT_EQ(typed.text("EditAc3"), "779");
    EXPECT_EQ(typed.text("LabelStahl"), "eigene Zusammensetzung");
    EXPECT_EQ(r.lines[1], "Mn = 12 liegt außerhalb des Eingabebereichs. Zulässig sind Werte von 0 % bis 10 %.");
    const StateView refused(r.lines[2]);
    EXPECT_EQ(refused.text("EditMn"), "0,65");
    EXPECT_EQ(refused.text("EditMs"), "374");
    // Grain size 5 leaves A255's grain size 7: DI flagged, and the notes say why.
    const StateView coarse(r.lines[3]);
    EXPECT_EQ(coarse.text("EditDI").back(), '*');
    bool named = false;
    for (const std::string& line : coarse.memoLines("MemoHinweise"))
        named = named || line.find("Korngröße = 5") != std::string::npos;
    EXPECT_TRUE(named);
}

TEST(StahlrechnerDriver, MenusPointerAndClosing)
{
    const ProgramRun r = run("menu Stahl16MnCr5\n"
                             "state FormStahlrechner\n"
                             "menu ZTUKontinuierlich\n"
                             "mousemove PaintBoxZTU 400 200\n"
                             "state FormStahlrechner\n"
                             "mousemove PaintBoxAnlassen 150 100\n"
                             "state FormStahlrechner\n"
                             "key Esc\n"
                             "forms\n"
                             "menu Stahlrechner\n"
                             "menu Ende\n"
                             "forms\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 5u);
    const StateView steel(r.lines[0]);
    EXPECT_EQ(steel.text("EditC"), "0,165");
    EXPECT_EQ(steel.text("EditCr"), "0,95");
    EXPECT_EQ(steel.text("LabelStahl"), "16MnCr5 nach EN 10084 (Mittelwerte)");
    const std::string continuous = StateView(r.lines[1]).text("LabelAblesung");
    EXPECT_EQ(continuous.rfind("t = ", 0), 0u) << continuous;
    EXPECT_NE(continuous.find("; Kurve "), std::string::npos) << continuous;
    EXPECT_NE(continuous.find(" HV"), std::string::npos) << continuous;
    const std::string tempering = StateView(r.lines[2]).text("LabelAblesung");
    EXPECT_EQ(tempering.rfind("Anlassen bei ", 0), 0u) << tempering;
    for (int i : { 3, 4 }) {
        const QJsonObject forms = wbtest::json(r.lines[i]);
        EXPECT_EQ(forms.value(QStringLiteral("top")).toString(), QStringLiteral("FormMenue")) << i;
    }
}
