#include "ScriptDriver.h"

#include "framework/Controls.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/Snapshot.h"
#include "framework/Timers.h"
#include "resources/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <cmath>
#include <istream>
#include <ostream>
#include <string>
#include <sys/stat.h>

namespace wb {

namespace {

QString jsonString(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString jsonBool(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

QString jsonBounds(int l, int t, int w, int h)
{
    return QStringLiteral("[%1, %2, %3, %4]").arg(l).arg(t).arg(w).arg(h);
}

// Builds one JSON object with its fields in the order they are added.
class JsonObject {
public:
    JsonObject& add(const char* key, const QString& rawValue)
    {
        m_fields << jsonString(QLatin1String(key)) + QStringLiteral(": ") + rawValue;
        return *this;
    }
    QString str() const { return QLatin1Char('{') + m_fields.join(QStringLiteral(", ")) + QLatin1Char('}'); }

private:
    QStringList m_fields;
};

QString cursorName(TCursor c)
{
    return c == crHandPoint ? QStringLiteral("hand") : QStringLiteral("default");
}

struct KeyName {
    const char* name;
    int code;
};

// clang-format off
constexpr KeyName kKeyNames[] = {
    {"Esc", VK_ESCAPE}, {"F1", VK_F1}, {"F2", VK_F2}, {"Enter", VK_RETURN}, {"Space", VK_SPACE},
    {"Shift", VK_SHIFT}, {"Ctrl", VK_CONTROL}, {"Alt", VK_MENU},
    {"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Up", VK_UP}, {"Down", VK_DOWN},
};
// clang-format on

int keyCode(const QString& name)
{
    for (const auto& k : kKeyNames)
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0)
            return k.code;
    if (name.size() == 1) {
        const QChar c = name[0].toUpper();
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return c.unicode();
    }
    if (name.size() >= 2 && name[0].toUpper() == QLatin1Char('F')) {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 12)
            return VK_F1 + n - 1;
    }
    return 0;
}

// Strips a comment: '#' at the start of the line, or a '#' standing alone as a word.
QString stripComment(const QString& line)
{
    static const QRegularExpression comment(QStringLiteral("(^|\\s)#(\\s|$)"));
    QString s = line;
    if (s.trimmed().startsWith(QLatin1Char('#')))
        return {};
    const auto m = comment.match(s);
    if (m.hasMatch())
        s.truncate(m.capturedStart());
    return s;
}

// A script's own text as it appears in an error line: control characters escaped, so that an
// error is always one printable line, and long arguments cut, so that it stays short.
QString shown(const QString& text)
{
    constexpr int kMaxShown = 80;
    QString out;
    for (const QChar c : text) {
        if (out.size() >= kMaxShown) {
            out += QStringLiteral("… (%1 characters)").arg(text.size());
            break;
        }
        const char16_t u = c.unicode();
        if (u == '\\')
            out += QStringLiteral("\\\\");
        else if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0))
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// The kinds of component a script names, as an error line says them.
QString kindName(const TComponent* c)
{
    struct Kind {
        const char* kind;
        const char* name;
    };
    static constexpr Kind kKinds[] = {
        { "button", "a button" },
        { "colordialog", "a colour dialog" },
        { "edit", "an edit" },
        { "image", "an image" },
        { "imagelist", "an image list" },
        { "label", "a label" },
        { "mainmenu", "a main menu" },
        { "memo", "a memo" },
        { "menuitem", "a menu item" },
        { "paintbox", "a paint box" },
        { "panel", "a panel" },
        { "scrollbar", "a scroll bar" },
        { "statusbar", "a status bar" },
        { "timer", "a timer" },
    };
    const QString kind = c->kind();
    for (const Kind& k : kKinds)
        if (kind == QLatin1String(k.kind))
            return QLatin1String(k.name);
    return QStringLiteral("a component of kind '%1'").arg(kind);
}

bool parseInt(const QString& s, int* out)
{
    bool ok = false;
    const int v = s.toInt(&ok);
    if (ok)
        *out = v;
    return ok;
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// above U+10FFFF.
bool isUtf8(const std::string& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        int more = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (c < 0x80) {
            ++p;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1, code = c & 0x1F, least = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2, code = c & 0x0F, least = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3, code = c & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

// Why a script may not write a file at `path`, or an empty string: only a regular file (new or
// existing, also behind a link) is written, never a device, pipe, socket or folder.
QString whyNotWritable(const QString& path)
{
    if (path.contains(QChar(0)))
        return QStringLiteral("a file name cannot hold a NUL character");
    const QByteArray native = QFile::encodeName(path);
    struct stat st { };
    if (::stat(native.constData(), &st) != 0)
        return {}; // not there yet (or not reachable: writing says why)
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("it is a folder");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a regular file (a device, pipe or socket)");
    return {};
}

} // namespace

QString formStateJson(TForm* form)
{
    QStringList components;
    for (TComponent* c : form->components()) {
        if (auto* ctl = dynamic_cast<TControl*>(c)) {
            JsonObject o;
            o.add("name", jsonString(ctl->Name()))
                .add("kind", jsonString(ctl->kind()))
                .add("bounds", jsonBounds(ctl->Left(), ctl->Top(), ctl->Width(), ctl->Height()))
                .add("visible", jsonBool(ctl->Visible()))
                .add("enabled", jsonBool(ctl->Enabled()))
                .add("color", jsonString(colorToHex(ctl->Color())));
            if (auto* memo = dynamic_cast<TMemo*>(ctl)) {
                QStringList lines;
                for (const QString& l : memo->Lines.list())
                    lines << jsonString(l);
                o.add("lines", QLatin1Char('[') + lines.join(QStringLiteral(", ")) + QLatin1Char(']'));
            } else if (ctl->hasText()) {
                o.add("text", jsonString(ctl->text()));
            }
            if (auto* bar = dynamic_cast<TScrollBar*>(ctl))
                o.add("position", QString::number(bar->Position()));
            o.add("cursor", jsonString(cursorName(form->cursorOf(ctl))));
            components << o.str();
        } else if (auto* list = dynamic_cast<TImageList*>(c)) {
            JsonObject o;
            o.add("name", jsonString(list->Name()))
                .add("kind", jsonString(list->kind()))
                .add("frames", QString::number(list->Count()));
            components << o.str();
        }
    }
    QStringList items;
    for (TMenuItem* item : form->menuItems()) {
        JsonObject o;
        o.add("name", jsonString(item->Name()))
            .add("caption", jsonString(item->Caption()))
            .add("visible", jsonBool(item->Visible()))
            .add("enabled", jsonBool(item->Enabled()))
            .add("shortcut", jsonString(item->shortCutText()));
        items << o.str();
    }
    QStringList timers;
    for (TComponent* c : form->components()) {
        if (auto* t = dynamic_cast<TTimer*>(c)) {
            JsonObject o;
            o.add("name", jsonString(t->Name()))
                .add("enabled", jsonBool(t->Enabled()))
                .add("interval", QString::number(t->Interval()));
            timers << o.str();
        }
    }
    auto list = [](const QStringList& l) { return QLatin1Char('[') + l.join(QStringLiteral(", ")) + QLatin1Char(']'); };
    JsonObject o;
    o.add("name", jsonString(form->Name()))
        .add("caption", jsonString(form->Caption()))
        .add("visible", jsonBool(form->Visible()))
        .add("enabled", jsonBool(form->Enabled()))
        .add("color", jsonString(colorToHex(form->Color())))
        .add("bounds", jsonBounds(form->Left(), form->Top(), form->Width(), form->Height()))
        .add("clientWidth", QString::number(form->ClientWidth()))
        .add("clientHeight", QString::number(form->ClientHeight()))
        .add("cursor", jsonString(cursorName(form->Cursor())))
        .add("components", list(components))
        .add("items", list(items))
        .add("timers", list(timers))
        .add("busy", jsonBool(form->Busy()));
    return o.str();
}

ScriptDriver::ScriptDriver(std::istream& in, std::ostream& out, std::ostream& err, bool keepGoing)
    : m_in(in)
    , m_out(out)
    , m_err(err)
    , m_keepGoing(keepGoing)
{
    // The simulated screen a script starts with, whatever display (if any) the machine has.
    Screen.setSize(1024, 768);
}

void ScriptDriver::addCommand(const QString& name, Extension handler)
{
    m_extensions.emplace_back(name, std::move(handler));
}

void ScriptDriver::print(const QString& line)
{
    m_out << line.toStdString() << '\n';
    m_out.flush();
}

bool ScriptDriver::fail(const QString& what)
{
    QString line = what;
    for (QChar& c : line)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    m_err << "error: line " << m_lineNo << ": " << line.toStdString() << '\n';
    m_err.flush();
    ++m_errors;
    if (!m_keepGoing) {
        m_failed = true;
        Application.Terminate();
    }
    return false;
}

// Reads one line of at most kMaxLineBytes bytes (without its newline). A longer line is read
// to its end but not kept. False at the end of the input.
bool ScriptDriver::readLine(std::string* raw, bool* tooLong)
{
    raw->clear();
    *tooLong = false;
    std::streambuf* in = m_in.rdbuf();
    if (!in || !m_in.good())
        return false;
    bool any = false;
    for (;;) {
        const int c = in->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            m_in.setstate(std::ios::eofbit);
            return any;
        }
        any = true;
        if (c == '\n')
            return true;
        if (raw->size() < kMaxLineBytes)
            raw->push_back(char(c));
        else
            *tooLong = true;
    }
}

bool ScriptDriver::nextCommand(QStringList* words, QString* rest)
{
    std::string raw;
    bool tooLong = false;
    while (readLine(&raw, &tooLong)) {
        ++m_lineNo;
        if (tooLong) {
            fail(QStringLiteral("the line is longer than %1 bytes").arg(kMaxLineBytes));
            if (m_failed)
                return false;
            continue;
        }
        // A line may end in CR LF; a CR anywhere else would hide the commands after it (a script
        // with old Mac line ends is one long line).
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (raw.find('\r') != std::string::npos) {
            fail(QStringLiteral("a carriage return inside the line: lines end with LF or CR LF"));
            if (m_failed)
                return false;
            continue;
        }
        if (!isUtf8(raw)) {
            fail(QStringLiteral("the line is not UTF-8 text"));
            if (m_failed)
                return false;
            continue;
        }
        const QString line = QString::fromStdString(raw);
        const QString code = stripComment(line);
        *words = code.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (words->isEmpty())
            continue;
        // The rest of the line after the command and its first argument, verbatim.
        static const QRegularExpression twoWords(QStringLiteral("^\\s*\\S+\\s+\\S+\\s?"));
        const auto m = twoWords.match(line);
        *rest = m.hasMatch() ? line.mid(m.capturedEnd()) : QString();
        return true;
    }
    return false;
}

int ScriptDriver::run(const std::function<int()>& program)
{
    m_program = program;
    QStringList words;
    QString rest;
    while (!m_started && !m_failed) {
        if (!nextCommand(&words, &rest))
            return m_failed || m_errors > 0 ? 2 : 0;
        const QString cmd = words[0];
        if (cmd == QLatin1String("screen")) {
            cmdScreen(words);
        } else if (cmd == QLatin1String("scale")) {
            cmdScale(words);
        } else if (cmd == QLatin1String("start")) {
            if (words.size() != 1)
                fail(QStringLiteral("usage: start (it takes no arguments)"));
            else
                m_started = true;
        } else if (cmd == QLatin1String("color")) {
            cmdColor(words);
        } else {
            // Any other command needs the running program: start it implicitly.
            m_pendingLine = QString::number(m_lineNo);
            m_pendingWords = words;
            m_pendingRest = rest;
            m_started = true;
        }
    }
    if (m_failed)
        return 2;
    const int code = program();
    m_ended = true;
    if (m_failed)
        return 2;
    // The program has ended: a command after it cannot run, and a script that goes on as if it
    // had is wrong.
    const int endLine = m_lineNo;
    while (nextCommand(&words, &rest)) {
        fail(
            QStringLiteral("the program has ended (after line %1): '%2' cannot run").arg(endLine).arg(shown(words[0])));
        if (m_failed)
            return 2;
    }
    // Going on after an error still ends with the error's exit code.
    return m_errors > 0 ? 2 : code;
}

bool ScriptDriver::pumpOne()
{
    if (m_failed)
        return false;
    QStringList words;
    QString rest;
    if (m_pendingLine) {
        words = m_pendingWords;
        rest = m_pendingRest;
        m_pendingLine.reset();
    } else if (!nextCommand(&words, &rest)) {
        return false;
    }
    execute(words, rest);
    return !m_failed;
}

TForm* ScriptDriver::topForm() const
{
    return Application.topForm();
}

TForm* ScriptDriver::formArg(const QString& name)
{
    TForm* f = Application.findForm(name);
    if (!f)
        fail(QStringLiteral("unknown form '%1'").arg(shown(name)));
    return f;
}

bool ScriptDriver::execute(const QStringList& w, const QString& rest)
{
    const QString cmd = w[0];
    if (cmd == QLatin1String("screen"))
        return fail(QStringLiteral("screen must come before start"));
    if (cmd == QLatin1String("start"))
        return fail(QStringLiteral("the program has already started"));
    if (cmd == QLatin1String("scale"))
        return fail(QStringLiteral("scale must come before start"));
    if (cmd == QLatin1String("color"))
        return cmdColor(w);
    if (cmd == QLatin1String("advance"))
        return cmdAdvance(w);
    if (cmd == QLatin1String("run-until-idle"))
        return cmdRunUntilIdle(w);
    // Commands that take no arguments refuse words after them: a script that meant something
    // else must not pass as if it had run.
    static const QStringList kBare { QStringLiteral("forms"), QStringLiteral("message"), QStringLiteral("skip-cover"),
        QStringLiteral("close"), QStringLiteral("repaint") };
    if (kBare.contains(cmd) && w.size() != 1)
        return fail(QStringLiteral("usage: %1 (it takes no arguments)").arg(cmd));
    if (cmd == QLatin1String("forms"))
        return cmdForms();
    if (cmd == QLatin1String("message"))
        return cmdMessage();
    if (cmd == QLatin1String("state"))
        return cmdState(w);
    if (cmd == QLatin1String("export-pictures"))
        return cmdExportPictures(w);
    for (const auto& [name, handler] : m_extensions)
        if (cmd == name)
            return handler(*this, w);
    if (!topForm())
        return fail(QStringLiteral("no form is shown"));
    if (cmd == QLatin1String("skip-cover"))
        return cmdSkipCover();
    if (cmd == QLatin1String("menu"))
        return cmdMenu(w);
    if (cmd == QLatin1String("key"))
        return cmdKey(w);
    if (cmd == QLatin1String("click"))
        return cmdMouse(w, true);
    if (cmd == QLatin1String("mousemove"))
        return cmdMouse(w, false);
    if (cmd == QLatin1String("type"))
        return cmdType(w, rest);
    if (cmd == QLatin1String("button"))
        return cmdButton(w);
    if (cmd == QLatin1String("scroll"))
        return cmdScroll(w);
    if (cmd == QLatin1String("close"))
        return cmdClose();
    if (cmd == QLatin1String("activate"))
        return cmdActivate(w);
    if (cmd == QLatin1String("repaint")) {
        topForm()->Refresh();
        return true;
    }
    if (cmd == QLatin1String("pixel"))
        return cmdPixel(w);
    if (cmd == QLatin1String("snapshot"))
        return cmdSnapshot(w, rest);
    return fail(QStringLiteral("unknown command '%1'").arg(shown(cmd)));
}

// export-pictures DIR: every built-in picture and every image-list frame as PNG files, so that
// anyone can look at them all.
bool ScriptDriver::cmdExportPictures(const QStringList& w)
{
    if (w.size() != 2)
        return fail(QStringLiteral("usage: export-pictures DIR"));
    if (w[1].contains(QChar(0)))
        return fail(QStringLiteral("a folder name cannot hold a NUL character"));
    QString error;
    if (!pictures::exportAll(w[1], &error))
        return fail(error);
    return true;
}

bool ScriptDriver::cmdScreen(const QStringList& w)
{
    int width = 0, height = 0;
    if (w.size() != 3 || !parseInt(w[1], &width) || !parseInt(w[2], &height))
        return fail(QStringLiteral("usage: screen W H"));
    if (width < kMinScreen.width() || height < kMinScreen.height() || width > kMaxScreen.width()
        || height > kMaxScreen.height())
        return fail(QStringLiteral("a screen of %1 x %2 pixels cannot be: a screen is %3 x %4 to %5 x %6 pixels")
                        .arg(width)
                        .arg(height)
                        .arg(kMinScreen.width())
                        .arg(kMinScreen.height())
                        .arg(kMaxScreen.width())
                        .arg(kMaxScreen.height()));
    if (!affordable(QSize(width, height), m_scale))
        return fail(tooCostly(QSize(width, height), m_scale));
    m_screen = QSize(width, height);
    Screen.setSize(width, height);
    return true;
}

// scale S: the forms draw at device pixel ratio S (1 to 4), as on a screen with that ratio;
// snapshots have S times as many pixels each way, `pixel` still reads logical pixels.
bool ScriptDriver::cmdScale(const QStringList& w)
{
    bool ok = false;
    const double ratio = w.size() == 2 ? w[1].toDouble(&ok) : 0;
    if (!ok || !std::isfinite(ratio) || ratio < 1 || ratio > 4)
        return fail(QStringLiteral("usage: scale S (1 to 4)"));
    if (!affordable(m_screen, ratio))
        return fail(tooCostly(m_screen, ratio));
    m_scale = ratio;
    setDefaultPixelRatio(ratio);
    return true;
}

// A form as large as the screen holds one surface of screen × scale² device pixels: what a
// script may ask is bounded so that such a surface stays below kMaxDevicePixels.
bool ScriptDriver::affordable(QSize screen, double scale)
{
    return double(screen.width()) * screen.height() * scale * scale <= double(kMaxDevicePixels);
}

QString ScriptDriver::tooCostly(QSize screen, double scale)
{
    return QStringLiteral("a screen of %1 x %2 pixels at scale %3 needs %4 million device pixels a surface; at most "
                          "%5 million are allowed")
        .arg(screen.width())
        .arg(screen.height())
        .arg(scale)
        .arg(qRound64(double(screen.width()) * screen.height() * scale * scale / 1e6))
        .arg(kMaxDevicePixels / 1000000);
}

bool ScriptDriver::cmdSkipCover()
{
    TForm* main = Application.MainForm();
    if (!main || !main->Visible() || topForm() != main)
        return fail(QStringLiteral("the cover page is not shown"));
    main->pressKey(VK_ESCAPE);
    return true;
}

bool ScriptDriver::cmdMenu(const QStringList& w)
{
    if (w.size() != 2)
        return fail(QStringLiteral("usage: menu ITEM"));
    TForm* form = topForm();
    TMenuItem* item = form->findMenuItem(w[1]);
    if (!item)
        return fail(QStringLiteral("unknown menu item '%1' on %2").arg(shown(w[1]), form->Name()));
    if (!form->acceptsMouse())
        return fail(QStringLiteral("%1 is disabled").arg(form->Name()));
    if (!item->visibleChain())
        return fail(QStringLiteral("menu item '%1' is hidden").arg(shown(w[1])));
    if (!item->enabledChain())
        return fail(QStringLiteral("menu item '%1' is disabled").arg(shown(w[1])));
    item->Click();
    return true;
}

bool ScriptDriver::cmdKey(const QStringList& w)
{
    if (w.size() != 2)
        return fail(QStringLiteral("usage: key KEY"));
    const int code = keyCode(w[1]);
    if (!code)
        return fail(QStringLiteral("unknown key '%1'").arg(shown(w[1])));
    topForm()->pressKey(code);
    return true;
}

bool ScriptDriver::cmdMouse(const QStringList& w, bool click)
{
    int x = 0, y = 0;
    if (w.size() != 4 || !parseInt(w[2], &x) || !parseInt(w[3], &y))
        return fail(click ? QStringLiteral("usage: click COMP X Y") : QStringLiteral("usage: mousemove COMP X Y"));
    TForm* form = topForm();
    QPoint origin;
    if (w[1] != form->Name()) {
        TComponent* component = form->findComponent(w[1]);
        if (!component)
            return fail(QStringLiteral("unknown component '%1' on %2").arg(shown(w[1]), form->Name()));
        auto* ctl = dynamic_cast<TControl*>(component);
        if (!ctl)
            return fail(QStringLiteral("'%1' on %2 is %3, which has no place on the form and cannot be %4")
                            .arg(shown(w[1]), form->Name(), kindName(component),
                                click ? QStringLiteral("clicked") : QStringLiteral("pointed at")));
        if (!ctl->Visible())
            return fail(QStringLiteral("component '%1' is hidden").arg(shown(w[1])));
        origin = ctl->clientRect().topLeft();
    }
    if (!form->acceptsMouse())
        return fail(QStringLiteral("%1 is disabled").arg(form->Name()));
    // In 64 bits: a point far outside cannot wrap around into the form.
    const qint64 px = qint64(origin.x()) + x;
    const qint64 py = qint64(origin.y()) + y;
    if (px < 0 || py < 0 || px >= form->ClientWidth() || py >= form->ClientHeight())
        return fail(QStringLiteral("(%1, %2) in '%3' lies outside the client area of %4")
                        .arg(x)
                        .arg(y)
                        .arg(shown(w[1]), form->Name()));
    const QPoint pos { int(px), int(py) };
    if (click)
        form->clickAt(pos);
    else
        form->mouseMoveAt(pos);
    return true;
}

bool ScriptDriver::cmdType(const QStringList& w, const QString& rest)
{
    if (w.size() < 2)
        return fail(QStringLiteral("usage: type EDIT TEXT"));
    TForm* form = topForm();
    TComponent* component = form->findComponent(w[1]);
    auto* edit = dynamic_cast<TEdit*>(component);
    if (!edit)
        return component ? notA(component, QStringLiteral("an edit"))
                         : fail(QStringLiteral("unknown edit '%1' on %2").arg(shown(w[1]), form->Name()));
    if (!form->acceptsMouse())
        return fail(QStringLiteral("%1 is disabled").arg(form->Name()));
    if (!edit->Visible() || !edit->Enabled() || edit->ReadOnly())
        return fail(QStringLiteral("edit '%1' takes no input").arg(shown(w[1])));
    edit->typeText(rest);
    return true;
}

bool ScriptDriver::notA(TComponent* component, const QString& wanted)
{
    return fail(QStringLiteral("'%1' on %2 is %3, not %4")
                    .arg(shown(component->Name()), component->Owner()->Name(), kindName(component), wanted));
}

bool ScriptDriver::cmdButton(const QStringList& w)
{
    if (w.size() != 2)
        return fail(QStringLiteral("usage: button BUTTON"));
    TForm* form = topForm();
    TComponent* component = form->findComponent(w[1]);
    auto* button = dynamic_cast<TButton*>(component);
    if (!button)
        return component ? notA(component, QStringLiteral("a button"))
                         : fail(QStringLiteral("unknown button '%1' on %2").arg(shown(w[1]), form->Name()));
    if (!form->acceptsMouse())
        return fail(QStringLiteral("%1 is disabled").arg(form->Name()));
    if (!button->Visible() || !button->Enabled())
        return fail(QStringLiteral("button '%1' is disabled").arg(shown(w[1])));
    button->press();
    return true;
}

bool ScriptDriver::cmdScroll(const QStringList& w)
{
    int pos = 0;
    if (w.size() != 3 || !parseInt(w[2], &pos))
        return fail(QStringLiteral("usage: scroll BAR POS"));
    TForm* form = topForm();
    TComponent* component = form->findComponent(w[1]);
    auto* bar = dynamic_cast<TScrollBar*>(component);
    if (!bar)
        return component ? notA(component, QStringLiteral("a scroll bar"))
                         : fail(QStringLiteral("unknown scroll bar '%1' on %2").arg(shown(w[1]), form->Name()));
    if (!form->acceptsMouse())
        return fail(QStringLiteral("%1 is disabled").arg(form->Name()));
    if (!bar->Visible() || !bar->Enabled())
        return fail(QStringLiteral("scroll bar '%1' is disabled").arg(shown(w[1])));
    bar->scrollTo(pos);
    return true;
}

bool ScriptDriver::cmdClose()
{
    TForm* form = topForm();
    if (!form->closeBox())
        return fail(QStringLiteral("%1 is disabled").arg(form->Name()));
    return true;
}

bool ScriptDriver::cmdActivate(const QStringList& w)
{
    if (w.size() != 2)
        return fail(QStringLiteral("usage: activate FORM"));
    TForm* form = formArg(w[1]);
    if (!form)
        return false;
    if (!form->Visible())
        return fail(QStringLiteral("%1 is not shown").arg(shown(w[1])));
    if (form->isBlocked())
        return fail(QStringLiteral("%1 lies under a modal form").arg(shown(w[1])));
    Application.raise(form);
    return true;
}

bool ScriptDriver::cmdColor(const QStringList& w)
{
    if (w.size() != 2)
        return fail(QStringLiteral("usage: color #RRGGBB | color cancel"));
    if (w[1] == QLatin1String("cancel")) {
        m_colorAnswers.push_back(std::nullopt);
        return true;
    }
    TColor c = 0;
    if (!w[1].startsWith(QLatin1Char('#')) || !parseColor(w[1], &c))
        return fail(QStringLiteral("not a colour: '%1'").arg(shown(w[1])));
    m_colorAnswers.push_back(c);
    return true;
}

bool ScriptDriver::cmdAdvance(const QStringList& w)
{
    int ms = 0;
    if (w.size() != 2 || !parseInt(w[1], &ms) || ms < 0)
        return fail(QStringLiteral("usage: advance MS"));
    Scheduler::instance().advance(ms);
    return true;
}

bool ScriptDriver::cmdRunUntilIdle(const QStringList& w)
{
    int ms = 0;
    if (w.size() != 2 || !parseInt(w[1], &ms) || ms < 0)
        return fail(QStringLiteral("usage: run-until-idle MAX"));
    Scheduler::instance().runUntilIdle(ms);
    return true;
}

bool ScriptDriver::cmdPixel(const QStringList& w)
{
    int x = 0, y = 0;
    if (w.size() != 3 || !parseInt(w[1], &x) || !parseInt(w[2], &y))
        return fail(QStringLiteral("usage: pixel X Y"));
    TForm* form = topForm();
    if (x < 0 || y < 0 || x >= form->ClientWidth() || y >= form->ClientHeight())
        return fail(QStringLiteral("(%1, %2) lies outside the client area of %3").arg(x).arg(y).arg(form->Name()));
    const QImage& s = FormAccess::surface(*form);
    const qreal ratio = FormAccess::ratio(*form);
    print(colorToHex(fromPixel(s.pixel(deviceProbe(x, ratio), deviceProbe(y, ratio)))));
    return true;
}

bool ScriptDriver::cmdState(const QStringList& w)
{
    TForm* form = nullptr;
    if (w.size() == 2) {
        form = formArg(w[1]);
        if (!form)
            return false;
    } else if (w.size() == 1) {
        form = topForm();
        if (!form)
            return fail(QStringLiteral("no form is shown"));
    } else {
        return fail(QStringLiteral("usage: state [FORM]"));
    }
    print(formStateJson(form));
    return true;
}

bool ScriptDriver::cmdSnapshot(const QStringList& w, const QString& rest)
{
    if (w.size() < 2)
        return fail(QStringLiteral("usage: snapshot FILE"));
    const QString file = (w[1] + (rest.isEmpty() ? QString() : QLatin1Char(' ') + rest)).trimmed();
    if (const QString why = whyNotWritable(file); !why.isEmpty())
        return fail(QStringLiteral("cannot write '%1': %2").arg(shown(file), why));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!renderClientArea(*topForm()).save(&buffer, "PNG"))
        return fail(QStringLiteral("cannot encode the snapshot of %1").arg(topForm()->Name()));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(png) != png.size() || !out.commit())
        return fail(QStringLiteral("cannot write '%1': %2").arg(shown(file), out.errorString()));
    return true;
}

bool ScriptDriver::cmdMessage()
{
    print(m_lastMessage);
    m_lastMessage.clear();
    return true;
}

bool ScriptDriver::cmdForms()
{
    QStringList names, stack;
    for (TForm* f : Application.forms())
        names << jsonString(f->Name());
    for (TForm* f : Application.modalStack())
        stack << jsonString(f->Name());
    TForm* top = topForm();
    print(QStringLiteral("{\"forms\": [%1], \"stack\": [%2], \"top\": %3}")
              .arg(names.join(QStringLiteral(", ")), stack.join(QStringLiteral(", ")),
                  top ? jsonString(top->Name()) : QStringLiteral("null")));
    return true;
}

std::optional<TColor> ScriptDriver::colorDialog(TColor)
{
    if (m_colorAnswers.empty()) {
        fail(QStringLiteral("a colour dialog opened without an answer (give one with `color` first)"));
        return std::nullopt;
    }
    const std::optional<TColor> answer = m_colorAnswers.front();
    m_colorAnswers.erase(m_colorAnswers.begin());
    return answer;
}

void ScriptDriver::messageBox(const QString& text)
{
    m_lastMessage = text;
}

} // namespace wb
