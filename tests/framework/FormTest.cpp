// Forms and their components: the shared pixel surface, repaints, menus and shortcuts,
// disabled forms, modal showing, alignment, images and image lists.
#include "framework/FormAccess.h"
#include "framework/FormWindow.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "tests/support/Harness.h"

#include <QScrollBar>
#include <QTextEdit>

using namespace wb;
using wbtest::events;

namespace {

// A small lesson-like form: two paint boxes over the same area, a strip below, a menu with a
// hidden Esc item, a submenu, a status bar and a timer.
class LayerForm : public TForm {
public:
    LayerForm()
        : TForm(QStringLiteral("LayerForm"))
    {
        SetBorderStyle(bsToolWindow);
        SetBounds(0, 0, 800, 600);
        SetColor(RGB(0xD3, 0x05, 0x62));
        Main.SetBounds(10, 10, 100, 80);
        Layer.SetBounds(10, 10, 100, 80);
        Strip.SetBounds(10, 70, 100, 20);
        Strip.SetColor(RGB(0x80, 0x00, 0xFF));
        Status.SetSimpleText(QStringLiteral("ESC = Abbruch"));
        Main.OnPaint = [this] {
            auto& c = Main.Canvas();
            c.Pen.SetColor(clWhite);
            c.Brush.SetColor(clBlue);
            c.Rectangle(0, 0, 100, 80);
            ++mainPaints;
        };
        Strip.OnPaint = [this] {
            // The strip's colour arrived as the brush; the pen is whatever it was.
            stripBrush = Strip.Canvas().Brush.Color();
            stripPen = Strip.Canvas().Pen.Color();
            stripFontHeight = Strip.Canvas().Font.Height();
            Strip.Canvas().Rectangle(0, 0, 100, 20);
        };
        Ende.OnClick = [this] {
            endeClicks++;
            Close();
        };
        Escape.OnClick = [this] {
            escClicks++;
            Close();
        };
        Start.OnClick = [this] { starts++; };
        Text.OnClick = [this] { texts++; };
        OnClose = [this] { closes++; };
    }
    TPaintBox Main { this, QStringLiteral("Main") };
    TPaintBox Layer { this, QStringLiteral("Layer") };
    TPaintBox Strip { this, QStringLiteral("Strip") };
    TStatusBar Status { this, QStringLiteral("Status") };
    TMainMenu Menu1 { this, QStringLiteral("Menu1") };
    TMenuItem Ende { Menu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem Datei { Menu1, QStringLiteral("Datei"), QStringLiteral("&Datei") };
    TMenuItem Text { Datei, QStringLiteral("Text"), QStringLiteral("Text ja/nein"), VK_F1 };
    TMenuItem Start { Menu1, QStringLiteral("Start"), QStringLiteral("&Start") };
    TMenuItem Escape { Menu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };
    TTimer Tick { this, QStringLiteral("Tick"), 100 };

    int mainPaints = 0, endeClicks = 0, escClicks = 0, starts = 0, texts = 0, closes = 0;
    TColor stripBrush = 0, stripPen = 0;
    int stripFontHeight = 0;
};

class Forms : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override
    {
        f.Tick.SetEnabled(false);
        if (f.Visible())
            f.Hide();
    }
    TColor px(int x, int y) { return fromPixel(FormAccess::surface(f).pixel(x, y)); }
    LayerForm f;
};

} // namespace

TEST_F(Forms, ToolWindowWithMenuBarHasTheFixedClientSize)
{
    EXPECT_EQ(f.ClientWidth(), 792);
    EXPECT_EQ(f.ClientHeight(), 554);
    f.SetHeight(605);
    EXPECT_EQ(f.ClientHeight(), 559);
    f.SetClientWidth(400);
    EXPECT_EQ(f.Width(), 408);
}

