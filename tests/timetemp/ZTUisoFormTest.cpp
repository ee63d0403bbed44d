// The isothermal ZTU lessons at 0.45 % and 0.70 % C as forms: components and menu, every isotherm
// run through the headless driver at its last locked and first finished tick with a marker and a
// label pixel, runs in either order, "Löschen / Neu" during and after runs, Esc during a run.
#include "framework/Fonts.h"
#include "framework/FormAccess.h"
#include "tests/support/Program.h"
#include "timetemp/UnitZTUisoC045.h"
#include "timetemp/UnitZTUisoC07.h"

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

using namespace wb;
using wbtest::Script;
using wbtest::StateView;

namespace {

// PaintBoxLog lies at (405, 158) of the client area.
QPoint logPixel(int x, int y)
{
    return { x + 405, y + 158 };
}

const char* const kItems[] = { "T20", "T330", "T530", "T670" };
const char* const kTimers[] = { "Timer20", "Timer330", "Timer530", "Timer670" };

// Idle: the form enabled, the four isotherm items enabled, no timer running, the text hidden.
::testing::AssertionResult idle(const StateView& s)
{
    if (!s.enabled())
        return ::testing::AssertionFailure() << "the form is locked";
    for (const char* item : kItems)
        if (!s.itemEnabled(item))
            return ::testing::AssertionFailure() << item << " is disabled";
    for (const char* timer : kTimers)
        if (s.timerEnabled(timer))
            return ::testing::AssertionFailure() << timer << " runs";
    if (s.visible("MemoErlaeuterung"))
        return ::testing::AssertionFailure() << "the text is shown";
    return ::testing::AssertionSuccess();
}

struct Probe {
    QPoint at; // on PaintBoxLog
    TColor color;
};

// One isotherm run of a form: its ticks at 50 ms, a marker's fill and a label's first pixel.
struct RunCase {
    const char* item;
    const char* timer;
    int ticks;
    Probe mark;
    Probe label;
};

struct IsoForm {
    const char* form;
    const char* menu;
    std::vector<RunCase> runs;
};

// A 2-pixel dot at (X, Y) covers X − 1 … X and Y − 1 … Y, so the dots after a marker cover its
// rows Y − 1 and Y again from column X on; a marker's fill shows in row Y + 1 of its column X.
// A 6-pixel box ending at X keeps its fill in the dot's rows. Labels starting with a blank show
// the red brush at their first pixel. Where no marker lies (20 °C), the lower stroke of the end
// arrow from (200, 270) to (190, 273) stands in: it passes (192, 272).
// clang-format off
const IsoForm kForms[] = {
    { "FormZTUi045", "ZTUiso045", {
        { "T20", "Timer20", 198, { { 192, 272 }, clRed }, { { 100, 235 }, clRed } },       // " Abschrecken auf …"
        { "T330", "Timer330", 218, { { 92, 165 }, clBlack }, { { 230, 149 }, clRed } },   // " Zwischenstufe "
        { "T530", "Timer530", 218, { { 69, 98 }, clBlue }, { { 230, 108 }, clRed } },      // the blue one; "+ 95% Perlit "
        { "T670", "Timer670", 238, { { 89, 51 }, clBlack }, { { 250, 35 }, clRed } },     // " 20% Ferrit "
    } },
    { "FormZTUi07", "ZTUiso07", {
        { "T20", "Timer20", 198, { { 192, 272 }, clRed }, { { 100, 235 }, clRed } },
        { "T330", "Timer330", 218, { { 127, 165 }, clBlack }, { { 230, 164 }, clRed } },  // " Bainit "
        { "T530", "Timer530", 218, { { 42, 99 }, clBlack }, { { 230, 93 }, clRed } },     // " Perlit "
        { "T670", "Timer670", 218, { { 65, 51 }, clBlack }, { { 230, 35 }, clRed } },     // " 5% Ferrit "
    } },
};
// clang-format on

class ZTUisoForms : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override { wbtest::resetApplication(); }
};

} // namespace

