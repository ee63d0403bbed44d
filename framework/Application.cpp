#include "Application.h"

#include "Controls.h"
#include "Fonts.h"
#include "FormAccess.h"
#include "FormWindow.h"
#include "Forms.h"
#include "InputRouter.h"
#include "Texts.h"
#include "Timers.h"
#include "Zoom.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cassert>
#include <unistd.h>

static void initTranslationResources()
{
    // The translation resource lives in this static library; make sure it is registered.
    Q_INIT_RESOURCE(wbtranslations);
}

namespace wb {

TApplication Application;
TScreen Screen;

void prepareQtEnvironment(bool headless)
{
    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt wants a private runtime directory and complains on stderr without one; headless
        // runs (the driver, the tests) keep stderr for their own errors.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/wb-runtime-" + QByteArray::number(getuid());
            QDir().mkpath(QString::fromLocal8Bit(dir));
            QFile::setPermissions(QString::fromLocal8Bit(dir), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", dir);
        }
    }
    // The pictures are pixel exact: no scaling by the desktop's device pixel ratio.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "1");
}

void TApplication::Initialize()
{
    assert(qApp && "create the QApplication first");
    if (m_initialized)
        return;
    m_initialized = true;
    QApplication::setQuitOnLastWindowClosed(false);
    initTranslationResources();
    static QTranslator qtGerman;
    if (qtGerman.load(QStringLiteral(":/wbtranslations/qtbase_de.qm")))
        QApplication::installTranslator(&qtGerman);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    texts::watchLanguage([] { Application.languageChanged(); });
    fonts::ensureLoaded();
    TFont f;
    QApplication::setFont(fonts::qfontFor(f));
    Scheduler::instance().setBeforeTick([this] { flushPendingPaints(); });
    Scheduler::instance().setCancelled([this] { return m_terminated; });
    if (!headless()) {
        qApp->installEventFilter(&inputRouter());
        zoom::setChangeHandler([this] {
            for (TForm* f : m_all)
                f->zoomChanged();
        });
    }
}

void TApplication::setHeadless(EventSource* source, DialogAnswers* answers)
{
    m_source = source;
    m_answers = answers;
    Scheduler::instance().setVirtual(source != nullptr);
}

void TApplication::adopt(std::unique_ptr<TForm> form)
{
    TForm* f = form.get();
    m_owned.push_back(std::move(form));
    m_created.push_back(f);
    if (!m_mainForm)
        m_mainForm = f;
    f->create();
}

int TApplication::Run()
{
    if (m_mainForm && !m_terminated)
        m_mainForm->Show();
    if (m_source) {
        while (!m_terminated) {
            flushPendingPaints();
            if (!m_source->pumpOne())
                break;
        }
    } else if (!m_terminated) {
        QApplication::exec();
    }
    return 0;
}

void TApplication::Terminate()
{
    m_terminated = true;
    for (auto& entry : m_loops)
        entry->quit();
    if (!m_source && qApp)
        QApplication::exit(0);
}

QString TApplication::Title() const
{
    return texts::shown(WB_TR("Application", "Wärmebehandlung"));
}

void TApplication::ShowError(const QString& text)
{
    if (m_answers) {
        m_answers->messageBox(texts::shown(text));
        return;
    }
    TForm* top = topForm();
    QMessageBox::critical(top ? top->window() : nullptr, Title(), texts::shown(text));
}

void TApplication::languageChanged()
{
    for (TForm* f : m_all)
        f->languageChanged();
}

void TApplication::registerForm(TForm* f)
{
    // Forms made without the program's start-up (tests) follow the language too.
    texts::watchLanguage([] { Application.languageChanged(); });
    m_all.push_back(f);
}

void TApplication::unregisterForm(TForm* f)
{
    auto drop = [f](std::vector<TForm*>& v) { v.erase(std::remove(v.begin(), v.end(), f), v.end()); };
    drop(m_all);
    drop(m_zorder);
    drop(m_modal);
    drop(m_created);
    if (m_mainForm == f)
        m_mainForm = nullptr;
}

TForm* TApplication::findForm(const QString& name) const
{
    for (TForm* f : m_all)
        if (f->Name() == name)
            return f;
    return nullptr;
}

void TApplication::releaseHiddenSurfaces()
{
    for (TForm* f : m_all)
        f->releaseSurfaceIfIdle();
}

void TApplication::raise(TForm* f)
{
    m_zorder.erase(std::remove(m_zorder.begin(), m_zorder.end(), f), m_zorder.end());
    m_zorder.push_back(f);
    if (!headless() && f->Visible())
        bringToFront(f);
}

