#include "Forms.h"

#include "Application.h"
#include "FormAccess.h"
#include "FormWindow.h"
#include "Menus.h"
#include "SurfaceWidget.h"
#include "Texts.h"
#include "Timers.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cassert>

namespace wb {

FrameMetrics frameMetrics(TBorderStyle style)
{
    switch (style) {
    case bsNone:
        return { 0, 0 };
    case bsToolWindow:
    case bsSizeToolWin:
        return { 4, 18 };
    case bsSizeable:
        return { 4, 22 };
    }
    return { 4, 22 };
}

namespace {
qreal g_defaultPixelRatio = 1.0;
}

qreal defaultPixelRatio()
{
    return g_defaultPixelRatio;
}

void setDefaultPixelRatio(qreal ratio)
{
    g_defaultPixelRatio = ratio > 0 ? ratio : 1.0;
}

// The form's own canvas: the whole client area.
class TForm::SurfaceTarget : public CanvasTarget {
public:
    explicit SurfaceTarget(TForm* form)
        : m_form(form)
    {
    }
    QImage* pixels() override { return &m_form->surface(); }
    QPoint origin() const override { return { 0, 0 }; }
    QRect clip() const override { return m_form->paintClip(); }
    void changed(const QRect& r) override { m_form->surfaceChanged(r); }
    qreal ratio() const override { return m_form->ratio(); }

private:
    TForm* m_form;
};

TForm::TForm(const QString& name)
    : m_name(name)
    , m_ratio(defaultPixelRatio())
    , m_surfaceTarget(std::make_unique<SurfaceTarget>(this))
    , m_canvas(m_surfaceTarget.get())
    , m_window(std::make_unique<FormWindow>(this))
{
    Application.registerForm(this);
    // In the program the surface has the screen's resolution at the zoom in force.
    if (!Application.headless())
        m_ratio = zoom::current() * (qApp ? qApp->devicePixelRatio() : 1.0);
    m_window->setWindowFlags(windowFlagsFor(m_borderStyle));
    Font.setChangeHandler([this] {
        for (TComponent* c : m_components)
            if (auto* ctl = dynamic_cast<TControl*>(c))
                ctl->takeParentFont(Font);
    });
    geometryChanged();
}

TForm::~TForm()
{
    Application.unregisterForm(this);
}

QString TForm::Caption() const
{
    return texts::shown(m_caption);
}

void TForm::SetCaption(const QString& caption)
{
    m_caption = caption;
    m_window->setWindowTitle(Caption());
}

void TForm::languageChanged()
{
    m_window->setWindowTitle(Caption());
    if (m_menuBuilt && !Application.headless())
        m_window->rebuildMenu();
    for (TComponent* c : m_components)
        if (auto* ctl = dynamic_cast<TControl*>(c))
            ctl->languageChanged();
    FormLanguageChanged();
    invalidate();
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    const bool sizeChanged = width != m_width || height != m_height;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    if (sizeChanged)
        geometryChanged();
    else
        applyWindowGeometry();
}

int TForm::ClientWidth() const
{
    const FrameMetrics m = frameMetrics(m_borderStyle);
    return std::max(0, m_width - 2 * (m.border + m_borderWidth));
}

int TForm::ClientHeight() const
{
    const FrameMetrics m = frameMetrics(m_borderStyle);
    const int menu = hasMenuBar() ? kMenuBarHeight : 0;
    return std::max(0, m_height - 2 * (m.border + m_borderWidth) - m.caption - menu);
}

void TForm::SetClientWidth(int w)
{
    SetWidth(m_width + (w - ClientWidth()));
}

void TForm::SetClientHeight(int h)
{
    SetHeight(m_height + (h - ClientHeight()));
}

void TForm::SetColor(TColor c)
{
    if (c == m_color)
        return;
    m_color = c;
    // Labels that show their parent's colour change with it.
    invalidate();
}

Qt::WindowFlags windowFlagsFor(TBorderStyle style)
{
    switch (style) {
    case bsNone:
        return Qt::Window | Qt::FramelessWindowHint;
    case bsToolWindow:
    case bsSizeToolWin:
        // A caption with the close box only: a tool window is never minimised or maximised.
        // Window managers draw minimise and maximise on any normal window; a tool (utility)
        // window gets neither, and it stays above the program's other windows.
        return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case bsSizeable:
        break;
    }
    return Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
        | Qt::WindowCloseButtonHint;
}

bool userSizeable(TBorderStyle style)
{
    return style == bsSizeable || style == bsSizeToolWin;
}

void TForm::SetBorderStyle(TBorderStyle s)
{
    if (s == m_borderStyle)
        return;
    m_borderStyle = s;
    m_window->setWindowFlags(windowFlagsFor(s));
    geometryChanged();
}

void TForm::SetBorderWidth(int w)
{
    m_borderWidth = std::max(0, w);
    geometryChanged();
}

void TForm::SetEnabled(bool on)
{
    // Deliberately not QWidget::setEnabled: that would grey the window and swallow the
    // shortcut keys that must keep working while a run locks the form.
    m_enabled = on;
}

void TForm::SetBusy(bool on)
{
    if (on == m_busy)
        return;
    m_busy = on;
    // The surface sets its own cursor on every mouse move; the window's covers the menu bar.
    if (on) {
        m_window->setCursor(Qt::BusyCursor);
        m_window->client()->setCursor(Qt::BusyCursor);
    } else {
        m_window->unsetCursor();
        m_window->client()->setCursor(Qt::ArrowCursor);
    }
}

void TForm::SetMaximized(bool on)
{
    m_maximized = on;
    if (on)
        SetBounds(0, 0, Screen.Width(), Screen.Height());
}

QRect TForm::clientRect() const
{
    return QRect(0, 0, ClientWidth(), ClientHeight());
}

QRect TForm::paintClip() const
{
    return m_paintClip.isNull() ? clientRect() : m_paintClip;
}

bool TForm::hasMenuBar() const
{
    return m_menu && m_menu->hasVisibleItems();
}

QWidget* TForm::clientWidget() const
{
    return m_window->client();
}

void TForm::geometryChanged()
{
    resizeSurface();
    realign();
    applyWindowGeometry();
    invalidate();
}

void TForm::resizeSurface()
{
    if (m_surface.isNull())
        return;
    const QSize size = deviceRect(clientRect(), m_ratio).size().expandedTo(QSize(1, 1));
    if (m_surface.size() == size)
        return;
    // The old picture stays where it was; new areas show the form colour until the repaint.
    QImage next(size, QImage::Format_RGB32);
    next.fill(toPixel(m_color));
    QPainter p(&next);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_surface);
    p.end();
    m_surface = next;
}