TEST(FormWindows, BorderStyleDecidesButtonsAndWhetherTheSizeIsFixed)
{
    wbtest::resetApplication();
    struct Case {
        TBorderStyle style;
        bool title, minMax, close, frameless, sizeable;
    };
    // Tool windows have a caption with the close box only; a borderless form has no decoration;
    // only the sizeable styles may be resized by the user, and only bsSizeable has the
    // minimise and maximise buttons.
    const Case cases[] = {
        { bsToolWindow, true, false, true, false, false },
        { bsSizeToolWin, true, false, true, false, true },
        { bsNone, false, false, false, true, false },
        { bsSizeable, true, true, true, false, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        TForm form(QStringLiteral("F"));
        form.SetBorderStyle(bsSizeable == c.style ? bsToolWindow : bsSizeable); // away from the default and back
        form.SetBorderStyle(c.style);
        form.SetBounds(10, 20, 400, 330);
        const Qt::WindowFlags flags = FormAccess::window(form)->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::Window));
        EXPECT_EQ(flags.testFlag(Qt::WindowTitleHint), c.title);
        EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), c.minMax);
        EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), c.minMax);
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.close);
        EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), c.frameless);
        // A fixed window's minimum and maximum are its size inside the frame.
        const QSize inner(form.ClientWidth(), form.ClientHeight());
        const QWidget* w = FormAccess::window(form);
        EXPECT_EQ(w->minimumSize() == inner && w->maximumSize() == inner, !c.sizeable);
        EXPECT_EQ(userSizeable(c.style), c.sizeable);
    }
}

TEST(FormWindows, ResizingASizeableFormKeepsItsStatusBarAtTheBottom)
{
    wbtest::resetApplication();
    TForm form(QStringLiteral("F"));
    form.SetBorderStyle(bsSizeable);
    form.SetBounds(0, 0, 800, 600);
    TStatusBar status(&form, QStringLiteral("Status"));
    status.SetHeight(18);
    form.Show();
    FormAccess::userResized(form, QSize(500, 300)); // inside the frame: 4 + 4 wide, 4 + 4 + 22 caption high
    EXPECT_EQ(form.Width(), 508);
    EXPECT_EQ(form.Height(), 330);
    EXPECT_EQ(status.Top() + status.Height(), form.ClientHeight());
    EXPECT_EQ(status.Width(), 500);
    form.Hide();

    // A tool window keeps its size whatever the window reports.
    TForm tool(QStringLiteral("T"));
    tool.SetBorderStyle(bsToolWindow);
    tool.SetBounds(0, 0, 800, 600);
    tool.Show();
    FormAccess::userResized(tool, QSize(500, 300));
    EXPECT_EQ(QSize(tool.Width(), tool.Height()), QSize(800, 600));
    tool.Hide();
}

TEST_F(Forms, FormWithoutVisibleMenuItemsHasNoMenuBar)
{
    TForm bare(QStringLiteral("Bare"));
    bare.SetBorderStyle(bsToolWindow);
    bare.SetBounds(0, 0, 400, 330);
    EXPECT_EQ(bare.ClientHeight(), 330 - 26);
    TMainMenu menu(&bare, QStringLiteral("M"));
    TMenuItem hidden(menu, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false);
    EXPECT_EQ(bare.ClientHeight(), 330 - 26);
    TMenuItem shown(menu, QStringLiteral("Ende"), QStringLiteral("&Ende"));
    EXPECT_EQ(bare.ClientHeight(), 330 - 26 - kMenuBarHeight);
}

TEST_F(Forms, RefreshFillsWithTheFormColourThenPaintsBoxesInOrder)
{
    f.Show();
    f.Refresh();
    EXPECT_EQ(px(5, 5), RGB(0xD3, 0x05, 0x62)) << "form colour outside the boxes";
    EXPECT_EQ(px(10, 10), clWhite) << "outline of the main box";
    EXPECT_EQ(px(50, 40), clBlue) << "fill of the main box";
    // The strip is painted after the main box, on top of its lower part.
    EXPECT_EQ(px(50, 80), RGB(0x80, 0x00, 0xFF));
    EXPECT_EQ(f.stripBrush, RGB(0x80, 0x00, 0xFF));
}

TEST_F(Forms, PaintBoxesOverTheSameAreaShareTheirPixels)
{
    f.Show();
    f.Refresh();
    auto& layer = f.Layer.Canvas();
    layer.Pen.SetMode(pmNotXor);
    layer.Pen.SetColor(clBlack);
    layer.MoveTo(0, 30);
    layer.LineTo(100, 30);
    // NOT(black XOR blue) = NOT(blue) = yellow, drawn over the main box's pixels.
    EXPECT_EQ(px(50, 40), clYellow);
    EXPECT_EQ(f.Main.Canvas().Pixel(40, 30), clYellow);
    layer.MoveTo(0, 30);
    layer.LineTo(100, 30);
    EXPECT_EQ(px(50, 40), clBlue);
}

