// The main menu: its items, each command opening its form modally, the full-screen layout,
// the background toggle, both colour commands and the C45 command.
#include "ShellTables.h"
#include "app/Program.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "heattreat/UnitLMC45.h"
#include "shell/UnitMenue.h"

#include <deque>
#include <set>
#include <sstream>

using namespace wb;
using namespace shelltest;

namespace {

struct MenuItemRow {
    const char* name;
    const char* caption;
    bool visible;
    const char* shortcut;
};

// Colour dialogs that remember the colour each one opened with.
class RecordingDialogs : public DialogAnswers {
public:
    std::vector<TColor> opened;
    std::deque<std::optional<TColor>> answers;
    std::optional<TColor> colorDialog(TColor initial) override
    {
        opened.push_back(initial);
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    void messageBox(const QString&) override { }
};

std::string colorOf(const QJsonObject& state)
{
    return state.value(QStringLiteral("color")).toString().toStdString();
}

} // namespace

TEST(MainMenu, MenuBarHoldsEveryItemInOrderLetterForLetter)
{
    // clang-format off
    const MenuItemRow rows[] = {
        { "Datei", "&Datei", true, "" },
        { "Hintergrund", "Hintergrund Gefüge ja/nein", true, "" },
        { "Farbewaehlen", "Hintergrundfarbe wählen: Seiten", true, "" },
        { "HintergrundfarbewhlenMenue", "Hintergrundfarbe wählen: Menueblatt", true, "" },
        { "Ende", "Beenden", true, "" },
        { "ESC1", "ESC", false, "Esc" },
        { "GrundlagenZustandsschaubilder", "&Zustandsschaubilder", true, "" },
        { "AllgemeinesZU", "Allgemeines zu Zustandsschaubildern", true, "" },
        { "AllgemeineszumAufstellen1", "Allgemeines zur Entstehung ", true, "" },
        { "AbTyp1", "Entstehung: Vollkommene Löslichkeit im flüssigen und festen Zustand ", true, "" },
        { "AbTyp2", "Entstehung: Vollkommene Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen Zustand ", true, "" },
        { "Typ1", "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ", true, "" },
        { "Typ2", "Vollkommene &Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen Zustand (\"Typ 2\")", true, "" },
        { "Typ3", "Eutektisches System mit begrenzter Löslichkeit (\"Typ 3\")", true, "" },
        { "Typ4", "Peritektisches System mit begrenzter Löslichkeit (\"Typ 4\")", true, "" },
        { "Typ5", "System intermediäre Phase (\"Typ 5\")", true, "" },
        { "Typ6", "System mit Umwandlungen im festen Zustand (\"Typ 6\")", true, "" },
        { "EisenKohlenstoffDiagramme", "Zustandsschaubild &Eisen-Kohlenstoff", true, "" },
        { "AllgemeinesEKD", "Allgemeines", true, "" },
        { "Reineisen", "Reineisen", true, "" },
        { "EKDGesamt", "EKS-metastabiler und stabiler Zustand", true, "" },
        { "EKDmetastabilAustenitFerritPerlit1", "EKS-metastabil (Austenit-Ferrit-Perlit)", true, "" },
        { "EKSmetastabilGefgebilder1", "EKS-metastabil-Gefügebilder", true, "" },
        { "C06", "Abkühlung bei C= 0.6 %", true, "" },
        { "C12", "Abkühlung bei C = 1.2 %", true, "" },
        { "C30", "Abkühlung bei C = 3.0 %", true, "" },
        { "EisenKohlenstoff", "Zei&tabhängige Zustandsänderungen", true, "" },
        { "AllZeit", "Allgemeines", true, "" },
        { "ZTAZTU", "ZTA/ZTU-Schaubilder", true, "" },
        { "ZTAcon045", "Kontinuierliches ZTA-Schaubild (C = 0.45%)", true, "" },
        { "ZTAcon07", "Kontinuierliches ZTA-Schaubild (C = 0.70%)", true, "" },
        { "ZTAiso045", "Isothermes ZTA-Schaubild (C = 0.45%)", true, "" },
        { "ZTUcon045", "Kontinuierliches ZTU-Schaubild (C = 0.45%)", true, "" },
        { "ZTUcon07", "Kontinuierliches ZTU-Schaubild (C = 0.70%)", true, "" },
        { "ZTUiso045", "Isothermes ZTU-Schaubild (C = 0.45%)", true, "" },
        { "ZTUiso07", "Isothermes ZTU-Schaubild (C = 0.70%)", true, "" },
        { "Warm", "&Wärmebehandlung", true, "" },
        { "Definition", "Definition", true, "" },
        { "ZTAZTUSchaubildC0451", "Iso.ZTA/konti.ZTU-Schaubild (C = 0.45%)", true, "" },
        { "Temperatufhrung", "Temperaturführung", true, "" },
        { "Glhverfahren1", "Glühverfahren", true, "" },
        { "Normal", "Normalglühen", true, "" },
        { "Haerten", "Härten", true, "" },
        { "Vergten", "Vergüten", true, "" },
        { "GefgeC451", "Gefüge C45: Normalglühen, Härten, Vergüten", true, "" },
        { "Vergtungsschaubild1", "Vergütungsschaubild C45", true, "" },
        { "Haertekurven1", "Härtekurven Stirnabschreckprobe C45", true, "" }, // ours: the hardness curves have no item of their own
        { "Erkunden", "E&rkunden", true, "" }, // ours: the explorers
        { "ErkundenZu", "Zustandsschaubilder erkunden", true, "" },
        { "ErkundenEKD", "Eisen-Kohlenstoff-Schaubild erkunden", true, "" },
        { "ErkundenZTU", "Abkühlung selbst wählen (ZTU)", true, "" },
        { "Stahlrechner", "Stahlrechner: beliebiger Stahl", true, "" },
        { "Info", "Info", true, "" },
    };
    // clang-format on
    const std::set<std::string> submenus { "Datei", "GrundlagenZustandsschaubilder", "EisenKohlenstoffDiagramme",
        "EisenKohlenstoff", "Warm", "Erkunden" };
    wbtest::resetApplication();
    createAllForms();
    const std::vector<TMenuItem*> items = FormMenue->menuItems();
    ASSERT_EQ(items.size(), std::size(rows));
    std::string parent;
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuItemRow& row = rows[i];
        const TMenuItem* item = items[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(item->Name().toStdString(), row.name);
        EXPECT_EQ(item->Caption().toStdString(), row.caption);
        EXPECT_EQ(item->Visible(), row.visible);
        EXPECT_EQ(item->shortCutText().toStdString(), row.shortcut);
        // The six submenus hold the items listed after them; "Info" is a command on the bar.
        if (submenus.count(row.name) || std::string(row.name) == "Info") {
            EXPECT_EQ(item->Parent(), nullptr);
            parent = row.name;
        } else {
            ASSERT_NE(item->Parent(), nullptr);
            EXPECT_EQ(item->Parent()->Name().toStdString(), parent);
        }
    }
    wbtest::resetApplication();
}

TEST(MainMenu, EveryCommandOpensItsFormModallyAndEscReturnsToTheMenu)
{
    std::ostringstream script;
    script << "screen 1024 768\nskip-cover\n";
    for (const Command& c : kCommands)
        script << "menu " << c.item << "\nforms\nstate\nkey Esc\nforms\n";
    script << "key Esc\n";
    const ScriptResult r = runProgram(script.str());
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 3 * kCommands.size());
    for (size_t i = 0; i < kCommands.size(); ++i) {
        const Command& c = kCommands[i];
        SCOPED_TRACE(c.item);
        const QJsonObject open = json(r.lines[3 * i]);
        EXPECT_EQ(
            names(open.value(QStringLiteral("stack")).toArray()), (std::vector<std::string> { "FormMenue", c.form }));
        EXPECT_EQ(open.value(QStringLiteral("top")).toString().toStdString(), c.form);
        const QJsonObject state = json(r.lines[3 * i + 1]);
        EXPECT_EQ(state.value(QStringLiteral("caption")).toString().toStdString(), formRow(c.form).caption);
        EXPECT_TRUE(state.value(QStringLiteral("visible")).toBool());
        const QJsonObject back = json(r.lines[3 * i + 2]);
        EXPECT_EQ(names(back.value(QStringLiteral("stack")).toArray()), std::vector<std::string> { "FormMenue" });
        EXPECT_EQ(back.value(QStringLiteral("top")).toString(), QStringLiteral("FormMenue"));
    }
}