QImage& TForm::surface()
{
    if (m_surface.isNull()) {
        m_surface = QImage(deviceRect(clientRect(), m_ratio).size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        m_surface.fill(toPixel(m_color));
    }
    return m_surface;
}

double TForm::zoom() const
{
    return Application.headless() ? 1.0 : zoom::current();
}

int TForm::zoomed(int v) const
{
    return deviceEdge(v, zoom());
}

QRect TForm::zoomed(const QRect& r) const
{
    const int l = zoomed(r.left()), t = zoomed(r.top());
    return QRect(l, t, zoomed(r.left() + r.width()) - l, zoomed(r.top() + r.height()) - t);
}

void TForm::zoomChanged()
{
    setRatio(zoom() * (qApp ? qApp->devicePixelRatio() : 1.0));
    for (TComponent* c : m_components)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->zoomChanged();
    if (!Application.headless())
        m_window->zoomChanged();
    applyWindowGeometry();
    invalidate();
}

zoom::Window zoomWindow(const TForm& form)
{
    const FrameMetrics m = frameMetrics(form.BorderStyle());
    const int outerW = 2 * m.border, outerH = 2 * m.border + m.caption;
    return { QSize(form.Width() - outerW, form.Height() - outerH), QSize(outerW, outerH) };
}

void TForm::setRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == m_ratio)
        return;
    m_ratio = ratio;
    m_surface = QImage();
    invalidate();
}