TEST_F(Forms, WhatATickDrawsStaysUntilTheNextRepaint)
{
    f.Show();
    Application.flushPendingPaints();
    f.Tick.OnTimer = [this] {
        f.Main.Canvas().Pen.SetColor(clRed);
        f.Main.Canvas().MoveTo(0, 20);
        f.Main.Canvas().LineTo(50, 20);
    };
    f.Tick.SetEnabled(true);
    Scheduler::instance().advance(100);
    EXPECT_EQ(px(30, 30), clRed);
    Scheduler::instance().advance(100);
    EXPECT_EQ(px(30, 30), clRed);
    f.Refresh();
    EXPECT_EQ(px(30, 30), clBlue);
}

TEST_F(Forms, CanvasSettingsPersistBetweenPaintsButTheBoxHandsOverFontAndColour)
{
    f.Show();
    f.Strip.Canvas().Pen.SetColor(clLime);
    f.Strip.Canvas().Brush.SetColor(clYellow);
    f.Strip.Canvas().Font.SetHeight(30);
    f.Strip.Canvas().MoveTo(7, 8);
    f.Refresh();
    EXPECT_EQ(f.stripPen, clLime) << "the pen stays as it was";
    EXPECT_EQ(f.stripBrush, RGB(0x80, 0x00, 0xFF)) << "the box colour becomes the brush";
    EXPECT_EQ(f.stripFontHeight, f.Font.Height()) << "the box font replaces the canvas font";
    EXPECT_EQ(f.Strip.Canvas().PenPos(), Point(7, 8));
}

TEST_F(Forms, ShortcutOfAHiddenItemRunsItsHandler)
{
    f.Show();
    EXPECT_TRUE(f.pressKey(VK_ESCAPE));
    EXPECT_EQ(f.escClicks, 1);
    EXPECT_EQ(f.endeClicks, 0);
    EXPECT_FALSE(f.Visible());
}

TEST_F(Forms, ShortcutsOfDisabledItemsOrUnderDisabledParentsDoNotRun)
{
    f.Show();
    f.Text.SetEnabled(false);
    EXPECT_FALSE(f.pressKey(VK_F1));
    f.Text.SetEnabled(true);
    f.Datei.SetEnabled(false);
    EXPECT_FALSE(f.pressKey(VK_F1));
    EXPECT_EQ(f.texts, 0);
    f.Datei.SetEnabled(true);
    EXPECT_TRUE(f.pressKey(VK_F1)) << "a shortcut inside a submenu";
    EXPECT_EQ(f.texts, 1);
}

TEST_F(Forms, DisabledFormIgnoresTheMouseButTakesShortcutsAndKeepsTicking)
{
    f.Show();
    int ticks = 0;
    f.Tick.OnTimer = [&] { ++ticks; };
    f.Tick.SetEnabled(true);
    f.SetEnabled(false);
    EXPECT_FALSE(f.acceptsMouse());
    EXPECT_FALSE(f.clickAt(QPoint(50, 40)));
    EXPECT_FALSE(f.closeBox()) << "the close box does nothing";
    EXPECT_TRUE(f.Visible());
    Scheduler::instance().advance(300);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(f.pressKey(VK_F1));
    EXPECT_EQ(f.texts, 1);
    EXPECT_TRUE(f.pressKey(VK_ESCAPE));
    EXPECT_FALSE(f.Visible()) << "Esc closes a disabled form";
}

TEST_F(Forms, CloseBoxRunsOnCloseButNoMenuHandler)
{
    f.Show();
    EXPECT_TRUE(f.closeBox());
    EXPECT_EQ(f.closes, 1);
    EXPECT_EQ(f.endeClicks, 0);
    EXPECT_EQ(f.escClicks, 0);
    EXPECT_FALSE(f.Visible());
}

TEST_F(Forms, KeyPreviewSeesOtherKeysButNoModifiersOrMenuCommands)
{
    f.Show();
    std::vector<int> keys;
    f.OnKeyDown = [&](int& key, TShiftState) { keys.push_back(key); };
    f.pressKey('A');
    EXPECT_TRUE(keys.empty()) << "without KeyPreview the form does not see keys";
    f.SetKeyPreview(true);
    f.pressKey('A');
    f.pressKey(VK_SPACE);
    f.pressKey(VK_ESCAPE); // taken by the hidden Esc item
    EXPECT_EQ(keys, (std::vector<int> { 'A', VK_SPACE }));
    f.Show();
    keys.clear();
    f.pressKey(VK_MENU);
    f.pressKey(VK_SHIFT);
    f.pressKey(VK_CONTROL);
    TShiftState alt;
    alt.alt = true;
    f.pressKey('S', alt);
    EXPECT_TRUE(keys.empty()) << "modifiers alone and Alt+letter are not keys for the lesson";
}

