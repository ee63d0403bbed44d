// The application: the forms in creation order, the window stack with its modal forms, the
// message loop, the screen, the colour dialog and the one error box.
#pragma once

#include "Component.h"
#include "Types.h"

#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QEventLoop;

namespace wb {

class TForm;

// Where the message loop takes its next event from when it is not Qt's: the headless driver
// (one script command per event) and tests. Returns false when nothing is left.
class EventSource {
public:
    virtual ~EventSource() = default;
    virtual bool pumpOne() = 0;
};

// Answers of dialogs in headless runs.
class DialogAnswers {
public:
    virtual ~DialogAnswers() = default;
    // The colour chosen in a colour dialog opened with `initial`, or nothing for cancel.
    virtual std::optional<TColor> colorDialog(TColor initial) = 0;
    // A message box was shown (and answered with OK).
    virtual void messageBox(const QString& text) = 0;
};

class TApplication {
public:
    void Initialize();
    // Creates a form, runs its OnCreate and stores it in `ref`; the first form created is the
    // main form.
    template <typename F> void CreateForm(F*& ref)
    {
        auto form = std::make_unique<F>();
        ref = form.get();
        adopt(std::move(form));
    }
    // Shows the main form and runs the message loop until the program ends. Returns the exit
    // code.
    int Run();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    TForm* MainForm() const { return m_mainForm; }
    // The application's standard error box.
    void ShowError(const QString& text);
    QString Title() const;

    // --- Framework -------------------------------------------------------------------------
    // Headless mode: virtual clock, events from `source`, dialogs answered by `answers`.
    void setHeadless(EventSource* source, DialogAnswers* answers);
    bool headless() const { return m_source != nullptr; }
    DialogAnswers* answers() const { return m_answers; }

    // Forms created through CreateForm, in creation order.
    const std::vector<TForm*>& forms() const { return m_created; }
    TForm* findForm(const QString& name) const;
    // All living forms (also those a test builds directly).
    void registerForm(TForm* f);
    void unregisterForm(TForm* f);
    // Hidden forms that no timer of their own draws on give up their pixels (a form that is
    // shown again repaints all of them).
    void releaseHiddenSurfaces();

    // Visible forms, bottom to top; the last is the top form.
    const std::vector<TForm*>& zOrder() const { return m_zorder; }
    TForm* topForm() const { return m_zorder.empty() ? nullptr : m_zorder.back(); }
    const std::vector<TForm*>& modalStack() const { return m_modal; }
    void raise(TForm* f);
    void lower(TForm* f);
    // Raises and activates the form's window (in the program, on a display).
    void bringToFront(TForm* f) const;
    // Below the topmost modal form (and not it): inert.
    bool isBlocked(const TForm* f) const;

    // Runs the message loop until `form` closes (the body of ShowModal).
    void runModal(TForm* form);
    void endModal(TForm* form);

    // Paints every form that waits for a paint (before each event, as the message loop does).
    void flushPendingPaints();
    // A form waits for a paint: in the program, paint it as soon as the event loop is free.
    void paintRequested();

    // The language changed (Qt's translators did): every form shows its texts anew.
    void languageChanged();

    // Drops the forms created through CreateForm (tests that start the program several times).
    void reset();

private:
    void adopt(std::unique_ptr<TForm> form);

    std::vector<std::unique_ptr<TForm>> m_owned;
    std::vector<TForm*> m_created;
    std::vector<TForm*> m_all;
    std::vector<TForm*> m_zorder;
    std::vector<TForm*> m_modal;
    std::vector<QEventLoop*> m_loops; // the nested loops of the modal forms, innermost last
    std::vector<TForm*> m_loopForms;
    bool m_paintQueued = false;
    TForm* m_mainForm = nullptr;
    bool m_terminated = false;
    bool m_initialized = false;
    EventSource* m_source = nullptr;
    DialogAnswers* m_answers = nullptr;
};

extern TApplication Application;

class TScreen {
public:
    int Width() const;
    int Height() const;
    // A simulated screen (headless runs); 0 × 0 returns to the real one.
    void setSize(int width, int height);
    // The part of the real screen windows may take (without the desktop's panels), in the
    // screen's pixels; the simulated screen whole.
    QRect availableArea() const;

private:
    int m_width = 0;
    int m_height = 0;
};

extern TScreen Screen;

class TColorDialog : public TComponent {
public:
    TColorDialog(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("colordialog"); }
    TColor Color() const { return m_color; }
    void SetColor(TColor c) { m_color = c; }
    // Opens the dialog with Color; true when the user confirmed, Color then holds the choice.
    bool Execute();

private:
    TColor m_color = clBlack;
};

// Sets up Qt for the program: a QApplication on the offscreen platform when headless (no
// display needed), the embedded fonts, a fixed widget style. Call before anything else.
void prepareQtEnvironment(bool headless);

} // namespace wb