TEST(MainMenu, PaintLaysTheFormOverTheScreenAndCentresTheBackgroundImage)
{
    struct Case {
        int screenW, screenH;
        int clientW, clientH;
        int imageLeft, imageTop;
    };
    const Case cases[] = {
        // Sizeable frame and menu bar: the client area is 8 narrower and 8 + 22 + 20 lower.
        { 1024, 768, 1016, 718, 8, 0 }, // (1016 - 1000) / 2, (718 - 700 - 18) / 2
        { 800, 600, 792, 550, -104, -84 }, // the image is cut on both sides
        { 801, 601, 793, 551, -103, -83 }, // -207 / 2 and -167 / 2 truncate toward zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screenW);
        const ScriptResult r = runProgram(
            "screen " + std::to_string(c.screenW) + " " + std::to_string(c.screenH) + "\nskip-cover\nstate\nkey Esc\n");
        ASSERT_EQ(r.code, 0) << r.err;
        const QJsonObject s = json(r.lines.at(0));
        EXPECT_EQ(s.value(QStringLiteral("bounds")).toArray(), QJsonArray({ 0, 0, c.screenW, c.screenH }));
        EXPECT_EQ(s.value(QStringLiteral("clientWidth")).toInt(), c.clientW);
        EXPECT_EQ(s.value(QStringLiteral("clientHeight")).toInt(), c.clientH);
        EXPECT_EQ(component(s, QStringLiteral("ImageHinter")).value(QStringLiteral("bounds")).toArray(),
            QJsonArray({ c.imageLeft, c.imageTop, 1000, 700 }));
        EXPECT_EQ(component(s, QStringLiteral("StatusBarHint")).value(QStringLiteral("bounds")).toArray(),
            QJsonArray({ 0, c.clientH - 18, c.clientW, 18 }));
    }
}