TEST_F(Forms, StatusBarIsAlignedToTheBottomAndClientControlsFillTheRest)
{
    TPaintBox fill(&f, QStringLiteral("Fill"));
    fill.SetAlign(alClient);
    f.Status.SetHeight(20);
    f.Show();
    EXPECT_EQ(f.Status.BoundsRect(), QRect(0, 554 - 20, 792, 20));
    EXPECT_EQ(fill.BoundsRect(), QRect(0, 0, 792, 534));
    // Bounds set in code do not survive the alignment.
    f.Status.SetBounds(5, 5, 10, 20);
    EXPECT_EQ(f.Status.BoundsRect(), QRect(0, 534, 792, 20));
}

TEST_F(Forms, ClickReachesTheTopmostControlAtThePoint)
{
    int stripClicks = 0, mainClicks = 0;
    f.Strip.OnClick = [&] { ++stripClicks; };
    f.Main.OnClick = [&] { ++mainClicks; };
    std::pair<int, int> down;
    f.Strip.OnMouseDown = [&](int x, int y, TShiftState) { down = { x, y }; };
    f.Show();
    EXPECT_TRUE(f.clickAt(QPoint(30, 85)));
    EXPECT_EQ(stripClicks, 1);
    EXPECT_EQ(down, std::make_pair(20, 15)) << "in the strip's own coordinates";
    // Layer lies above Main and has no handler: the click ends there.
    f.clickAt(QPoint(30, 30));
    EXPECT_EQ(mainClicks, 0);
}

TEST_F(Forms, ModalFormMakesTheOthersInertUntilItCloses)
{
    LayerForm second;
    f.Show();
    bool blockedDuring = false, blockedSecond = true;
    events().actions.push_back([&] {
        blockedDuring = f.isBlocked();
        blockedSecond = second.isBlocked();
        EXPECT_EQ(Application.topForm(), &second);
        EXPECT_EQ(Application.modalStack().size(), 1u);
        EXPECT_FALSE(f.pressKey(VK_F1)) << "keys do not reach an inert form";
        EXPECT_FALSE(f.clickAt(QPoint(30, 85)));
    });
    events().actions.push_back([&] { second.pressKey(VK_ESCAPE); });
    second.ShowModal();
    EXPECT_TRUE(blockedDuring);
    EXPECT_FALSE(blockedSecond);
    EXPECT_TRUE(Application.modalStack().empty());
    EXPECT_FALSE(f.isBlocked());
    EXPECT_EQ(f.texts, 0);
    EXPECT_EQ(second.escClicks, 1);
}

TEST_F(Forms, FormShownAboveAModalFormStaysUsable)
{
    LayerForm modal, picture;
    events().actions.push_back([&] { picture.Show(); });
    events().actions.push_back([&] {
        EXPECT_FALSE(picture.isBlocked());
        EXPECT_EQ(Application.topForm(), &picture);
        picture.pressKey(VK_ESCAPE);
        EXPECT_EQ(Application.topForm(), &modal);
        modal.pressKey(VK_ESCAPE);
    });
    modal.ShowModal();
    EXPECT_EQ(picture.escClicks, 1);
}

TEST_F(Forms, ImageShowsItsPictureUnscaledAndCutAtItsBounds)
{
    TImage image(&f, QStringLiteral("Image"));
    image.SetBounds(200, 100, 4, 3);
    QImage pic(6, 2, QImage::Format_RGB32);
    pic.fill(toPixel(clGreen));
    image.SetPicture(pic);
    f.Show();
    Application.flushPendingPaints();
    EXPECT_EQ(px(200, 100), clGreen);
    EXPECT_EQ(px(203, 101), clGreen);
    EXPECT_EQ(px(204, 101), f.Color()) << "cut at the image's width";
    EXPECT_EQ(px(200, 102), f.Color()) << "the picture is only two rows high";
    image.SetVisible(false);
    Application.flushPendingPaints();
    EXPECT_EQ(px(200, 100), f.Color()) << "hiding the image repaints what lies beneath";
}

