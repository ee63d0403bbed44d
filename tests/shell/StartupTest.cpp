// Start-up: the 49 forms of the lesson plan and the explorers created once, hidden, in their fixed
// order, each with its caption, place, look and Esc item; and the end of the program when the main
// menu closes.
#include "ShellTables.h"
#include "app/Program.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "framework/Menus.h"

using namespace wb;
using namespace shelltest;

TEST(Startup, DriverListsTheFormsInCreationOrderWithTheCoverPageOnTop)
{
    const ScriptResult r = runProgram("forms\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 1u);
    const QJsonObject forms = json(r.lines[0]);
    std::vector<std::string> expected;
    for (const FormRow& row : kForms)
        expected.push_back(row.name);
    EXPECT_EQ(expected.size(), 50u); // the 49 forms of the lesson plan, then the phase diagram explorer
    EXPECT_EQ(names(forms.value(QStringLiteral("forms")).toArray()), expected);
    EXPECT_TRUE(forms.value(QStringLiteral("stack")).toArray().isEmpty());
    EXPECT_EQ(forms.value(QStringLiteral("top")).toString(), QStringLiteral("FormDeckblatt"));
}

TEST(Startup, EveryFormIsCreatedHiddenWithItsCaptionPlaceLookAndEscItem)
{
    wbtest::resetApplication(); // a 1024 x 768 screen
    createAllForms();
    const std::vector<TForm*>& forms = Application.forms();
    ASSERT_EQ(forms.size(), kForms.size());
    EXPECT_EQ(Application.MainForm(), forms.front());
    for (size_t i = 0; i < kForms.size(); ++i) {
        const FormRow& row = kForms[i];
        TForm* f = forms[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(f->Name().toStdString(), row.name);
        EXPECT_EQ(f->Caption().toStdString(), row.caption);
        EXPECT_FALSE(f->Visible());
        EXPECT_EQ(QRect(f->Left(), f->Top(), f->Width(), f->Height()), QRect(row.left, row.top, row.width, row.height));
        EXPECT_EQ(QSize(f->ClientWidth(), f->ClientHeight()), QSize(row.clientWidth, row.clientHeight));
        EXPECT_EQ(colorToHex(f->Color()).toStdString(), row.color);
        EXPECT_EQ(f->Font.Height(), row.fontHeight);
        TStatusBar* status = FormAccess::statusBar(*f);
        if (*row.status) {
            ASSERT_NE(status, nullptr);
            EXPECT_EQ(status->SimpleText().toStdString(), row.status);
            EXPECT_EQ(status->Height(), row.statusHeight);
            EXPECT_EQ(status->Top() + status->Height(), row.clientHeight) << "at the bottom";
        } else {
            EXPECT_EQ(status, nullptr);
        }
        ASSERT_NE(f->Menu(), nullptr);
        const TMenuItem* esc = f->Menu()->findShortCut(VK_ESCAPE);
        ASSERT_NE(esc, nullptr);
        EXPECT_EQ(esc->Name().toStdString(), row.escName);
        EXPECT_EQ(esc->Caption().toStdString(), row.escCaption);
        EXPECT_EQ(esc->Visible(), row.escVisible);
    }
    wbtest::resetApplication();
}

TEST(Startup, LessonsHaveTheirEndeItemAndBorder)
{
    wbtest::resetApplication();
    createAllForms();
    for (TForm* f : Application.forms()) {
        const QString name = f->Name();
        SCOPED_TRACE(name.toStdString());
        if (name == QLatin1String("FormDeckblatt")) {
            EXPECT_EQ(f->BorderStyle(), bsNone);
            EXPECT_EQ(f->BorderWidth(), 2);
            EXPECT_TRUE(f->Maximized());
            continue;
        }
        const QString endeName = name == QLatin1String("FormInfo") ? QStringLiteral("ende1") : QStringLiteral("Ende");
        const TMenuItem* ende = f->findMenuItem(endeName);
        ASSERT_NE(ende, nullptr);
        EXPECT_EQ(
            ende->Caption(), name == QLatin1String("FormMenue") ? QStringLiteral("Beenden") : QStringLiteral("&Ende"));
        EXPECT_TRUE(ende->visibleChain());
        TBorderStyle border = bsToolWindow;
        if (name.startsWith(QLatin1String("FormBild")) || name == QLatin1String("FormVerHart"))
            border = bsSizeToolWin;
        else if (name == QLatin1String("FormZuTyp5") || name == QLatin1String("FormZuTyp6")
            || name == QLatin1String("FormMenue"))
            border = bsSizeable;
        EXPECT_EQ(f->BorderStyle(), border);
    }
    wbtest::resetApplication();
}

TEST(Startup, ClosingTheMainMenuEndsTheProgramWithExitCodeZero)
{
    const char* const ways[] = { "key Esc", "menu Ende", "close" };
    for (const char* way : ways) {
        const ScriptResult ended = runProgram(std::string("skip-cover\n") + way + "\n");
        EXPECT_EQ(ended.code, 0) << way << ": " << ended.err;
        EXPECT_EQ(ended.err, "") << way;
        // A command after the end cannot run: the driver says so instead of passing over it.
        const ScriptResult r = runProgram(std::string("skip-cover\n") + way + "\nforms\n");
        EXPECT_EQ(r.code, 2) << way;
        EXPECT_TRUE(r.lines.empty()) << way << ": the program had ended, nothing after it ran";
        EXPECT_EQ(r.err, "error: line 3: the program has ended (after line 2): 'forms' cannot run\n") << way;
    }
}

TEST(Startup, TheProgramRunsOnWhileTheMainMenuIsOpen)
{
    const ScriptResult r = runProgram("skip-cover\nadvance 60000\nmenu Typ1\nkey Esc\nforms\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(
        names(json(r.lines[0]).value(QStringLiteral("stack")).toArray()), std::vector<std::string> { "FormMenue" });
}
