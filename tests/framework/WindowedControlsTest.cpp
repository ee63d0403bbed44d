// Windowed controls (memo, edit, panel, button, status bar, scroll bar) keep their state
// themselves: their form's Qt widgets are made when it is first shown or when anything asks for
// one of them, and then show what was set before. The faces Qt knows are the built-in ones.
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/FormAccess.h"
#include "framework/FormWindow.h"
#include "framework/Forms.h"
#include "framework/SurfaceWidget.h"
#include "tests/support/Harness.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

using namespace wb;

namespace {

// A form of every windowed kind, described in this order, with state set as a form's
// constructor and FormCreate set it: before any widget exists.
class ControlsForm : public TForm {
public:
    ControlsForm()
        : TForm(QStringLiteral("ControlsForm"))
    {
        SetBorderStyle(bsToolWindow);
        SetBounds(0, 0, 400, 300);
        Panel.SetBounds(0, 0, 120, 60);
        Memo.SetBounds(130, 0, 120, 80);
        Memo.SetReadOnly(true);
        Memo.SetScrollBars(ssVertical);
        Memo.SetTabStop(false);
        Memo.Font.SetHeight(16);
        Memo.Lines.Add(QStringLiteral("erste Zeile"));
        Memo.Lines.Add(QStringLiteral("zweite Zeile"));
        Edit.SetBounds(10, 100, 60, 20);
        Edit.SetText(QStringLiteral("12"));
        Edit.SetReadOnly(true);
        Button.SetBounds(80, 100, 60, 20);
        Button.SetCaption(QStringLiteral("Start"));
        Button.SetEnabled(false);
        Bar.SetBounds(10, 130, 200, 16);
        Bar.SetMin(2);
        Bar.SetMax(40);
        Bar.SetPosition(17);
        Bar.SetVisible(false);
    }
    TPanel Panel { this, QStringLiteral("Panel") };
    TMemo Memo { this, QStringLiteral("Memo") };
    TEdit Edit { this, QStringLiteral("Edit") };
    TButton Button { this, QStringLiteral("Button") };
    TScrollBar Bar { this, QStringLiteral("Bar") };
    TStatusBar Status { this, QStringLiteral("Status") };

    std::vector<TWinControl*> windowed() { return { &Panel, &Memo, &Edit, &Button, &Bar, &Status }; }
};

class WindowedControls : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override
    {
        if (f.Visible())
            f.Hide();
    }
    bool anyWidget()
    {
        for (TWinControl* c : f.windowed())
            if (c->childHost())
                return true;
        return false;
    }
    // Every control has its widget, and the widgets lie in the client area in description order.
    void expectAllMadeInOrder()
    {
        QList<QWidget*> order;
        for (QObject* o : FormAccess::window(f)->client()->children())
            if (auto* w = qobject_cast<QWidget*>(o))
                order << w;
        QList<QWidget*> expected;
        for (TWinControl* c : f.windowed()) {
            ASSERT_NE(c->childHost(), nullptr) << c->Name().toStdString();
            expected << c->childHost();
        }
        EXPECT_EQ(order, expected);
    }
    ControlsForm f;
};

} // namespace

TEST_F(WindowedControls, AHiddenFormHasNoWidgetsUntilItIsShown)
{
    EXPECT_FALSE(anyWidget());
    Application.flushPendingPaints();
    EXPECT_FALSE(anyWidget()) << "painting the visible forms leaves a hidden one alone";
    f.Show();
    expectAllMadeInOrder();
}

TEST_F(WindowedControls, AskingForOneWidgetMakesAllOfItsForm)
{
    ASSERT_NE(f.Bar.widget(), nullptr);
    expectAllMadeInOrder();
    // Showing the form later makes nothing twice.
    QWidget* memo = f.Memo.widget();
    f.Show();
    EXPECT_EQ(f.Memo.widget(), memo);
    expectAllMadeInOrder();
}