void TForm::applyWindowGeometry()
{
    const FrameMetrics m = frameMetrics(m_borderStyle);
    const int menu = zoomed(hasMenuBar() ? kMenuBarHeight : 0);
    const int inset = zoomed(m_borderWidth);
    m_window->layoutChildren(zoomed(ClientWidth()), zoomed(ClientHeight()), menu, inset);
    QRect inner(zoomed(m_left) + m.border, zoomed(m_top) + m.border + m.caption, zoomed(ClientWidth()) + 2 * inset,
        menu + zoomed(ClientHeight()) + 2 * inset);
    // Forms with a fixed border keep their size; the window manager is told so, and offers
    // neither resizing nor maximising.
    if (userSizeable(m_borderStyle)) {
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        m_window->setFixedSize(inner.size());
    }
    if (Application.headless())
        return;
    // However large the zoom makes it, the window's title bar stays on the screen.
    const QRect frame = inner.adjusted(-m.border, -m.border - m.caption, m.border, m.border);
    inner.translate(zoom::placedOnScreen(frame, Screen.availableArea()).topLeft() - frame.topLeft());
    if (m_window->geometry() != inner)
        m_window->setGeometry(inner);
}

void TForm::userResized(QSize inner)
{
    // The user dragged the frame of a sizeable form: it takes the new size and aligns its
    // controls (the status bar stays at the bottom), but does not repaint, as uncovering does
    // not; the form's own sizing applies again at its next repaint.
    if (!userSizeable(m_borderStyle) || !m_visible)
        return;
    const FrameMetrics m = frameMetrics(m_borderStyle);
    const double z = zoom();
    const int width = int(inner.width() / z) + 2 * m.border;
    const int height = int(inner.height() / z) + 2 * m.border + m.caption;
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    resizeSurface();
    realign();
    const int menu = zoomed(hasMenuBar() ? kMenuBarHeight : 0);
    m_window->layoutChildren(zoomed(ClientWidth()), zoomed(ClientHeight()), menu, zoomed(m_borderWidth));
}

void TForm::realign()
{
    // Top edge first, then the bottom edge (status bars lowest), then the client filler, as
    // the alignment always did; bounds set in code are overridden.
    QRect rest = clientRect();
    std::vector<TControl*> tops, bottoms, clients;
    for (TComponent* c : m_components) {
        auto* ctl = dynamic_cast<TControl*>(c);
        if (!ctl || ctl->Parent() || !ctl->Visible())
            continue;
        switch (ctl->Align()) {
        case alTop:
            tops.push_back(ctl);
            break;
        case alBottom:
            bottoms.push_back(ctl);
            break;
        case alClient:
            clients.push_back(ctl);
            break;
        case alNone:
            break;
        }
    }
    std::stable_sort(tops.begin(), tops.end(), [](TControl* a, TControl* b) { return a->Top() < b->Top(); });
    std::stable_sort(bottoms.begin(), bottoms.end(), [](TControl* a, TControl* b) {
        const bool sa = a->kind() == QLatin1String("statusbar"), sb = b->kind() == QLatin1String("statusbar");
        if (sa != sb)
            return sa;
        return a->Top() + a->Height() > b->Top() + b->Height();
    });
    for (TControl* c : tops) {
        c->setAlignedBounds(QRect(rest.left(), rest.top(), rest.width(), c->Height()));
        rest.setTop(rest.top() + c->Height());
    }
    for (TControl* c : bottoms) {
        c->setAlignedBounds(QRect(rest.left(), rest.bottom() + 1 - c->Height(), rest.width(), c->Height()));
        rest.setBottom(rest.bottom() - c->Height());
    }
    for (TControl* c : clients)
        c->setAlignedBounds(rest);
}

void TForm::menuChanged()
{
    // The Qt menu bar is built when the window is first shown (items arrive one by one). Only
    // a menu bar coming or going changes the geometry.
    m_menuBuilt = false;
    const bool bar = hasMenuBar();
    if (bar == m_hadMenuBar) {
        invalidate();
        return;
    }
    m_hadMenuBar = bar;
    geometryChanged();
}

void TForm::menuItemChanged(TMenuItem* item)
{
    if (!Application.headless())
        m_window->updateMenuItem(item);
    // Hiding or showing the last visible item takes the menu bar away or brings it back.
    const bool bar = hasMenuBar();
    if (bar != m_hadMenuBar) {
        m_hadMenuBar = bar;
        geometryChanged();
    }
}

void TForm::addComponent(TComponent* c)
{
    m_components.push_back(c);
}

void TForm::removeComponent(TComponent* c)
{
    m_components.erase(std::remove(m_components.begin(), m_components.end(), c), m_components.end());
    if (c == m_menu)
        m_menu = nullptr;
}

