// Every text of the program can be read whole: over all forms, as the registry creates them,
// each memo, panel, edit and status bar holds its widest line, every text a canvas draws lies
// inside the area it is drawn on, and no text is drawn with a cell below the floor. The forms
// are shown, repainted and run through their menu items and a key, so the texts of the runs
// (labels of the curves, values in the edit boxes) are seen too.
#include "app/Program.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "tests/support/Harness.h"

#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <set>

using namespace wb;

namespace {

// Long enough for every run of the built lessons to reach its end.
constexpr qint64 kRunMs = 10 * 60 * 1000;

QString place(const TForm* form, const QString& component)
{
    return form->Name() + QLatin1Char('.') + component;
}

class TextFitCheck {
    std::set<QString> m_reported;

public:
    std::vector<std::string> failures;

    // Each fault once, however many moments show it.
    void fail(const QString& what)
    {
        if (m_reported.insert(what).second)
            failures.push_back(what.toStdString());
    }

    void checkFloor(const TForm* form, const QString& component, const ResolvedFont& rf, const QString& line)
    {
        checkFloor(place(form, component), rf, line);
    }

    void checkFloor(const QString& where, const ResolvedFont& rf, const QString& line)
    {
        if (rf.cellHeight < fonts::kMinCellHeight)
            fail(QStringLiteral("%1: \"%2\" is drawn with a cell of %3 px (floor %4, font height %5)")
                     .arg(where, line)
                     .arg(rf.cellHeight)
                     .arg(fonts::kMinCellHeight)
                     .arg(rf.requestedHeight));
    }

    void checkLines(
        const TForm* form, const QString& component, const ResolvedFont& rf, const QStringList& lines, int room)
    {
        checkFloor(form, component, rf, lines.value(0));
        for (const QString& line : lines) {
            const int w = fonts::textWidth(rf, line);
            if (w > room)
                fail(QStringLiteral("%1: line \"%2\" is %3 px wide, room for %4 px")
                         .arg(place(form, component), line)
                         .arg(w)
                         .arg(room));
        }
    }

    void checkMemo(const TForm* form, TMemo* memo)
    {
        auto* edit = qobject_cast<QTextEdit*>(memo->widget());
        ASSERT_NE(edit, nullptr);
        const ResolvedFont& rf = fonts::resolve(memo->Font);
        const bool hBar = memo->ScrollBars() == ssHorizontal || memo->ScrollBars() == ssBoth;
        const bool vBar = memo->ScrollBars() == ssVertical || memo->ScrollBars() == ssBoth;
        const int margin = int(edit->document()->documentMargin());
        const int frame = edit->frameWidth();
        const int barWidth = edit->verticalScrollBar()->sizeHint().width();
        const int barHeight = edit->horizontalScrollBar()->sizeHint().height();
        const QStringList& lines = memo->Lines.list();
        // A table that must not wrap may scroll sideways; every other memo holds its lines.
        if (!(hBar && !memo->WordWrap()))
            checkLines(form, memo->Name(), rf, lines, memo->Width() - 2 * frame - 2 * margin - (vBar ? barWidth : 0));
        else
            checkFloor(form, memo->Name(), rf, lines.value(0));
        // Without a vertical scroll bar every line must be in view too.
        const int rows = memo->Height() - 2 * frame - 2 * margin - (hBar ? barHeight : 0);
        if (!vBar && int(lines.size()) * rf.cellHeight > rows)
            fail(QStringLiteral("%1: %2 lines of %3 px do not fit %4 px and there is no scroll bar (last line \"%5\")")
                     .arg(place(form, memo->Name()))
                     .arg(lines.size())
                     .arg(rf.cellHeight)
                     .arg(rows)
                     .arg(lines.value(lines.size() - 1)));
    }

    // The controls whose text the program fills, as they are now.
    void checkControls(const TForm* form)
    {
        for (TComponent* c : form->components()) {
            if (auto* memo = dynamic_cast<TMemo*>(c)) {
                checkMemo(form, memo);
            } else if (auto* edit = dynamic_cast<TEdit*>(c)) {
                // A line edit's frame and text margins take 2 + 2 pixels at each side.
                if (!edit->Text().isEmpty())
                    checkLines(form, edit->Name(), fonts::resolve(edit->Font), { edit->Text() }, edit->Width() - 8);
            } else if (auto* bar = dynamic_cast<TStatusBar*>(c)) {
                // The text starts 3 pixels into the sunken field that fills the bar.
                if (!bar->SimpleText().isEmpty())
                    checkLines(form, bar->Name(), fonts::resolve(bar->Font), { bar->SimpleText() }, bar->Width() - 5);
            } else if (auto* panel = dynamic_cast<TPanel*>(c)) {
                // The caption is centred inside the bevel.
                if (!panel->Caption().isEmpty())
                    checkLines(
                        form, panel->Name(), fonts::resolve(panel->Font), { panel->Caption() }, panel->Width() - 2);
            }
        }
    }

