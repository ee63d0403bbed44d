// The headless driver: runs the program on the virtual clock and takes its events from a
// command script, one command per line, answering queries at once.
#pragma once

#include "framework/Application.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace wb {

class TForm;
class TComponent;

class ScriptDriver : public EventSource, public DialogAnswers {
public:
    // Reads commands from `in`, answers on `out`, reports errors on `err`. With `keepGoing` an
    // error is reported and the script goes on; otherwise the run ends with exit code 2.
    ScriptDriver(std::istream& in, std::ostream& out, std::ostream& err, bool keepGoing);

    // Hooks for further commands (tests add their own).
    using Extension = std::function<bool(ScriptDriver&, const QStringList& args)>;
    void addCommand(const QString& name, Extension handler);

    // Runs the script: the commands before start-up, then `program` (which creates the forms
    // and runs the message loop, pumping this driver). Returns the exit code.
    int run(const std::function<int()>& program);

    // EventSource: executes the next command. False when the script has ended.
    bool pumpOne() override;
    // DialogAnswers.
    std::optional<TColor> colorDialog(TColor initial) override;
    void messageBox(const QString& text) override;

    // Reports an error for the current line (extensions use it too). Always returns false.
    bool fail(const QString& what);
    std::ostream& out() { return m_out; }
    int lineNumber() const { return m_lineNo; }
    TForm* topForm() const;

    // What a script may ask of the simulated screen: from a small netbook to an 8K display.
    static constexpr QSize kMinScreen { 320, 200 };
    static constexpr QSize kMaxScreen { 8192, 8192 };
    // The longest script line read (a longer one is refused).
    static constexpr std::size_t kMaxLineBytes = 64 * 1024;
    // The most device pixels a screen-sized surface may have (screen × scale²): 8192 × 8192.
    static constexpr qint64 kMaxDevicePixels = qint64(8192) * 8192;
    // The errors reported so far (with --keep-going the run goes on after each).
    int errorCount() const { return m_errors; }

private:
    bool readLine(std::string* raw, bool* tooLong);
    bool nextCommand(QStringList* words, QString* rest);
    bool execute(const QStringList& words, const QString& rest);
    bool startProgram();
    TForm* formArg(const QString& name);
    // Refuses a command whose component exists but is of another kind.
    bool notA(TComponent* component, const QString& wanted);

    bool cmdScreen(const QStringList& w);
    bool cmdScale(const QStringList& w);
    static bool affordable(QSize screen, double scale);
    static QString tooCostly(QSize screen, double scale);
    bool cmdMenu(const QStringList& w);
    bool cmdKey(const QStringList& w);
    bool cmdMouse(const QStringList& w, bool click);
    bool cmdType(const QStringList& w, const QString& rest);
    bool cmdButton(const QStringList& w);
    bool cmdScroll(const QStringList& w);
    bool cmdClose();
    bool cmdActivate(const QStringList& w);
    bool cmdColor(const QStringList& w);
    bool cmdAdvance(const QStringList& w);
    bool cmdRunUntilIdle(const QStringList& w);
    bool cmdPixel(const QStringList& w);
    bool cmdState(const QStringList& w);
    bool cmdSnapshot(const QStringList& w, const QString& rest);
    bool cmdMessage();
    bool cmdForms();
    bool cmdSkipCover();
    bool cmdExportPictures(const QStringList& w);

    void print(const QString& line);

    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_keepGoing;
    int m_lineNo = 0;
    bool m_started = false;
    bool m_failed = false;
    bool m_ended = false;
    int m_errors = 0;
    QSize m_screen { 1024, 768 };
    double m_scale = 1;
    std::optional<QString> m_pendingLine;
    QStringList m_pendingWords;
    QString m_pendingRest;
    std::vector<std::optional<TColor>> m_colorAnswers;
    QString m_lastMessage;
    std::vector<std::pair<QString, Extension>> m_extensions;
    std::function<int()> m_program;
};

// The state of a form as one line of JSON (the `state` command).
QString formStateJson(TForm* form);

} // namespace wb