void TForm::setMenu(TMainMenu* m)
{
    m_menu = m;
    m_hadMenuBar = hasMenuBar();
}

TComponent* TForm::findComponent(const QString& name) const
{
    for (TComponent* c : m_components)
        if (c->Name() == name)
            return c;
    return nullptr;
}

std::vector<TMenuItem*> TForm::menuItems() const
{
    return m_menu ? m_menu->allItems() : std::vector<TMenuItem*> {};
}

TMenuItem* TForm::findMenuItem(const QString& name) const
{
    for (TMenuItem* item : menuItems())
        if (item->Name() == name)
            return item;
    return nullptr;
}

void TForm::create()
{
    beforeCreate();
    FormCreate();
}

void TForm::FormCreate()
{
    if (OnCreate)
        OnCreate();
}

void TForm::FormPaint()
{
    if (OnPaint)
        OnPaint();
}

void TForm::FormClose()
{
    if (OnClose)
        OnClose();
}

void TForm::FormKeyDown(int& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(key, shift);
}

// --- Painting -------------------------------------------------------------------------------

void TForm::invalidate()
{
    invalidateRect(clientRect());
}

void TForm::invalidateRect(const QRect& r)
{
    const QRect area = r.intersected(clientRect());
    if (area.isEmpty())
        return;
    m_dirty |= area;
    Application.paintRequested();
}

void TForm::paintIfNeeded()
{
    if (!m_visible || m_dirty.isEmpty() || m_painting)
        return;
    paintRegion(m_dirty);
}

void TForm::Refresh()
{
    if (m_painting)
        return;
    paintRegion(clientRect());
}

void TForm::paintRegion(QRect region)
{
    m_painting = true;
    m_dirty = QRect();
    const QRect area = region.intersected(clientRect());
    m_paintClip = area;
    m_canvas.fillRect(area, m_color);
    beforePaint();
    FormPaint();
    for (TComponent* c : m_components) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (g && !g->Parent() && g->Visible() && g->clientRect().intersects(m_paintClip))
            g->paint();
    }
    m_paintClip = QRect();
    m_painting = false;
    surfaceChanged(area);
    // A paint handler that refills a memo has it laid out once, now.
    TMemo::syncPending(this);
}

void TForm::surfaceChanged(const QRect& r)
{
    if (m_visible && !Application.headless())
        m_window->client()->update(zoomed(r));
}

void TForm::redrawControl(TGraphicControl* c)
{
    if (!c->Visible() || !m_visible || m_painting)
        return;
    m_paintClip = c->clientRect().intersected(clientRect());
    c->paint();
    m_paintClip = QRect();
    surfaceChanged(c->clientRect());
}

// --- Showing and closing --------------------------------------------------------------------

void TForm::setShown(bool on)
{
    if (on == m_visible)
        return;
    m_visible = on;
    if (on) {
        // A form's Qt widgets are made when it is first shown (or asked for one).
        TWinControl::createWidgets(this);
        // The forms closed before this one give up their pixels now (a closed form keeps its
        // picture until the next form opens).
        Application.releaseHiddenSurfaces();
        realign();
        m_dirty = clientRect();
        Application.raise(this);
        if (!Application.headless()) {
            if (!m_menuBuilt) {
                m_window->rebuildMenu();
                m_menuBuilt = true;
            }
            applyWindowGeometry();
            if (m_maximized && m_borderStyle == bsNone)
                m_window->showFullScreen();
            else
                m_window->show();
            Application.bringToFront(this);
        }
        Application.paintRequested();
    } else {
        Application.lower(this);
        if (!Application.headless())
            m_window->hide();
    }
}

void TForm::releaseSurfaceIfIdle()
{
    // A hidden form repaints all of its client area when it is shown again, so its pixels are
    // not needed meanwhile, unless a timer of its own still draws on them (an animation that
    // runs on behind the menu). Drawing on it while hidden allocates a fresh surface.
    if (m_visible)
        return;
    for (TComponent* c : m_components)
        if (auto* t = dynamic_cast<TTimer*>(c); t && t->Enabled())
            return;
    m_surface = QImage();
}

void TForm::Show()
{
    if (m_visible)
        Application.raise(this);
    else
        setShown(true);
}

void TForm::Hide()
{
    setShown(false);
}