    // Which form and component a canvas text was drawn by: a paint box, image or form by its
    // canvas (whichever form it belongs to), a label or panel caption of the current form by its
    // text.
    static QString drawnBy(const TForm* current, const fonts::DrawnText& t)
    {
        for (TForm* form : Application.forms()) {
            if (&form->Canvas() == t.canvas)
                return place(form, QStringLiteral("canvas"));
            for (TComponent* c : form->components()) {
                if (auto* pb = dynamic_cast<TPaintBox*>(c); pb && &pb->Canvas() == t.canvas)
                    return place(form, pb->Name());
                if (auto* im = dynamic_cast<TImage*>(c); im && im->hasPicture() && &im->Canvas() == t.canvas)
                    return place(form, im->Name());
            }
        }
        for (TComponent* c : current->components()) {
            if (auto* label = dynamic_cast<TLabel*>(c); label && label->Caption() == t.text)
                return place(current, label->Name());
            if (auto* panel = dynamic_cast<TPanel*>(c); panel && panel->Caption() == t.text)
                return place(current, panel->Name());
        }
        return place(current, QStringLiteral("(a label or control)"));
    }
};

} // namespace

TEST(TextFit, EveryTextOfEveryFormCanBeReadWhole)
{
    wbtest::resetApplication();
    createAllForms();
    ASSERT_EQ(Application.forms().size(), 50u); // the lesson plan's 49 and the phase diagram explorer

    TextFitCheck check;
    TForm* current = nullptr;
    fonts::setTextObserver([&](const fonts::DrawnText& t) {
        if (!current)
            return;
        const QString where = TextFitCheck::drawnBy(current, t);
        check.checkFloor(where, *t.font, t.text);
        // A repaint of part of a form clips every text to that part; the whole picture is seen
        // at the full repaints.
        const bool partial = std::any_of(Application.forms().begin(), Application.forms().end(), [](TForm* f) {
            return FormAccess::painting(*f)
                && FormAccess::paintClip(*f) != QRect(0, 0, f->ClientWidth(), f->ClientHeight());
        });
        if (!partial && t.font->cellHeight >= fonts::kMinCellHeight && !t.clip.contains(t.cell))
            check.fail(QStringLiteral("%1: \"%2\" is cut: its cell %3,%4 %5x%6 lies outside %7,%8 %9x%10")
                           .arg(where, t.text)
                           .arg(t.cell.x())
                           .arg(t.cell.y())
                           .arg(t.cell.width())
                           .arg(t.cell.height())
                           .arg(t.clip.x())
                           .arg(t.clip.y())
                           .arg(t.clip.width())
                           .arg(t.clip.height()));
    });

    for (TForm* form : Application.forms()) {
        current = form;
        form->Show();
        Application.flushPendingPaints();
        check.checkControls(form);
        // The cover page hands over to the main menu when its fade ends; here every form is
        // looked at on its own, so its fade stops after the first picture.
        if (form == Application.MainForm())
            for (TComponent* c : form->components())
                if (auto* timer = dynamic_cast<TTimer*>(c))
                    timer->SetEnabled(false);
        // Every command but the closing ones, each run to its end; a command that opens another
        // form modally finds it closed again by the next event.
        for (TMenuItem* item : form->menuItems()) {
            const QString caption = item->Caption();
            if (!item->Items().empty() || item->ShortCut() == VK_ESCAPE || caption.contains(QLatin1String("Ende"))
                || caption.contains(QLatin1String("Beenden")))
                continue;
            wbtest::events().actions.push_back([] {
                if (!Application.modalStack().empty())
                    Application.modalStack().back()->Close();
            });
            item->Click();
            wbtest::events().actions.clear();
            Scheduler::instance().runUntilIdle(kRunMs);
            Application.flushPendingPaints();
            check.checkControls(form);
        }
        // The lessons that start on any key.
        form->pressKey(VK_SPACE);
        Scheduler::instance().runUntilIdle(kRunMs);
        Application.flushPendingPaints();
        check.checkControls(form);
        form->Refresh();
        form->Hide();
    }
    current = nullptr;
    fonts::setTextObserver({});

    std::string report;
    for (const std::string& f : check.failures)
        report += f + '\n';
    EXPECT_TRUE(check.failures.empty()) << check.failures.size() << " texts cannot be read whole:\n" << report;
    wbtest::resetApplication();
}
