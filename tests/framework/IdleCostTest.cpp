// What a form costs while nobody looks at it: a hidden form gives up its pixels unless a timer of
// its own still draws on them, and a memo filled line by line lays its text out once.
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "framework/Timers.h"
#include "tests/support/Harness.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using namespace wb;

namespace {

// A form with a blue box painted by its paint handler and a timer that draws a red line.
class BoxForm : public TForm {
public:
    explicit BoxForm(const QString& name)
        : TForm(name)
    {
        SetBorderStyle(bsToolWindow);
        SetBounds(0, 0, 400, 300);
        SetColor(RGB(0xD3, 0x05, 0x62));
        Box.SetBounds(10, 10, 100, 80);
        Box.OnPaint = [this] {
            Box.Canvas().Brush.SetColor(clBlue);
            Box.Canvas().Pen.SetColor(clWhite);
            Box.Canvas().Rectangle(0, 0, 100, 80);
        };
        Tick.OnTimer = [this] {
            Box.Canvas().Pen.SetColor(clRed);
            Box.Canvas().MoveTo(0, 40);
            Box.Canvas().LineTo(100, 40);
        };
    }
    TColor px(int x, int y) { return fromPixel(FormAccess::surface(*this).pixel(x, y)); }
    TPaintBox Box { this, QStringLiteral("Box") };
    TTimer Tick { this, QStringLiteral("Tick"), 100, false };
};

class IdleForms : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override
    {
        for (BoxForm* f : { &lesson, &other }) {
            f->Tick.SetEnabled(false);
            if (f->Visible())
                f->Hide();
        }
    }
    BoxForm lesson { QStringLiteral("Lesson") };
    BoxForm other { QStringLiteral("Other") };
};

} // namespace

TEST_F(IdleForms, AClosedFormGivesUpItsPixelsWhenTheNextOpensAndRepaintsWhenShown)
{
    lesson.Show();
    Application.flushPendingPaints();
    lesson.Tick.SetEnabled(true);
    Scheduler::instance().advance(100);
    lesson.Tick.SetEnabled(false);
    ASSERT_EQ(lesson.px(50, 50), clRed);
    lesson.Close();
    EXPECT_TRUE(FormAccess::hasSurface(lesson)) << "a closed form keeps its picture until another opens";
    EXPECT_EQ(lesson.px(50, 50), clRed);

    other.Show();
    Application.flushPendingPaints();
    EXPECT_FALSE(FormAccess::hasSurface(lesson));
    EXPECT_TRUE(FormAccess::hasSurface(other));

    other.Close();
    lesson.Show();
    Application.flushPendingPaints();
    ASSERT_TRUE(FormAccess::hasSurface(lesson));
    EXPECT_EQ(lesson.px(50, 50), clBlue) << "shown again, the form is repainted";
    EXPECT_EQ(lesson.px(10, 10), clWhite);
    EXPECT_EQ(lesson.px(200, 200), RGB(0xD3, 0x05, 0x62));
}

TEST_F(IdleForms, AHiddenFormWhoseTimerRunsOnKeepsItsPixels)
{
    lesson.Show();
    Application.flushPendingPaints();
    lesson.Close();
    lesson.Tick.SetEnabled(true); // the animation runs on behind the next form
    other.Show();
    Application.flushPendingPaints();
    ASSERT_TRUE(FormAccess::hasSurface(lesson));
    Scheduler::instance().advance(100);
    EXPECT_EQ(lesson.px(50, 50), clRed);
    EXPECT_EQ(lesson.px(50, 20), clBlue) << "what the repaint drew is still there";
}

TEST(MemoFill, LineByLineIsLaidOutOnceWithEveryLine)
{
    wbtest::resetApplication();
    TForm owner(QStringLiteral("Owner"));
    TMemo memo(&owner, QStringLiteral("Memo"));
    memo.SetBounds(0, 0, 300, 600);
    memo.Font.SetHeight(16);
    auto* edit = qobject_cast<QTextEdit*>(memo.widget());
    ASSERT_NE(edit, nullptr);
    int layouts = 0;
    QObject::connect(
        edit->document(), &QTextDocument::contentsChange, [&](int, int, int added) { layouts += added > 0; });

    memo.Lines.Clear();
    for (int i = 0; i < 30; ++i)
        memo.Lines.Add(QStringLiteral(" Zeile %1").arg(i));
    ASSERT_EQ(memo.widget(), edit);
    EXPECT_EQ(layouts, 1);
    EXPECT_EQ(edit->document()->blockCount(), 30);
    EXPECT_EQ(edit->document()->findBlockByNumber(29).text(), QStringLiteral(" Zeile 29"));
    edit->document()->setTextWidth(280);
    EXPECT_EQ(edit->document()->size().height(), 30 * 16 + 2) << "every line in the font's cell height";
}

TEST(MemoFill, ARepaintThatRefillsTheMemoLeavesItLaidOut)
{
    wbtest::resetApplication();
    TForm owner(QStringLiteral("Owner"));
    TMemo memo(&owner, QStringLiteral("Memo"));
    memo.SetBounds(0, 0, 300, 200);
    auto* edit = qobject_cast<QTextEdit*>(memo.widget());
    ASSERT_NE(edit, nullptr);
    int fills = 0;
    owner.OnPaint = [&] {
        ++fills;
        memo.Lines.Clear();
        for (int i = 0; i < 5; ++i)
            memo.Lines.Add(QStringLiteral("Runde %1, Zeile %2").arg(fills).arg(i));
    };
    owner.Show();
    Application.flushPendingPaints();
    owner.Refresh();
    // Read through the pointer taken before: the repaint itself put the text in.
    EXPECT_EQ(edit->toPlainText().split(QLatin1Char('\n')).last(), QStringLiteral("Runde 2, Zeile 4"));
    EXPECT_EQ(edit->textCursor().position(), 0) << "the caret at the first line";
    owner.Hide();
}