TEST_F(ZTUisoForms, ComponentsMenuAndTimersAsDescribed)
{
    TFormZTUi045 f045;
    TFormZTUi07 f07;
    for (TZtuIsoForm* f : std::initializer_list<TZtuIsoForm*> { &f045, &f07 }) {
        SCOPED_TRACE(f->Name().toStdString());
        FormAccess::create(*f);
        EXPECT_EQ(f->PaintBoxHaupt.BoundsRect(), QRect(5, 5, 750, 500));
        EXPECT_EQ(f->PaintBoxLog.BoundsRect(), QRect(405, 158, 348, 277));
        EXPECT_EQ(f->PaintBoxLog.Font.Height(), -13);
        EXPECT_EQ(f->MemoErlaeuterung.BoundsRect(), QRect(0, 0, 365, 350));
        EXPECT_EQ(f->MemoErlaeuterung.Color(), RGB(0xFF, 0xBF, 0xBF));
        EXPECT_EQ(f->MemoErlaeuterung.Font.Height(), 18);
        EXPECT_TRUE(f->MemoErlaeuterung.ReadOnly());
        EXPECT_EQ(f->MemoErlaeuterung.widget()->focusPolicy(), Qt::ClickFocus) << "not a tab stop";
        EXPECT_FALSE(f->MemoErlaeuterung.Visible());
        // Nineteen or twenty lines of 18 pixels do not fit 350 pixels: the text scrolls.
        EXPECT_EQ(f->MemoErlaeuterung.ScrollBars(), ssBoth);
        // The source line: a leading blank, author and title in parentheses, a full stop and a blank.
        const QString source = f->MemoErlaeuterung.Lines[7];
        EXPECT_TRUE(source.startsWith(QStringLiteral(" (")) && source.endsWith(QStringLiteral("). ")))
            << source.toStdString();
        for (const TTimer* t : { &f->Timer20, &f->Timer330, &f->Timer530, &f->Timer670 }) {
            EXPECT_EQ(t->Interval(), 50) << t->Name().toStdString();
            EXPECT_FALSE(t->Enabled()) << t->Name().toStdString();
        }
        EXPECT_TRUE(wbtest::menuIs(*f,
            {
                { "Ende", "&Ende" },
                { "Text", "&Text ja/nein", "F1" },
                { "T20", "T = &20°C" },
                { "ESCApe", "ESCAPE", "Esc", false },
                { "T330", "T = &330°C" },
                { "T530", "T = &530°C" },
                { "T670", "T = &670°C" },
                { "NEU", "&Löschen / Neu" },
            }));
    }
    EXPECT_EQ(f045.MemoErlaeuterung.Lines.Count(), 19);
    EXPECT_EQ(f07.MemoErlaeuterung.Lines.Count(), 20);
    EXPECT_EQ(
        f07.MemoErlaeuterung.Lines[16], QStringLiteral(" Die Isotherme (T = 20°C) entspricht einem \"Abschrecken\", "));
    EXPECT_FALSE(f045.PaintBoxLog.Font.Bold());
    EXPECT_TRUE(f07.PaintBoxLog.Font.Bold()) << "the 0.70 % C form writes its labels bold";
}

TEST_F(ZTUisoForms, EachRunEndsAtItsTickWithItsMarkerAndLabelAndItsItemOff)
{
    for (const IsoForm& form : kForms) {
        for (const RunCase& c : form.runs) {
            SCOPED_TRACE(std::string(form.form) + " " + c.item);
            Script s { "skip-cover", std::string("menu ") + form.menu };
            s << std::string("menu ") + c.item << "advance " + std::to_string((c.ticks - 1) * 50);
            const int before = s.state(form.form);
            const int labelBefore = s.pixel(logPixel(c.label.at.x(), c.label.at.y()));
            s << "advance 50";
            const int after = s.state(form.form);
            const int label = s.pixel(logPixel(c.label.at.x(), c.label.at.y()));
            const int mark = s.pixel(logPixel(c.mark.at.x(), c.mark.at.y()));
            s.run();
            ASSERT_EQ(s.code(), 0) << s.err();
            const StateView b = s.stateView(before), a = s.stateView(after);
            EXPECT_TRUE(b.timerEnabled(c.timer)) << "one tick before its end the run goes on";
            EXPECT_FALSE(b.enabled()) << "locked while it runs";
            EXPECT_TRUE(b.itemEnabled(c.item)) << "the item stays enabled; the lock keeps the mouse away";
            EXPECT_NE(s.color(labelBefore), clRed) << "no label before the last tick";
            EXPECT_FALSE(a.timerEnabled(c.timer)) << "over at its last tick";
            EXPECT_TRUE(a.enabled());
            EXPECT_FALSE(a.itemEnabled(c.item)) << "a finished isotherm waits for Löschen / Neu";
            for (const char* other : kItems) {
                if (std::string(other) != c.item) {
                    EXPECT_TRUE(a.itemEnabled(other)) << other;
                }
            }
            EXPECT_EQ(colorToHex(s.color(label)), colorToHex(c.label.color)) << "the label's first pixel";
            EXPECT_EQ(colorToHex(s.color(mark)), colorToHex(c.mark.color)) << "the marker";
        }
    }
}

