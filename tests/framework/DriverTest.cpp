// The headless driver's command language, run in-process against two small forms.
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "tests/support/Harness.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <sys/stat.h>

using namespace wb;
using namespace std::string_literals;

namespace {

class TLessonForm;
TLessonForm* Lesson = nullptr;
void openLesson();

class THubForm : public TForm {
public:
    THubForm()
        : TForm(QStringLiteral("Hub"))
    {
        SetCaption(QStringLiteral("Hub"));
        SetBorderStyle(bsSizeable);
        SetBounds(0, 0, 640, 480);
        SetColor(clBlack);
        Open.OnClick = [] { openLesson(); };
        Beenden.OnClick = [this] { Close(); };
        Farbe.OnClick = [this] {
            if (Dialog.Execute())
                SetColor(Dialog.Color());
        };
    }
    TMainMenu Menu1 { this, QStringLiteral("Menu1") };
    TMenuItem Open { Menu1, QStringLiteral("Open"), QStringLiteral("&Open") };
    TMenuItem Farbe { Menu1, QStringLiteral("Farbe"), QStringLiteral("Farbe") };
    TMenuItem Beenden { Menu1, QStringLiteral("Beenden"), QStringLiteral("Beenden") };
    TMenuItem Esc { Menu1, QStringLiteral("ESC1"), QStringLiteral("ESC"), VK_ESCAPE, false };
    TColorDialog Dialog { this, QStringLiteral("ColorDialog1") };
};

class TLessonForm : public TForm {
public:
    TLessonForm()
        : TForm(QStringLiteral("Lesson"))
    {
        SetCaption(QStringLiteral("Lektion "));
        SetBorderStyle(bsToolWindow);
        SetBounds(112, 84, 800, 600);
        SetColor(RGB(0xD3, 0x05, 0x62));
        Box.SetBounds(10, 10, 200, 100);
        Box.OnPaint = [this] {
            Box.Canvas().Brush.SetColor(clWhite);
            Box.Canvas().Rectangle(0, 0, 200, 100);
        };
        Memo.SetBounds(300, 10, 100, 100);
        Memo.SetColor(RGB(0xFF, 0xBF, 0xBF));
        Memo.Lines.Add(QStringLiteral(" erste Zeile"));
        Memo.Lines.Add(QStringLiteral(" zweite Zeile "));
        Edit.SetBounds(300, 200, 50, 25);
        Button.SetBounds(300, 250, 60, 20);
        Button.SetCaption(QStringLiteral("Sta&rt"));
        Button.OnClick = [this] { Edit.SetText(QStringLiteral("pressed")); };
        Bar.SetBounds(300, 300, 200, 17);
        Bar.SetMin(1);
        Bar.SetMax(2000);
        Bar.SetPosition(1000);
        Bar.OnScroll = [this](int pos) { Tick.SetInterval(pos); };
        Status.SetSimpleText(QStringLiteral("ESC = Abbruch"));
        Hand.SetBounds(10, 60, 200, 50);
        Hand.SetCursor(crHandPoint);
        Hand.OnClick = [this] {
            Box.Canvas().Pen.SetColor(clRed);
            Box.Canvas().MoveTo(0, 70);
            Box.Canvas().LineTo(200, 70);
        };
        Start.OnClick = [this] {
            Tick.SetEnabled(true);
            Start.SetEnabled(false);
            SetEnabled(false);
        };
        Tick.OnTimer = [this] {
            ++ticks;
            Box.Canvas().Pen.SetColor(clBlue);
            Box.Canvas().MoveTo(ticks, 20);
            Box.Canvas().LineTo(ticks + 1, 20);
            if (ticks == 5) {
                Tick.SetEnabled(false);
                Start.SetEnabled(true);
                SetEnabled(true);
            }
        };
        Fehler.OnClick = [] { Application.ShowError(QStringLiteral("'abc' ist kein gültiger Gleitkommawert")); };
        Ende.OnClick = [this] { Close(); };
        Escape.OnClick = [this] {
            Tick.SetEnabled(false);
            SetEnabled(true);
            Start.SetEnabled(true);
            Close();
        };
    }
    TPaintBox Box { this, QStringLiteral("Box") };
    TPaintBox Hand { this, QStringLiteral("Hand") };
    TMemo Memo { this, QStringLiteral("Memo") };
    TEdit Edit { this, QStringLiteral("Edit") };
    TButton Button { this, QStringLiteral("Button") };
    TScrollBar Bar { this, QStringLiteral("Bar") };
    TStatusBar Status { this, QStringLiteral("StatusBarHint") };
    TMainMenu Menu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { Menu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem Start { Menu1, QStringLiteral("Start"), QStringLiteral("&Start") };
    TMenuItem Fehler { Menu1, QStringLiteral("Fehler"), QStringLiteral("Fehler") };
    TMenuItem Hidden { Menu1, QStringLiteral("Hidden"), QStringLiteral("Versteckt"), 0, false };
    TMenuItem Escape { Menu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };
    TTimer Tick { this, QStringLiteral("Tick"), 100 };
    int ticks = 0;
};

THubForm* Hub = nullptr;

void openLesson()
{
    Lesson->ShowModal();
}

void createForms()
{
    Application.CreateForm(Hub);
    Application.CreateForm(Lesson);
}

struct ScriptRun {
    int code = 0;
    std::string out, err;
};

ScriptRun run(const std::string& script, bool keepGoing = false)
{
    ScriptRun r;
    r.code = wbtest::runScript(script, createForms, &r.out, &r.err, keepGoing);
    return r;
}

} // namespace

TEST(Driver, FormsListsCreationOrderModalStackAndTop)
{
    const ScriptRun r = run("forms\nmenu Open\nforms\nkey Esc\nforms\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "{\"forms\": [\"Hub\", \"Lesson\"], \"stack\": [], \"top\": \"Hub\"}\n"
        "{\"forms\": [\"Hub\", \"Lesson\"], \"stack\": [\"Lesson\"], \"top\": \"Lesson\"}\n"
        "{\"forms\": [\"Hub\", \"Lesson\"], \"stack\": [], \"top\": \"Hub\"}\n");
}

TEST(Driver, ClosingTheMainFormEndsTheRunWithItsExitCode)
{
    const ScriptRun r = run("menu Beenden\n# nothing follows but comments\n\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(run("key Esc\n").code, 0);
}

TEST(Driver, ACommandAfterTheProgramHasEndedIsRefused)
{
    const ScriptRun r = run("menu Beenden\nforms\npixel 1 1\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "") << "commands after the end are not run";
    EXPECT_EQ(r.err, "error: line 2: the program has ended (after line 1): 'forms' cannot run\n");

    // Going on after errors, each such command is reported, and the run still ends with exit code 2.
    const ScriptRun k = run("menu Beenden\nforms\n# a comment\npixel 1 1\n", true);
    EXPECT_EQ(k.code, 2);
    EXPECT_EQ(k.err,
        "error: line 2: the program has ended (after line 1): 'forms' cannot run\n"
        "error: line 4: the program has ended (after line 1): 'pixel' cannot run\n");
}

TEST(Driver, BadArgumentsAreRefusedWithTheLineAndExitCodeTwo)
{
    struct Case {
        std::string script;
        std::string error;
    };
    const Case cases[] = {
        // A point is checked in 64 bits: an offset near the int limit cannot wrap into the form.
        { "menu Open\nclick Box 2147483647 0\n",
            "error: line 2: (2147483647, 0) in 'Box' lies outside the client area of Lesson" },
        { "menu Open\nmousemove Box -2147483648 -2147483648\n",
            "error: line 2: (-2147483648, -2147483648) in 'Box' lies outside the client area of Lesson" },
        { "menu Open\nclick Box 782 0\n", "error: line 2: (782, 0) in 'Box' lies outside the client area of Lesson" },
        { "menu Open\nclick Lesson 0 554\n",
            "error: line 2: (0, 554) in 'Lesson' lies outside the client area of Lesson" },
        // Screens no display has.
        { "screen 20000 20000\n",
            "error: line 1: a screen of 20000 x 20000 pixels cannot be: a screen is 320 x 200 to 8192 x 8192 pixels" },
        { "screen 2147483647 2147483647\n",
            "error: line 1: a screen of 2147483647 x 2147483647 pixels cannot be: a screen is 320 x 200 to 8192 x 8192 "
            "pixels" },
        { "screen 319 600\n",
            "error: line 1: a screen of 319 x 600 pixels cannot be: a screen is 320 x 200 to 8192 x 8192 pixels" },
        { "screen 800 0\n",
            "error: line 1: a screen of 800 x 0 pixels cannot be: a screen is 320 x 200 to 8192 x 8192 pixels" },
        { "screen 800 99999999999\n", "error: line 1: usage: screen W H" },
        // Components that exist but cannot take the action.
        { "menu Open\nclick Tick 1 1\n",
            "error: line 2: 'Tick' on Lesson is a timer, which has no place on the form and cannot be clicked" },
        { "mousemove ColorDialog1 1 1\n",
            "error: line 1: 'ColorDialog1' on Hub is a colour dialog, which has no place on the form and cannot be "
            "pointed "
            "at" },
        { "menu Open\ntype Memo 12\n", "error: line 2: 'Memo' on Lesson is a memo, not an edit" },
        { "menu Open\nbutton Edit\n", "error: line 2: 'Edit' on Lesson is an edit, not a button" },
        { "menu Open\nscroll Start 5\n", "error: line 2: 'Start' on Lesson is a menu item, not a scroll bar" },
        // Arguments in error lines: control characters escaped, long ones cut.
        { std::string("menu a\x01"
                      "b\0c\\\x7f\n",
              12),
            "error: line 1: unknown menu item 'a\\x01b\\x00c\\\\\\x7f' on Hub" },
        { "menu " + std::string(100, 'x') + "\n",
            "error: line 1: unknown menu item '" + std::string(80, 'x') + "… (100 characters)' on Hub" },
        { "frob\tnicate " + std::string(1 << 20, 'x') + "\n", "error: line 1: the line is longer than 65536 bytes" },
        // Scales that are not numbers, and screens whose surfaces would not fit in memory.
        { "scale nan\n", "error: line 1: usage: scale S (1 to 4)" },
        { "scale inf\n", "error: line 1: usage: scale S (1 to 4)" },
        { "scale -inf\n", "error: line 1: usage: scale S (1 to 4)" },
        { "scale 1e400\n", "error: line 1: usage: scale S (1 to 4)" },
        { "screen 8192 8192\nscale 4\n",
            "error: line 2: a screen of 8192 x 8192 pixels at scale 4 needs 1074 million device pixels a surface; at "
            "most 67 million are allowed" },
        { "scale 2.5\nscreen 4096 4096\n",
            "error: line 2: a screen of 4096 x 4096 pixels at scale 2.5 needs 105 million device pixels a surface; at "
            "most 67 million are allowed" },
        // Words a command does not take: the script meant something else.
        { "start now\n", "error: line 1: usage: start (it takes no arguments)" },
        { "forms all\n", "error: line 1: usage: forms (it takes no arguments)" },
        { "message please\n", "error: line 1: usage: message (it takes no arguments)" },
        { "menu Open\nclose Lesson\n", "error: line 2: usage: close (it takes no arguments)" },
        { "menu Open\nrepaint 3\n", "error: line 2: usage: repaint (it takes no arguments)" },
        // Old Mac line ends make the script one line: its first command must not run alone.
        { "forms\rmenu Open\rpixel 5 5\r",
            "error: line 1: a carriage return inside the line: lines end with LF or CR LF" },
        { "menu Open\npixel 5\r5\r\n", "error: line 2: a carriage return inside the line: lines end with LF or CR LF" },
        // A script is UTF-8 text.
        { "menu Op\xff"
          "en\n",
            "error: line 1: the line is not UTF-8 text" },
        { "menu Open\nsnapshot /tmp/shot\xc3"
          "(.png\n",
            "error: line 2: the line is not UTF-8 text" },
        // A snapshot writes a regular file only: never a device, and never under a name cut at a NUL.
        { "menu Open\nsnapshot /dev/null\n",
            "error: line 2: cannot write '/dev/null': it is not a regular file (a device, pipe or socket)" },
        { "menu Open\nsnapshot /tmp/shot\0.png\n"s,
            "error: line 2: cannot write '/tmp/shot\\x00.png': a file name cannot hold a NUL character" },
        { "menu Open\nexport-pictures /tmp/pictures\0x\n"s,
            "error: line 2: a folder name cannot hold a NUL character" },
    };
    for (const auto& c : cases) {
        const ScriptRun r = run(c.script);
        SCOPED_TRACE(c.error);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err, c.error + "\n");
    }
}

TEST(Driver, ALongLineIsSkippedWholeWhenGoingOn)
{
    const ScriptRun r = run("menu " + std::string(70000, 'x') + "\npixel 5 5\n", true);
    EXPECT_EQ(r.code, 2) << "an error reported on the way still fails the run";
    EXPECT_EQ(r.err, "error: line 1: the line is longer than 65536 bytes\n");
    EXPECT_EQ(r.out, "#000000\n") << "the next line is read from its start";
}

TEST(Driver, ASnapshotThatCannotBeWrittenIsARefusedCommand)
{
    QTemporaryDir dir;
    for (const QString& target : { dir.path() + QStringLiteral("/missing/shot.png"), dir.path() }) {
        const ScriptRun r = run("menu Open\nsnapshot " + target.toStdString() + "\n");
        SCOPED_TRACE(target.toStdString());
        EXPECT_EQ(r.code, 2);
        const std::string prefix = "error: line 2: cannot write '" + target.toStdString() + "': ";
        EXPECT_EQ(r.err.substr(0, prefix.size()), prefix);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(Driver, LinesEndingInCarriageReturnAndLineFeedRunAsLinesEndingInLineFeed)
{
    const ScriptRun r = run("menu Open\r\npixel 5 5\r\nclick Hand 10 10\r\npixel 50 80\r\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "#D30562\n#FF0000\n");
}

TEST(Driver, ASnapshotWritesRegularFilesOnlyAndLeavesAnythingElseAsItWas)
{
    QTemporaryDir dir;
    // A pipe: refused without opening it (opening a pipe with no reader would block).
    const QByteArray fifo = QFile::encodeName(dir.path() + QStringLiteral("/pipe"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const ScriptRun p = run("menu Open\nsnapshot " + fifo.toStdString() + "\n");
    EXPECT_EQ(p.code, 2);
    EXPECT_EQ(p.err,
        "error: line 2: cannot write '" + fifo.toStdString()
            + "': it is not a regular file (a device, pipe or socket)\n");
    struct stat st { };
    ASSERT_EQ(::lstat(fifo.constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the pipe is still a pipe";

    // An existing regular file, also behind a link, is replaced by the picture.
    const QString file = dir.path() + QStringLiteral("/old.png");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    const QString link = dir.path() + QStringLiteral("/link.png");
    ASSERT_TRUE(QFile::link(file, link));
    const ScriptRun r = run("menu Open\nsnapshot " + file.toStdString() + "\nsnapshot " + link.toStdString() + "\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_FALSE(QImage(file).isNull());
}

TEST(Driver, PixelPrintsTheSurfaceColourInUpperCaseHex)
{
    const ScriptRun r = run("menu Open\npixel 5 5\npixel 50 50\nclick Hand 10 10\npixel 50 80\nrepaint\npixel 50 80\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "#D30562\n#FFFFFF\n#FF0000\n#FFFFFF\n");
}

TEST(Driver, AdvanceFiresEveryTimerDueUpToAndIncludingTheNewTime)
{
    const ScriptRun r = run("menu Open\nmenu Start\nadvance 299\npixel 12 30\npixel 13 30\nadvance 1\npixel 13 30\n"
                            "run-until-idle 10000\nstate\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 24), "#0000FF\n#FFFFFF\n#0000FF\n");
    EXPECT_NE(
        r.out.find("\"timers\": [{\"name\": \"Tick\", \"enabled\": false, \"interval\": 100}]"), std::string::npos);
}

TEST(Driver, ActionsAUserCouldNotPerformAreRefused)
{
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        { "menu Open\nmenu Hidden\n", "error: line 2: menu item 'Hidden' is hidden" },
        { "menu Open\nmenu Start\nmenu Ende\n", "error: line 3: Lesson is disabled" },
        { "menu Open\nmenu Start\nclick Box 5 5\n", "error: line 3: Lesson is disabled" },
        { "menu Open\nmenu Start\nclose\n", "error: line 3: Lesson is disabled" },
        { "menu Open\nmenu Nope\n", "error: line 2: unknown menu item 'Nope' on Lesson" },
        { "# a comment\n\nfrobnicate\n", "error: line 3: unknown command 'frobnicate'" },
        { "state NoSuchForm\n", "error: line 1: unknown form 'NoSuchForm'" },
        { "menu Open\npixel 792 0\n", "error: line 2: (792, 0) lies outside the client area of Lesson" },
        { "menu Farbe\n", "error: line 1: a colour dialog opened without an answer (give one with `color` first)" },
    };
    for (const auto& c : cases) {
        const ScriptRun r = run(c.script);
        EXPECT_EQ(r.code, 2) << c.script;
        EXPECT_EQ(r.err, std::string(c.error) + "\n") << c.script;
    }
}

TEST(Driver, KeepGoingReportsAndCarriesOn)
{
    const ScriptRun r = run("menu Open\nmenu Hidden\npixel 5 5\nfrob\n", true);
    EXPECT_EQ(r.code, 2) << "the errors on the way fail the run at its end";
    EXPECT_EQ(r.err, "error: line 2: menu item 'Hidden' is hidden\nerror: line 4: unknown command 'frob'\n");
    EXPECT_EQ(r.out, "#D30562\n");
    EXPECT_EQ(run("menu Open\npixel 5 5\n", true).code, 0) << "going on without an error";
}

TEST(Driver, EscClosesALockedFormThroughItsHiddenItem)
{
    const ScriptRun r = run("menu Open\nmenu Start\nadvance 200\nkey Esc\nforms\nmenu Open\nstate\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"top\": \"Hub\""), std::string::npos);
    EXPECT_NE(r.out.find("\"name\": \"Lesson\", \"caption\": \"Lektion \", \"visible\": true, \"enabled\": true"),
        std::string::npos)
        << r.out;
}

TEST(Driver, StateDescribesFormComponentsItemsAndTimers)
{
    const ScriptRun r = run("menu Open\nscroll Bar 250\ntype Edit 12,5\nbutton Button\nmousemove Hand 1 1\nstate\n");
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string& s = r.out;
    for (const char* part : {
             "{\"name\": \"Lesson\", \"caption\": \"Lektion \", \"visible\": true, \"enabled\": true, "
             "\"color\": \"#D30562\", \"bounds\": [112, 84, 800, 600], \"clientWidth\": 792, \"clientHeight\": 554",
             "{\"name\": \"Hand\", \"kind\": \"paintbox\", \"bounds\": [10, 60, 200, 50], \"visible\": true, "
             "\"enabled\": true, \"color\": \"#D30562\", \"cursor\": \"hand\"}",
             "\"lines\": [\" erste Zeile\", \" zweite Zeile \"]",
             "{\"name\": \"Edit\", \"kind\": \"edit\", \"bounds\": [300, 200, 50, 25]",
             "\"text\": \"pressed\"",
             "\"position\": 250",
             "\"text\": \"ESC = Abbruch\"",
             "{\"name\": \"Hidden\", \"caption\": \"Versteckt\", \"visible\": false, \"enabled\": true, \"shortcut\": "
             "\"\"}",
             "{\"name\": \"ESCAPE\", \"caption\": \"ESCAPE\", \"visible\": false, \"enabled\": true, \"shortcut\": "
             "\"Esc\"}",
             "\"timers\": [{\"name\": \"Tick\", \"enabled\": false, \"interval\": 250}]",
         })
        EXPECT_NE(s.find(part), std::string::npos) << part << "\nin\n" << s;
}

TEST(Driver, ColourDialogTakesTheScriptedAnswerOrCancel)
{
    const ScriptRun r = run("color #123456\nmenu Farbe\nstate Hub\ncolor cancel\nmenu Farbe\nstate Hub\n");
    ASSERT_EQ(r.code, 0) << r.err;
    const auto first = r.out.find("\"color\": \"#123456\"");
    EXPECT_NE(first, std::string::npos);
    EXPECT_NE(r.out.find("\"color\": \"#123456\"", first + 1), std::string::npos) << "cancel changes nothing";
}

TEST(Driver, MessagePrintsTheLastMessageBoxOnce)
{
    const ScriptRun r = run("menu Open\nmessage\nmenu Fehler\nmessage\nmessage\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "\n'abc' ist kein gültiger Gleitkommawert\n\n");
}

TEST(Driver, SnapshotShowsWindowedControlsOverTheSurface)
{
    QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath(QStringLiteral("lesson.png")).toStdString();
    const ScriptRun r = run("menu Open\nsnapshot " + file + "\npixel 350 60\n");
    ASSERT_EQ(r.code, 0) << r.err;
    QImage shot(QString::fromStdString(file));
    ASSERT_EQ(shot.size(), QSize(792, 554));
    EXPECT_EQ(fromPixel(shot.pixel(350, 60)), RGB(0xFF, 0xBF, 0xBF)) << "the memo lies above the surface";
    EXPECT_EQ(r.out, "#D30562\n") << "while pixel reads the surface beneath it";
    EXPECT_EQ(fromPixel(shot.pixel(50, 50)), clWhite);
}

TEST(Driver, ScreenSizeIsSetBeforeStart)
{
    const ScriptRun r = run("screen 800 600\nstart\nmenu Open\nstate\nscreen 1024 768\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "error: line 5: screen must come before start\n");
}

TEST(Driver, ScaleDrawsAtTheDeviceRatioWhilePixelReadsLogicalPixels)
{
    // The same script at scale 1 and 2 reads the same colours: the white box, the form colour
    // and the red line a click draws, each a whole block at ratio 2.
    const std::string script = "menu Open\npixel 5 5\npixel 50 50\nclick Hand 10 10\npixel 50 80\n";
    const ScriptRun one = run(script);
    const ScriptRun two = run("scale 2\n" + script);
    ASSERT_EQ(two.code, 0) << two.err;
    EXPECT_EQ(two.out, one.out);
    EXPECT_EQ(two.out, "#D30562\n#FFFFFF\n#FF0000\n");

    QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath(QStringLiteral("lesson.png")).toStdString();
    const ScriptRun shot = run("scale 2\nmenu Open\nclick Hand 10 10\nsnapshot " + file + "\n");
    ASSERT_EQ(shot.code, 0) << shot.err;
    QImage image(QString::fromStdString(file));
    ASSERT_EQ(image.size(), QSize(1584, 1108));
    EXPECT_EQ(fromPixel(image.pixel(700, 120)), RGB(0xFF, 0xBF, 0xBF)) << "the memo at twice its place";
    // The line at logical y 80 of the form covers device rows 160 and 161.
    EXPECT_EQ(fromPixel(image.pixel(100, 159)), clWhite);
    EXPECT_EQ(fromPixel(image.pixel(100, 160)), clRed);
    EXPECT_EQ(fromPixel(image.pixel(100, 161)), clRed);
    EXPECT_EQ(fromPixel(image.pixel(100, 162)), clWhite);
}

TEST(Driver, ScaleIsSetBeforeStartAndTakesARatioFrom1To4)
{
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        { "scale 0\n", "error: line 1: usage: scale S (1 to 4)" },
        { "scale 5\n", "error: line 1: usage: scale S (1 to 4)" },
        { "scale zwei\n", "error: line 1: usage: scale S (1 to 4)" },
        { "scale\n", "error: line 1: usage: scale S (1 to 4)" },
        { "menu Open\nscale 2\n", "error: line 2: scale must come before start" },
    };
    for (const auto& c : cases) {
        const ScriptRun r = run(c.script);
        EXPECT_EQ(r.code, 2) << c.script;
        EXPECT_EQ(r.err, std::string(c.error) + "\n") << c.script;
    }
    EXPECT_EQ(run("scale 1.5\nmenu Open\npixel 50 50\n").out, "#FFFFFF\n");
}
