// A seeded random walk over the whole program, as a class of students would use it: at every
// step it looks at what the program shows and does one thing a user could do there (a menu item
// or its shortcut, a key, a click or a pointer move, typing, a button, a scroll bar, the close
// box, another window, the colour dialog's answer, time passing), through the headless driver.
// After each step the program must still answer; a lesson left with Esc or "Ende" must be
// closed and the window below it usable. A crash, a hang, a refused action or a failed check
// prints the seed and the last actions, so that the walk can be repeated.
//
// WB_WALK_SEEDS (a comma-separated list) and WB_WALK_ACTIONS (per seed) run other and longer
// walks than the default one; WB_WALK_LOG names a file that receives every command of the walk.
#include "app/FormRegistry.h"
#include "app/Program.h"
#include "framework/Controls.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "shell/UnitMenue.h"
#include "tests/support/Harness.h"
#include "tools/driver/ScriptDriver.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace wb;

namespace {

constexpr unsigned kDefaultSeed = 20261210;
constexpr int kDefaultActions = 6000;
// A step that has not returned after this long is a hang (sanitizer builds run ten times
// slower than the release build; the slowest step of the default walk takes well under 1 s).
constexpr auto kHangAfter = std::chrono::seconds(120);

// --- What the walk did last, for the report of a failure ---------------------------------------
// Kept in fixed buffers so that a crash handler can write them without allocating.

constexpr int kRemembered = 40;
constexpr int kLineLength = 200;
struct Recent {
    std::array<std::array<char, kLineLength>, kRemembered> lines {};
    std::atomic<long> count { 0 };
    std::array<char, 96> header {};
};
Recent recent;
std::mutex recentMutex;

FILE* walkLog = nullptr;

void remember(const std::string& line)
{
    if (walkLog)
        std::fprintf(walkLog, "%s\n", line.c_str());
    std::lock_guard lock(recentMutex);
    auto& slot = recent.lines[size_t(recent.count % kRemembered)];
    std::snprintf(slot.data(), slot.size(), "%s", line.c_str());
    ++recent.count;
}

void writeRaw(const char* s)
{
    ssize_t ignored = ::write(2, s, std::strlen(s));
    (void)ignored;
}

// Writes the seed and the last actions to stderr (also from a signal handler).
void writeRecent()
{
    writeRaw("\n");
    writeRaw(recent.header.data());
    writeRaw(" (repeat with WB_WALK_SEEDS and WB_WALK_ACTIONS); its last actions:\n");
    const long n = recent.count;
    for (long i = std::max(0L, n - kRemembered); i < n; ++i) {
        writeRaw("  ");
        writeRaw(recent.lines[size_t(i % kRemembered)].data());
        writeRaw("\n");
    }
}

std::string recentText()
{
    std::lock_guard lock(recentMutex);
    std::string text = std::string(recent.header.data()) + "; its last actions:\n";
    const long n = recent.count;
    for (long i = std::max(0L, n - kRemembered); i < n; ++i)
        text += "  " + std::string(recent.lines[size_t(i % kRemembered)].data()) + "\n";
    return text;
}

extern "C" void onFatalSignal(int sig)
{
    writeRecent();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" void onSanitizerDeath()
{
    writeRecent();
}
#endif

// Ends the process with the report if one step runs longer than kHangAfter.
class Watchdog {
public:
    Watchdog()
        : m_thread([this] { watch(); })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void stepped() { ++m_steps; }

private:
    void watch()
    {
        std::unique_lock lock(m_mutex);
        long seen = -1;
        auto since = std::chrono::steady_clock::now();
        while (!m_done) {
            m_wake.wait_for(lock, std::chrono::seconds(1));
            const long now = m_steps;
            if (now != seen) {
                seen = now;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > kHangAfter) {
                writeRaw("\nrandom walk: the program stopped answering (one step ran longer than the hang limit)");
                writeRecent();
                std::_Exit(3);
            }
        }
    }
    std::atomic<long> m_steps { 0 };
    bool m_done = false;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_thread;
};

// --- The walker -------------------------------------------------------------------------------

// Feeds the driver one command at a time: each line is chosen when the driver asks for it, so
// it sees the program as the previous command left it.
class LineSource : public std::streambuf {
public:
    explicit LineSource(std::function<std::optional<std::string>()> next)
        : m_next(std::move(next))
    {
    }

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        const std::optional<std::string> line = m_next();
        if (!line)
            return traits_type::eof();
        m_line = *line + "\n";
        setg(m_line.data(), m_line.data(), m_line.data() + m_line.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::function<std::optional<std::string>()> m_next;
    std::string m_line;
};

// Keys a user may press anywhere, modifiers on their own included.
const char* const kKeys[] = { "Esc", "F1", "F2", "F3", "F5", "F10", "F12", "Enter", "Space", "Shift", "Ctrl", "Alt",
    "Left", "Right", "Up", "Down", "A", "N", "S", "Z", "0", "5", "9" };
// What a user types into an edit: numbers in both notations, wrong and extreme values.
const char* const kTexts[] = { "2", "2.5", "2,5", " 7", "1.000,5", "1e3", "abc", "nan", "inf", "", "1e400", "-3", "0",
    "0,01", "100", "99999999999999999999", "1..2", "ä", "30" };
const int kAdvances[] = { 1, 1, 5, 10, 20, 50, 100, 250, 500, 1000, 3000 };

struct Choice {
    std::string line;
    double weight;
    TMenuItem* item = nullptr; // a menu item clicked or reached through its shortcut
};

class Walk : public DialogAnswers {
public:
    Walk(unsigned seed, int actions)
        : m_random(seed)
        , m_seed(seed)
        , m_actions(actions)
    {
    }

    // Runs sessions of the program (a walk may end the program; the next session starts it
    // again) until the actions are used up or a check fails.
    void run()
    {
        std::snprintf(recent.header.data(), recent.header.size(), "random walk seed %u, %d actions", m_seed, m_actions);
        recent.count = 0;
        while (m_done < m_actions && !m_failed) {
            ++m_sessions;
            runSession();
        }
    }

    bool failed() const { return m_failed; }
    int actionsDone() const { return m_done; }
    int sessions() const { return m_sessions; }
    const std::set<QString>& reached() const { return m_reached; }
    const std::set<QString>& all() const { return m_all; }
    Watchdog& watchdog() { return m_watchdog; }

    // DialogAnswers: the colour dialog gets a colour or a cancel, chosen by the walk.
    std::optional<TColor> colorDialog(TColor) override
    {
        if (pick(4) == 0) {
            remember("    (colour dialog: cancel)");
            return std::nullopt;
        }
        const TColor c = TColor(m_random() & 0xFFFFFF);
        remember("    (colour dialog: " + colorToHex(c).toStdString() + ")");
        return c;
    }
    void messageBox(const QString& text) override { remember("    (message: " + text.left(60).toStdString() + ")"); }

private:
    void runSession()
    {
        wbtest::resetApplication();
        m_sessionStarted = false;
        m_pendingClose = {};
        m_pendingOpen = {};
        LineSource source([this] { return nextLine(); });
        std::istream in(&source);
        std::ostringstream out, err;
        m_out = &out;
        ScriptDriver driver(in, out, err, false);
        Application.setHeadless(&driver, this);
        const int code = driver.run([] {
            Application.Initialize();
            createAllForms();
            return Application.Run();
        });
        if (!m_failed && code != 0)
            failWith(
                "the driver refused an action the walk chose (exit code " + std::to_string(code) + "):\n" + err.str());
        m_out = nullptr;
        wbtest::resetApplication();
        Application.setHeadless(&wbtest::events(), &wbtest::events());
    }

    void failWith(const std::string& what)
    {
        if (m_failed)
            return;
        m_failed = true;
        ADD_FAILURE() << what << "\nafter action " << m_done << " of session " << m_sessions << "\n" << recentText();
    }

    int pick(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(m_random)); }

    // The next command, after checking what the previous one left; nothing ends the session.
    std::optional<std::string> nextLine()
    {
        m_watchdog.stepped();
        if (!m_sessionStarted) {
            m_sessionStarted = true;
            // Mostly the usual screen; now and then a small or a large one.
            static const char* const screens[] = { "1024 768", "1024 768", "1024 768", "800 600", "1920 1080" };
            const std::string screen = std::string("screen ") + screens[pick(5)];
            remember(screen);
            m_firstLine = true;
            return screen;
        }
        if (m_firstLine) {
            m_firstLine = false;
            remember("start");
            return std::string("start");
        }
        if (Application.Terminated() || m_failed || m_done >= m_actions)
            return std::nullopt;
        check();
        if (m_failed)
            return std::nullopt;
        const std::string line = choose();
        ++m_done;
        remember(line);
        return line;
    }

    // The program still answers: a shown top form that takes events, surfaces that cover the
    // forms, state answers that name the top form; a lesson left with Esc or "Ende" is closed.
    void check()
    {
        TForm* top = Application.topForm();
        if (!top) {
            failWith("no form is shown, but the program has not ended");
            return;
        }
        // The forms the walk must reach: every form of the registry.
        for (const FormRow& row : formRegistry())
            m_all.insert(row.form()->Name());
        for (TForm* f : Application.zOrder()) {
            m_reached.insert(f->Name());
            const QImage& s = FormAccess::surface(*f);
            if (!f->Visible() || s.width() < f->ClientWidth() || s.height() < f->ClientHeight()) {
                failWith(f->Name().toStdString() + " is in the window stack but not shown whole");
                return;
            }
        }
        if (Application.isBlocked(top)) {
            failWith("the top form " + top->Name().toStdString() + " lies under a modal form");
            return;
        }
        if (m_stateAsked) {
            m_stateAsked = false;
            std::string answer = m_out->str();
            m_out->str({});
            while (!answer.empty() && answer.back() == '\n')
                answer.pop_back();
            answer = answer.substr(answer.rfind('\n') == std::string::npos ? 0 : answer.rfind('\n') + 1);
            const QJsonObject state = QJsonDocument::fromJson(QByteArray::fromStdString(answer)).object();
            if (state.value(QStringLiteral("name")).toString() != m_stateOf) {
                failWith("the state of " + m_stateOf.toStdString() + " did not come back: " + answer.substr(0, 200));
                return;
            }
        } else {
            m_out->str({});
        }
        if (m_pendingOpen.form) {
            const PendingOpen open = m_pendingOpen;
            m_pendingOpen = {};
            if (top != open.form) {
                failWith("the main menu's command " + open.item.toStdString() + " did not open "
                    + open.form->Name().toStdString() + " (the top form is " + top->Name().toStdString() + ")");
                return;
            }
        }
        if (m_pendingClose.form) {
            TForm* closed = m_pendingClose.form;
            const bool mustClose = m_pendingClose.closes;
            m_pendingClose = {};
            if (closed->Visible()) {
                if (mustClose)
                    failWith(closed->Name().toStdString() + " is still shown after its closing command");
                return;
            }
            if (closed->Busy() || closed->isModal()) {
                failWith(closed->Name().toStdString() + " was closed but is still busy or modal");
                return;
            }
            if (!top->acceptsMouse()) {
                failWith(
                    top->Name().toStdString() + " is not usable after " + closed->Name().toStdString() + " closed");
                return;
            }
        }
    }

    std::string choose()
    {
        TForm* top = Application.topForm();
        const bool mouse = top->acceptsMouse();
        const bool isMenu = top == FormMenue;
        const bool isCover = top == Application.MainForm();
        std::vector<Choice> choices;
        const std::string form = top->Name().toStdString();

        // Menu items (by mouse) and their shortcuts (also of hidden items, as the keyboard reaches
        // them). Items never tried on this form are preferred, so that the walk gets around.
        std::vector<TMenuItem*> fresh;
        for (TMenuItem* item : top->menuItems()) {
            const std::string name = item->Name().toStdString();
            const bool closing = wbtest::closesItsForm(*item);
            if (mouse && item->Items().empty() && item->visibleChain() && item->enabledChain()) {
                double w = closing ? 0.4 : 3.0;
                if (isMenu && closing)
                    w = 0.03; // ends the program
                choices.push_back({ "menu " + name, w, item });
                if (!m_tried.count(form + "." + name) && !(isMenu && closing))
                    fresh.push_back(item);
            }
            if (item->ShortCut() && item->enabledChain() && !item->shortCutText().isEmpty())
                choices.push_back({ "key " + item->shortCutText().toStdString(),
                    item->ShortCut() == VK_ESCAPE ? (isMenu ? 0.03 : 0.5) : 1.0, item });
        }
        if (!fresh.empty() && pick(3) == 0) {
            TMenuItem* item = fresh[size_t(pick(int(fresh.size())))];
            return take({ "menu " + item->Name().toStdString(), 1, item }, top);
        }

        choices.push_back({ std::string("key ") + kKeys[pick(int(std::size(kKeys)))], isMenu ? 0.3 : 1.5 });
        choices.push_back({ "advance " + std::to_string(kAdvances[pick(int(std::size(kAdvances)))]), 3.0 });
        choices.push_back({ "run-until-idle 20000", 0.05 });
        choices.push_back({ "repaint", 0.2 });
        m_stateOf = top->Name();
        choices.push_back({ "state", 0.2 });

        if (mouse) {
            choices.push_back({ "close", isMenu ? 0.02 : (isCover ? 0.1 : 0.3) });
            const QRect client(0, 0, top->ClientWidth(), top->ClientHeight());
            for (TComponent* c : top->components()) {
                auto* ctl = dynamic_cast<TControl*>(c);
                if (!ctl || !ctl->Visible())
                    continue;
                const std::string name = ctl->Name().toStdString();
                const QString kind = ctl->kind();
                if (kind == QLatin1String("paintbox") || kind == QLatin1String("image")
                    || kind == QLatin1String("label")) {
                    const QRect area = ctl->clientRect() & client;
                    if (area.isEmpty())
                        continue;
                    const int x = area.left() + pick(area.width()) - ctl->clientRect().left();
                    const int y = area.top() + pick(area.height()) - ctl->clientRect().top();
                    const std::string at = name + " " + std::to_string(x) + " " + std::to_string(y);
                    choices.push_back({ "click " + at, 1.0 });
                    choices.push_back({ "mousemove " + at, 0.5 });
                } else if (!ctl->Enabled()) {
                    continue;
                } else if (auto* edit = dynamic_cast<TEdit*>(ctl); edit && !edit->ReadOnly()) {
                    choices.push_back({ "type " + name + " " + kTexts[pick(int(std::size(kTexts)))], 1.5 });
                } else if (dynamic_cast<TButton*>(ctl)) {
                    choices.push_back({ "button " + name, 1.5 });
                } else if (auto* bar = dynamic_cast<TScrollBar*>(ctl)) {
                    const int pos = bar->Min() + pick(std::max(1, bar->Max() - bar->Min() + 1));
                    choices.push_back({ "scroll " + name + " " + std::to_string(pos), 1.0 });
                }
            }
        }
        // Other windows the user can bring to the front (the micrograph windows above their
        // series lesson).
        for (TForm* f : Application.zOrder())
            if (f != top && f->Visible() && !Application.isBlocked(f))
                choices.push_back({ "activate " + f->Name().toStdString(), 0.7 });

        double total = 0;
        for (const Choice& c : choices)
            total += c.weight;
        double r = std::uniform_real_distribution<double>(0, total)(m_random);
        for (const Choice& c : choices) {
            r -= c.weight;
            if (r <= 0)
                return take(c, top);
        }
        return take(choices.back(), top);
    }

    // Notes what a choice will do, for the checks after it.
    std::string take(const Choice& c, TForm* top)
    {
        if (c.item) {
            m_tried.insert(top->Name().toStdString() + "." + c.item->Name().toStdString());
            const bool viaKey = c.line.rfind("key ", 0) == 0;
            const bool closes = c.item->closesForm() && (viaKey || top->acceptsMouse());
            if (top != Application.MainForm() && wbtest::closesItsForm(*c.item))
                m_pendingClose = { top, closes };
            // A main-menu command of the registry opens its form.
            if (top == FormMenue && !viaKey)
                for (const FormRow& row : formRegistry())
                    if (row.command.item && c.item->Name() == QLatin1String(row.command.item))
                        m_pendingOpen = { row.form(), c.item->Name() };
        } else if (c.line == "close" && top != Application.MainForm()) {
            m_pendingClose = { top, false };
        } else if (c.line == "key Esc" && top != Application.MainForm()) {
            m_pendingClose = { top, false };
        }
        if (c.line == "state")
            m_stateAsked = true;
        return c.line;
    }

    struct PendingClose {
        TForm* form = nullptr;
        bool closes = false; // the command was a closing item: the form must be gone
    };

    struct PendingOpen {
        TForm* form = nullptr; // the form the registry says the command opens
        QString item;
    };

    std::mt19937 m_random;
    unsigned m_seed;
    int m_actions;
    int m_done = 0;
    int m_sessions = 0;
    bool m_failed = false;
    bool m_sessionStarted = false;
    bool m_firstLine = false;
    bool m_stateAsked = false;
    QString m_stateOf;
    PendingClose m_pendingClose;
    PendingOpen m_pendingOpen;
    std::ostringstream* m_out = nullptr;
    std::set<std::string> m_tried;
    std::set<QString> m_reached;
    std::set<QString> m_all;
    Watchdog m_watchdog;
};

std::vector<unsigned> seedsToWalk()
{
    const char* env = std::getenv("WB_WALK_SEEDS");
    if (!env || !*env)
        return { kDefaultSeed };
    std::vector<unsigned> seeds;
    for (const QString& s : QString::fromLocal8Bit(env).split(QLatin1Char(','), Qt::SkipEmptyParts))
        seeds.push_back(s.trimmed().toUInt());
    return seeds;
}

int actionsPerWalk()
{
    const char* env = std::getenv("WB_WALK_ACTIONS");
    const int n = env ? std::atoi(env) : 0;
    return n > 0 ? n : kDefaultActions;
}

} // namespace

TEST(RandomWalk, EveryFormSurvivesWhatAUserCanDo)
{
    std::signal(SIGSEGV, onFatalSignal);
    std::signal(SIGABRT, onFatalSignal);
    std::signal(SIGFPE, onFatalSignal);
    std::signal(SIGBUS, onFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(onSanitizerDeath);
#endif
    const int actions = actionsPerWalk();
    if (const char* log = std::getenv("WB_WALK_LOG"))
        walkLog = std::fopen(log, "w");
    for (unsigned seed : seedsToWalk()) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto started = std::chrono::steady_clock::now();
        Walk walk(seed, actions);
        walk.run();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("random walk seed %u: %d actions in %d sessions, %zu of %zu forms reached, %.1f s\n", seed,
            walk.actionsDone(), walk.sessions(), walk.reached().size(), walk.all().size(), seconds);
        std::fflush(stdout);
        if (walk.failed())
            break;
        EXPECT_EQ(walk.actionsDone(), actions);
        // Every form of the program was shown at some point of the walk.
        std::set<QString> missing;
        for (const QString& name : walk.all())
            if (!walk.reached().count(name))
                missing.insert(name);
        QStringList names(missing.begin(), missing.end());
        EXPECT_TRUE(missing.empty()) << "never reached: " << names.join(QStringLiteral(", ")).toStdString();
    }
    if (walkLog)
        std::fclose(walkLog);
    walkLog = nullptr;
    std::signal(SIGSEGV, SIG_DFL);
    std::signal(SIGABRT, SIG_DFL);
    std::signal(SIGFPE, SIG_DFL);
    std::signal(SIGBUS, SIG_DFL);
}