TEST_F(WindowedControls, WidgetsShowWhatWasSetBeforeTheyExisted)
{
    f.Show();
    auto* memo = qobject_cast<QTextEdit*>(f.Memo.widget());
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("erste Zeile\nzweite Zeile"));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(memo->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(memo->focusPolicy(), Qt::ClickFocus) << "not a tab stop";
    EXPECT_EQ(memo->geometry(), QRect(130, 0, 120, 80));
    EXPECT_EQ(memo->font(), fonts::qfontFor(f.Memo.Font));
    memo->document()->setTextWidth(100);
    EXPECT_EQ(memo->document()->size().height(), 2 * 16 + 2) << "the lines step by the font's cell height";

    auto* edit = qobject_cast<QLineEdit*>(f.Edit.widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    EXPECT_TRUE(edit->isReadOnly());

    auto* button = qobject_cast<QPushButton*>(f.Button.widget());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Start"));
    EXPECT_FALSE(button->isEnabled());

    auto* bar = qobject_cast<QScrollBar*>(f.Bar.widget());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 2);
    EXPECT_EQ(bar->maximum(), 40);
    EXPECT_EQ(bar->value(), 17);
    EXPECT_TRUE(bar->isHidden());

    // The status bar took its place at the bottom of the client area.
    EXPECT_EQ(f.Status.childHost()->geometry(), f.Status.clientRect());
    EXPECT_EQ(f.Status.clientRect().bottom(), f.ClientHeight() - 1);
}

TEST_F(WindowedControls, AMemoFilledWhileItsFormIsHiddenTakesTheLastFill)
{
    f.Memo.Lines.Clear();
    for (int i = 0; i < 4; ++i)
        f.Memo.Lines.Add(QStringLiteral("Zeile %1").arg(i));
    f.Memo.Lines.Put(1, QStringLiteral("neu"));
    f.Show();
    Application.flushPendingPaints();
    auto* memo = qobject_cast<QTextEdit*>(f.Memo.childHost());
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Zeile 0\nneu\nZeile 2\nZeile 3"));
    EXPECT_EQ(memo->textCursor().position(), 0) << "read from the first line";
}

TEST_F(WindowedControls, AnEditReportsChangesAsItsFieldWouldBeforeAndAfterTheFieldExists)
{
    // Each step: the text set, whether OnChange runs. The same steps before and after the
    // field is made.
    struct Step {
        QString text;
        bool changes;
    };
    const QString tooLong(40000, QLatin1Char('7'));
    const Step steps[] = {
        { QStringLiteral("12"), false }, // what the form set already
        { QStringLiteral("3"), true },
        { QStringLiteral("3"), false },
        { QString(), true },
        { QString(), false },
        { tooLong, true },
        { tooLong, false }, // cut at the same length both times
        { QStringLiteral("250"), true },
    };
    for (const bool made : { false, true }) {
        SCOPED_TRACE(made ? "with its field" : "before its field");
        f.Edit.SetText(QStringLiteral("12"));
        if (made)
            f.Show();
        ASSERT_EQ(f.Edit.childHost() != nullptr, made);
        int changes = 0;
        f.Edit.OnChange = [&] { ++changes; };
        for (const Step& s : steps) {
            const int before = changes;
            f.Edit.SetText(s.text);
            EXPECT_EQ(changes - before, s.changes ? 1 : 0) << s.text.left(8).toStdString();
            EXPECT_EQ(f.Edit.Text(), s.text.left(32767));
        }
        f.Edit.OnChange = nullptr;
    }
}

TEST_F(WindowedControls, MakingTheFieldRunsNoOnChange)
{
    int changes = 0;
    f.Edit.OnChange = [&] { ++changes; };
    f.Edit.SetText(QStringLiteral("999"));
    ASSERT_EQ(changes, 1);
    f.Show();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(qobject_cast<QLineEdit*>(f.Edit.widget())->text(), QStringLiteral("999"));
    // Typing into the field is a change as before.
    qobject_cast<QLineEdit*>(f.Edit.widget())->insert(QStringLiteral("1"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(f.Edit.Text(), QStringLiteral("9991"));
}

TEST(Fonts, EveryFaceQtCanFindIsABuiltInOne)
{
    wbtest::resetApplication();
    // No face installed on the machine stands in for a built-in one, nor is found for a name
    // the program never uses.
    const QStringList builtIn { fonts::familyFor(QStringLiteral("MS Sans Serif")),
        fonts::familyFor(QStringLiteral("Times New Roman")) };
    QStringList asked = QFontDatabase::families();
    asked << QStringLiteral("DejaVu Sans") << QStringLiteral("Liberation Sans") << QStringLiteral("Arial");
    for (const QString& family : asked) {
        QFont f(family);
        f.setPixelSize(13);
        EXPECT_TRUE(builtIn.contains(QFontInfo(f).family()))
            << family.toStdString() << " gives " << QFontInfo(f).family().toStdString();
    }
    EXPECT_TRUE(QFontDatabase::families().contains(builtIn[0]));
    EXPECT_TRUE(QFontDatabase::families().contains(builtIn[1]));
}