namespace {

// The whole form after a script, as the driver's snapshot shows it.
QImage snapshotAfter(const std::string& menu, const std::vector<std::string>& lines, const QString& file)
{
    Script s { "skip-cover", "menu " + menu };
    for (const std::string& l : lines)
        s << l;
    s << "snapshot " + file.toStdString();
    s.run();
    EXPECT_EQ(s.code(), 0) << s.err();
    return QImage(file);
}

} // namespace

TEST_F(ZTUisoForms, RunsInEitherOrderEndInTheSamePicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const IsoForm& form : kForms) {
        SCOPED_TRACE(form.form);
        std::vector<std::string> upwards, downwards, none;
        for (const RunCase& c : form.runs)
            upwards.insert(upwards.end(), { std::string("menu ") + c.item, "advance 12000" });
        for (auto c = form.runs.rbegin(); c != form.runs.rend(); ++c)
            downwards.insert(downwards.end(), { std::string("menu ") + c->item, "advance 12000" });
        const QImage a = snapshotAfter(form.menu, upwards, dir.filePath(QStringLiteral("a.png")));
        const QImage b = snapshotAfter(form.menu, downwards, dir.filePath(QStringLiteral("b.png")));
        const QImage still = snapshotAfter(form.menu, none, dir.filePath(QStringLiteral("c.png")));
        ASSERT_FALSE(a.isNull());
        EXPECT_TRUE(a == b) << "20, 330, 530, 670 °C and the other way round";
        EXPECT_FALSE(a == still) << "the runs are on the picture";
    }
}

TEST_F(ZTUisoForms, LoeschenNeuIsRefusedDuringARunAndAfterRunsLeavesTheStaticPicture)
{
    for (const IsoForm& form : kForms) {
        SCOPED_TRACE(form.form);
        Script s { "skip-cover", std::string("menu ") + form.menu };
        std::vector<int> statics, after;
        for (const RunCase& c : form.runs)
            statics.push_back(s.pixel(logPixel(c.label.at.x(), c.label.at.y())));
        s << "menu T530"
          << "advance 2000"
          << "menu NEU"; // refused: the form is locked
        const int neuLine = s.line();
        const int during = s.state(form.form);
        s << "advance 9000"
          << "menu T670"
          << "advance 12000"
          << "menu NEU";
        const int cleared = s.state(form.form);
        for (const RunCase& c : form.runs)
            after.push_back(s.pixel(logPixel(c.label.at.x(), c.label.at.y())));
        s.run(true);
        EXPECT_NE(
            s.err().find("line " + std::to_string(neuLine) + ": " + form.form + " is disabled"), std::string::npos)
            << s.err();
        EXPECT_TRUE(s.stateView(during).timerEnabled("Timer530")) << "the run goes on";
        EXPECT_TRUE(idle(s.stateView(cleared)));
        for (size_t i = 0; i < statics.size(); ++i)
            EXPECT_EQ(s.answer(after[i]), s.answer(statics[i])) << "a run's label is left at probe " << i;
    }
}