int TForm::ShowModal()
{
    assert(!m_visible && "a visible form cannot be shown modally");
    Application.runModal(this);
    return 2; // the modal result of a form closed without one: cancel
}

void TForm::Close()
{
    FormClose();
    setShown(false);
    if (m_modalRunning)
        Application.endModal(this);
    if (this == Application.MainForm())
        Application.Terminate();
}

bool TForm::isBlocked() const
{
    return Application.isBlocked(this);
}

// --- Input ----------------------------------------------------------------------------------

bool TForm::pressKey(int key, TShiftState shift)
{
    if (!m_visible || isBlocked())
        return false;
    if (m_menu && !shift.alt && !shift.ctrl) {
        if (TMenuItem* item = m_menu->findShortCut(key)) {
            // Hidden items keep their shortcut; disabled ones (or under a disabled parent) do not.
            if (item->Click())
                return true;
        }
    }
    // A modifier on its own is not a key, and Alt or Ctrl with a key is a menu command: the
    // lessons that react to "any key" must not see them.
    const bool modifier = key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU;
    if (m_keyPreview && !modifier && !shift.alt && !shift.ctrl) {
        int k = key;
        FormKeyDown(k, shift);
        return k == 0;
    }
    return false;
}

TControl* TForm::controlAt(QPoint pos) const
{
    for (auto it = m_components.rbegin(); it != m_components.rend(); ++it) {
        auto* c = dynamic_cast<TControl*>(*it);
        if (c && c->isWindowed() && !c->Parent() && c->Visible() && c->clientRect().contains(pos))
            return c;
    }
    for (auto it = m_components.rbegin(); it != m_components.rend(); ++it) {
        auto* c = dynamic_cast<TControl*>(*it);
        if (c && !c->isWindowed() && !c->Parent() && c->Visible() && c->clientRect().contains(pos))
            return c;
    }
    return nullptr;
}

bool TForm::mouseDownAt(QPoint pos, TShiftState shift)
{
    if (!acceptsMouse())
        return false;
    m_pressed = controlAt(pos);
    if (auto* pb = dynamic_cast<TPaintBox*>(m_pressed); pb && pb->Enabled() && pb->OnMouseDown) {
        const QPoint local = pos - pb->clientRect().topLeft();
        pb->OnMouseDown(local.x(), local.y(), shift);
    }
    return true;
}

bool TForm::mouseUpAt(QPoint pos)
{
    if (!acceptsMouse())
        return false;
    TControl* target = controlAt(pos);
    TControl* pressed = m_pressed;
    m_pressed = nullptr;
    if (!target || target != pressed || !target->Enabled())
        return true;
    if (auto* pb = dynamic_cast<TPaintBox*>(target); pb && pb->OnClick)
        pb->OnClick();
    else if (auto* im = dynamic_cast<TImage*>(target); im && im->OnClick)
        im->OnClick();
    else if (auto* b = dynamic_cast<TButton*>(target))
        b->press();
    return true;
}

bool TForm::clickAt(QPoint pos, TShiftState shift)
{
    if (!mouseDownAt(pos, shift))
        return false;
    return mouseUpAt(pos);
}

bool TForm::mouseMoveAt(QPoint pos, TShiftState shift)
{
    if (!acceptsMouse())
        return false;
    if (auto* pb = dynamic_cast<TPaintBox*>(controlAt(pos)); pb && pb->Enabled() && pb->OnMouseMove) {
        const QPoint local = pos - pb->clientRect().topLeft();
        pb->OnMouseMove(local.x(), local.y(), shift);
    }
    return true;
}

bool TForm::closeBox()
{
    if (!acceptsMouse())
        return false;
    Close();
    return true;
}

TCursor TForm::cursorOf(const TControl* c) const
{
    // A control with the default cursor shows its parent's.
    if (c && c->Cursor() != crDefault)
        return c->Cursor();
    return m_cursor;
}

TCursor TForm::cursorAt(QPoint pos) const
{
    return cursorOf(controlAt(pos));
}

// --- The driver's and the tests' access ------------------------------------------------------

TStatusBar* FormAccess::statusBar(const TForm& form)
{
    for (TComponent* c : form.components())
        if (auto* bar = dynamic_cast<TStatusBar*>(c))
            return bar;
    return nullptr;
}

} // namespace wb