TEST(MainMenu, BackgroundCommandTogglesThePictureAndTheFormColourShowsInItsPlace)
{
    const ScriptResult r = runProgram("screen 1024 768\nskip-cover\nmenu Hintergrund\nstate\npixel 500 300\n"
                                      "color #336699\nmenu HintergrundfarbewhlenMenue\npixel 500 300\n"
                                      "menu Hintergrund\nstate\nkey Esc\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 4u);
    auto imageVisible = [](const std::string& line) {
        return component(json(line), QStringLiteral("ImageHinter")).value(QStringLiteral("visible")).toBool();
    };
    EXPECT_FALSE(imageVisible(r.lines[0]));
    EXPECT_EQ(r.lines[1], "#000000");
    EXPECT_EQ(r.lines[2], "#336699");
    EXPECT_TRUE(imageVisible(r.lines[3])) << "twice restores the picture";
}

TEST(MainMenu, PageColourCommandRecoloursExactlyThePageFormsAndCancelChangesNothing)
{
    std::ostringstream states;
    for (const FormRow& row : kForms)
        states << "state " << row.name << "\n";
    const ScriptResult r = runProgram("screen 1024 768\nskip-cover\n"
                                      "color #123456\nmenu Farbewaehlen\n"
        + states.str() + "color cancel\nmenu Farbewaehlen\n" + states.str()
        + "menu AllgemeinesZU\npixel 2 2\nkey Esc\nkey Esc\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 2 * kForms.size() + 1);
    const std::set<std::string> pages(kPageForms.begin(), kPageForms.end());
    ASSERT_EQ(pages.size(), 36u); // the lesson plan's 32 and the windows to explore with
    for (size_t pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < kForms.size(); ++i) {
            const FormRow& row = kForms[i];
            SCOPED_TRACE(std::string(row.name) + (pass ? " after cancel" : " after confirm"));
            const std::string expected = pages.count(row.name) ? "#123456" : row.color;
            EXPECT_EQ(colorOf(json(r.lines[pass * kForms.size() + i])), expected);
        }
    }
    EXPECT_EQ(r.lines.back(), "#123456") << "the page shows its new colour";
}

TEST(MainMenu, MenuColourCommandRecoloursOnlyTheMenu)
{
    const ScriptResult r = runProgram("screen 1024 768\nskip-cover\ncolor #ABCDEF\nmenu HintergrundfarbewhlenMenue\n"
                                      "state FormMenue\nstate FormAllZu\npixel 2 300\n"
                                      "color cancel\nmenu HintergrundfarbewhlenMenue\nstate FormMenue\nkey Esc\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(colorOf(json(r.lines[0])), "#ABCDEF");
    EXPECT_EQ(colorOf(json(r.lines[1])), "#D30562");
    EXPECT_EQ(r.lines[2], "#ABCDEF") << "left of the background picture";
    EXPECT_EQ(colorOf(json(r.lines[3])), "#ABCDEF") << "cancel changes nothing";
}

TEST(MainMenu, BothColourDialogsOpenWithTheLastConfirmedColour)
{
    wbtest::resetApplication();
    RecordingDialogs dialogs;
    Application.setHeadless(&wbtest::events(), &dialogs);
    createAllForms();
    dialogs.answers = { RGB(0x12, 0x34, 0x56), std::nullopt, RGB(0xAB, 0xCD, 0xEF), std::nullopt };
    FormMenue->Farbewaehlen.Click();
    FormMenue->HintergrundfarbewhlenMenue.Click();
    FormMenue->HintergrundfarbewhlenMenue.Click();
    FormMenue->Farbewaehlen.Click();
    // Black at first, then the colour the page command confirmed; a cancel keeps it.
    EXPECT_EQ(dialogs.opened,
        (std::vector<TColor> { clBlack, RGB(0x12, 0x34, 0x56), RGB(0x12, 0x34, 0x56), RGB(0xAB, 0xCD, 0xEF) }));
    wbtest::resetApplication();
    Application.setHeadless(&wbtest::events(), &wbtest::events());
}

TEST(MainMenu, C45CommandAlwaysOpensTheNormalisedMicrograph)
{
    wbtest::resetApplication();
    createAllForms();
    FormLMC45->ImageNormal.SetVisible(false);
    FormLMC45->ImageHart.SetVisible(true);
    std::vector<bool> shown;
    bool modal = false;
    wbtest::events().actions.push_back([&] {
        modal = Application.topForm() == FormLMC45 && FormLMC45->isModal();
        shown = { FormLMC45->ImageNormal.Visible(), FormLMC45->ImageHart.Visible(), FormLMC45->ImageVerg.Visible() };
        FormLMC45->pressKey(VK_ESCAPE);
    });
    FormMenue->GefgeC451.Click();
    EXPECT_TRUE(modal);
    EXPECT_EQ(shown, (std::vector<bool> { true, false, false }));
    EXPECT_FALSE(FormLMC45->Visible());
    wbtest::resetApplication();
}

TEST(MainMenu, C45MicrographsLieUnderTheCaptionStrip)
{
    const ScriptResult r = runProgram("screen 1024 768\nskip-cover\nmenu GefgeC451\nstate\nkey Esc\nkey Esc\n");
    ASSERT_EQ(r.code, 0) << r.err;
    const QJsonObject s = json(r.lines.at(0));
    struct Case {
        const char* name;
        bool visible;
    };
    for (const Case& c : { Case { "ImageNormal", true }, Case { "ImageHart", false }, Case { "ImageVerg", false } }) {
        const QJsonObject image = component(s, QString::fromLatin1(c.name));
        EXPECT_EQ(image.value(QStringLiteral("bounds")).toArray(), QJsonArray({ 2, 1, 790, 470 })) << c.name;
        EXPECT_EQ(image.value(QStringLiteral("visible")).toBool(), c.visible) << c.name;
    }
}