void TApplication::bringToFront(TForm* f) const
{
    // Window stacking means nothing without a display.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    f->window()->raise();
    f->window()->activateWindow();
}

void TApplication::lower(TForm* f)
{
    m_zorder.erase(std::remove(m_zorder.begin(), m_zorder.end(), f), m_zorder.end());
    if (!headless()) {
        if (TForm* top = topForm())
            bringToFront(top);
    }
}

bool TApplication::isBlocked(const TForm* f) const
{
    if (m_modal.empty())
        return false;
    const TForm* modal = m_modal.back();
    if (f == modal)
        return false;
    const auto pos = std::find(m_zorder.begin(), m_zorder.end(), f);
    const auto modalPos = std::find(m_zorder.begin(), m_zorder.end(), modal);
    if (pos == m_zorder.end())
        return true;
    // Windows shown after the modal form lie above it and stay usable.
    return pos < modalPos;
}

void TApplication::runModal(TForm* form)
{
    m_modal.push_back(form);
    form->beginModal();
    form->Show();
    if (m_source) {
        while (form->isModal() && !m_terminated) {
            flushPendingPaints();
            if (!m_source->pumpOne()) {
                // The events ran out while a form was open: the program ends here.
                m_terminated = true;
                break;
            }
        }
    } else {
        QEventLoop loop;
        m_loops.push_back(&loop);
        m_loopForms.push_back(form);
        if (form->isModal() && !m_terminated)
            loop.exec();
        m_loops.pop_back();
        m_loopForms.pop_back();
    }
    m_modal.erase(std::remove(m_modal.begin(), m_modal.end(), form), m_modal.end());
    form->endModal();
}

void TApplication::endModal(TForm* form)
{
    form->endModal();
    for (size_t i = 0; i < m_loopForms.size(); ++i)
        if (m_loopForms[i] == form)
            m_loops[i]->quit();
}

void TApplication::paintRequested()
{
    if (headless() || m_paintQueued || !qApp)
        return;
    m_paintQueued = true;
    QTimer::singleShot(0, qApp, [this] {
        m_paintQueued = false;
        flushPendingPaints();
    });
}

void TApplication::flushPendingPaints()
{
    // A paint may ask for another one (a form that resizes itself while it paints); a few
    // rounds settle it.
    for (int round = 0; round < 4; ++round) {
        bool any = false;
        const std::vector<TForm*> forms = m_zorder;
        for (TForm* f : forms) {
            if (f->Visible() && f->needsPaint()) {
                f->paintIfNeeded();
                any = true;
            }
        }
        if (!any)
            break;
    }
    // Memos of the forms on screen that were filled outside a repaint.
    TMemo::syncPending(true);
}

void TApplication::reset()
{
    m_zorder.clear();
    m_modal.clear();
    m_created.clear();
    m_mainForm = nullptr;
    m_owned.clear();
    m_terminated = false;
}

// The real screen in the program's logical pixels: at a zoom of 2 a 1920 × 1080 screen is a
// 960 × 540 one to the forms.
int TScreen::Width() const
{
    if (m_width > 0)
        return m_width;
    if (QScreen* s = QGuiApplication::primaryScreen())
        return int(s->geometry().width() / zoom::current());
    return 1024;
}

int TScreen::Height() const
{
    if (m_height > 0)
        return m_height;
    if (QScreen* s = QGuiApplication::primaryScreen())
        return int(s->geometry().height() / zoom::current());
    return 768;
}

QRect TScreen::availableArea() const
{
    if (m_width > 0 && m_height > 0)
        return QRect(0, 0, m_width, m_height);
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->availableGeometry();
    return QRect(0, 0, 1024, 768);
}

void TScreen::setSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

TColorDialog::TColorDialog(TForm* owner, const QString& name)
    : TComponent(owner, name)
{
}

bool TColorDialog::Execute()
{
    if (DialogAnswers* answers = Application.answers()) {
        const std::optional<TColor> chosen = answers->colorDialog(m_color);
        if (!chosen)
            return false;
        m_color = *chosen;
        return true;
    }
    const QColor initial(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color));
    TForm* top = Application.topForm();
    const QColor c = QColorDialog::getColor(initial, top ? FormAccess::window(*top) : nullptr);
    if (!c.isValid())
        return false;
    m_color = RGB(c.red(), c.green(), c.blue());
    return true;
}

} // namespace wb