TEST_F(Forms, ImageCanvasDrawsIntoItsOwnPictureWhichPersists)
{
    TImage image(&f, QStringLiteral("Image"));
    image.SetBounds(300, 200, 20, 10);
    f.Show();
    Application.flushPendingPaints();
    EXPECT_EQ(px(305, 205), f.Color()) << "an image without picture shows nothing";
    image.Canvas().Brush.SetColor(clRed);
    image.Canvas().Rectangle(0, 0, 20, 10);
    EXPECT_EQ(px(305, 205), clRed) << "drawing on the picture shows at once";
    EXPECT_EQ(px(300, 200), clBlack) << "with the canvas's default pen";
    f.Refresh();
    EXPECT_EQ(px(305, 205), clRed) << "the picture survives a repaint";
}

TEST_F(Forms, LabelIsDrawnOnTheSurfaceInItsColour)
{
    TLabel label(&f, QStringLiteral("Label"));
    label.SetBounds(400, 300, 0, 0);
    label.SetCaption(QStringLiteral("Ag"));
    EXPECT_GT(label.Width(), 5) << "a label sizes itself to its text";
    f.Show();
    Application.flushPendingPaints();
    EXPECT_EQ(px(400, 300), f.Color()) << "labels take their parent's colour";
    label.SetColor(clYellow);
    Application.flushPendingPaints();
    EXPECT_EQ(px(400, 300), clYellow);
}

TEST(ImageList, DrawsFramesByIndexAndNothingOutOfRange)
{
    TForm owner(QStringLiteral("Owner"));
    TImageList list(&owner, QStringLiteral("List"), 2, 2);
    QImage strip(6, 2, QImage::Format_ARGB32);
    strip.fill(qRgba(255, 0, 0, 255));
    for (int y = 0; y < 2; ++y) {
        strip.setPixel(2, y, qRgba(0, 0, 255, 255));
        strip.setPixel(3, y, qRgba(0, 0, 255, 0)); // masked
        strip.setPixel(4, y, qRgba(0, 255, 0, 255));
        strip.setPixel(5, y, qRgba(0, 255, 0, 255));
    }
    list.SetStrip(strip);
    EXPECT_EQ(list.Count(), 3);
    wbtest::PixelCanvas pc(8, 2);
    list.Draw(pc.canvas, 0, 0, 0);
    list.Draw(pc.canvas, 2, 0, 1);
    list.Draw(pc.canvas, 4, 0, 3); // past the end
    list.Draw(pc.canvas, 6, 0, -1);
    EXPECT_TRUE(wbtest::matchesRows(pc.image, { "rrb.....", "rrb....." }, { { 'r', clRed }, { 'b', clBlue } }));
}

TEST(Memo, LinesStepByTheFontsCellHeight)
{
    // An edit control places line i at i × cell height below a one-pixel margin, so a memo laid
    // out for n lines of height h needs n × h + 2 pixels of text area.
    TForm owner(QStringLiteral("Owner"));
    TMemo memo(&owner, QStringLiteral("Memo"));
    memo.SetBounds(0, 0, 400, 300);
    memo.Font.SetHeight(18);
    for (int i = 0; i < 5; ++i)
        memo.Lines.Add(QStringLiteral(" Zeile %1").arg(i));
    auto* edit = qobject_cast<QTextEdit*>(memo.widget());
    ASSERT_NE(edit, nullptr);
    edit->document()->setTextWidth(380); // as the memo's viewport would
    EXPECT_EQ(edit->document()->size().height(), 5 * 16 + 2) << "height 18 is drawn in the 16-pixel size";
    memo.Font.SetHeight(-11); // the smallest size: a cell of 13 pixels
    EXPECT_EQ(edit->document()->size().height(), 5 * fonts::resolve(memo.Font).cellHeight + 2);
}

TEST(Memo, ShowsItsFirstLineWhateverWasAddedLast)
{
    TForm owner(QStringLiteral("Owner"));
    TMemo memo(&owner, QStringLiteral("Memo"));
    // The order a form description and its FormCreate use: lines first, then place and font.
    memo.SetScrollBars(ssBoth);
    for (int i = 0; i < 20; ++i)
        memo.Lines.Add(QStringLiteral(" Zeile %1 mit etwas mehr Text, als in eine Zeile passt").arg(i));
    memo.SetBounds(0, 0, 200, 60);
    memo.Font.SetHeight(18);
    auto* edit = qobject_cast<QTextEdit*>(memo.widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_GT(edit->verticalScrollBar()->maximum(), 0) << "more lines than fit";
    EXPECT_EQ(edit->verticalScrollBar()->value(), 0);
    EXPECT_EQ(edit->horizontalScrollBar()->value(), 0);
}