TEST_F(ZTUisoForms, EscMidRunClosesAndTheNextOpeningIsIdleAndStaticAndRunsAgain)
{
    for (const IsoForm& form : kForms) {
        SCOPED_TRACE(form.form);
        const RunCase& c330 = form.runs[1];
        Script s { "skip-cover", std::string("menu ") + form.menu };
        const int staticMark = s.pixel(logPixel(c330.mark.at.x(), c330.mark.at.y()));
        s << "menu T330"
          << "advance 6000" // 120 ticks: past the first marker
          << "key F1"
          << "key Esc";
        const int closed = s.state(form.form);
        s << "advance 5000";
        const int later = s.state(form.form);
        s << std::string("menu ") + form.menu;
        const int reopened = s.state(form.form);
        const int mark = s.pixel(logPixel(c330.mark.at.x(), c330.mark.at.y()));
        s << "menu T330"
          << "advance " + std::to_string(c330.ticks * 50);
        const int again = s.state(form.form);
        const int markAgain = s.pixel(logPixel(c330.mark.at.x(), c330.mark.at.y()));
        const int label = s.pixel(logPixel(c330.label.at.x(), c330.label.at.y()));
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        EXPECT_FALSE(s.stateView(closed).visible());
        EXPECT_TRUE(idle(s.stateView(closed)));
        EXPECT_TRUE(idle(s.stateView(later))) << "nothing runs on unseen";
        EXPECT_TRUE(idle(s.stateView(reopened)));
        EXPECT_EQ(s.answer(mark), s.answer(staticMark)) << "the reopened form shows the static picture only";
        // The run starts over from the top-left corner and takes its full number of ticks.
        EXPECT_FALSE(s.stateView(again).itemEnabled("T330"));
        EXPECT_TRUE(s.stateView(again).enabled());
        EXPECT_EQ(s.color(markAgain), c330.mark.color);
        EXPECT_EQ(s.color(label), clRed);
    }
}

TEST_F(ZTUisoForms, TheSevenTenthsFormWritesItsLabelsBold)
{
    // " Martensit " at (200, 250) of the overlay, cell by cell as the same text comes out white on
    // red, 12 pixels high, plain at 0.45 % C and bold at 0.70 % C.
    const QString text = QStringLiteral(" Martensit ");
    for (const bool bold : { false, true }) {
        const char* menu = bold ? "ZTUiso07" : "ZTUiso045";
        SCOPED_TRACE(menu);
        TFont font;
        font.SetHeight(12);
        font.SetBold(bold);
        const ResolvedFont& rf = fonts::resolve(font);
        const int w = fonts::textWidth(rf, text), h = rf.cellHeight;
        wbtest::PixelCanvas expected(w, h);
        expected.canvas.Font.Assign(font);
        expected.canvas.Font.SetColor(clWhite);
        expected.canvas.Brush.SetColor(clRed);
        expected.canvas.TextOut(0, 0, text);
        Script s { "skip-cover", std::string("menu ") + menu, "menu T20", "advance 10000" };
        std::vector<int> q;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                q.push_back(s.pixel(logPixel(200 + x, 250 + y)));
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        int differing = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                differing += s.color(q[size_t(y * w + x)]) != expected.at(x, y);
        EXPECT_EQ(differing, 0) << "of " << w * h << " pixels";
    }
}

TEST_F(ZTUisoForms, TheLockRefusesTheMouseWhileF1GoesOnAndTheCloseBoxClosesLikeEscAfterwards)
{
    for (const IsoForm& form : kForms) {
        SCOPED_TRACE(form.form);
        Script s { "skip-cover", std::string("menu ") + form.menu, "menu T670", "advance 1000" };
        s << "menu T20"; // refused: the form is locked
        const int menuLine = s.line();
        s << "close";
        const int closeLine = s.line();
        s << "key F1";
        const int shown = s.state(form.form);
        s << "key F1";
        const int hidden = s.state(form.form);
        s << "key F1"
          << "advance 12000"
          << "close";
        const int closed = s.state(form.form);
        s << std::string("menu ") + form.menu;
        const int reopened = s.state(form.form);
        s.run(true);
        for (int line : { menuLine, closeLine })
            EXPECT_NE(
                s.err().find("line " + std::to_string(line) + ": " + form.form + " is disabled"), std::string::npos)
                << s.err();
        EXPECT_TRUE(s.stateView(shown).visible("MemoErlaeuterung")) << "F1 reaches the locked form";
        EXPECT_TRUE(s.stateView(shown).visible()) << "the close box was refused";
        EXPECT_TRUE(s.stateView(shown).timerEnabled("Timer670"));
        EXPECT_FALSE(s.stateView(shown).timerEnabled("Timer20")) << "the refused item started nothing";
        EXPECT_FALSE(s.stateView(hidden).visible("MemoErlaeuterung"));
        EXPECT_FALSE(s.stateView(closed).visible());
        EXPECT_TRUE(idle(s.stateView(closed))) << "closing enables the finished item and hides the text";
        EXPECT_TRUE(idle(s.stateView(reopened)));
    }
}
