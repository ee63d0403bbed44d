// The form: a window whose client area is one pixel surface, with its components, menu and
// timers; shown modally or not, repainted by Refresh.
#pragma once

#include "Canvas.h"
#include "Controls.h"
#include "Zoom.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace wb {

class TMainMenu;
class TMenuItem;
class FormWindow;
class SurfaceWidget;

enum TBorderStyle { bsNone, bsToolWindow, bsSizeToolWin, bsSizeable };

// Fixed frame metrics, so that client sizes are the same on every machine: an 800 × 600
// tool window with a menu bar has a 792 × 554 client area.
struct FrameMetrics {
    int border; // left, right and bottom; also below the caption
    int caption;
};
FrameMetrics frameMetrics(TBorderStyle style);
// The window decorations of a border style: tool windows have a close box only, borderless
// forms none, sizeable forms the usual three.
Qt::WindowFlags windowFlagsFor(TBorderStyle style);
// Whether the user may resize a form of this border style.
bool userSizeable(TBorderStyle style);
constexpr int kMenuBarHeight = 20;

// The window a form needs on the screen for the zoom to fit it: the part that zooms and the
// frame around it.
zoom::Window zoomWindow(const TForm& form);

// The device pixel ratio forms are created with (1: a surface pixel per logical pixel). The
// headless driver's `scale` sets it before start-up.
qreal defaultPixelRatio();
void setDefaultPixelRatio(qreal ratio);

class TForm {
public:
    explicit TForm(const QString& name);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    const QString& Name() const { return m_name; }

    // What the title bar shows: the caption in the language in force (texts::tr).
    QString Caption() const;
    void SetCaption(const QString& caption);

    // Outer bounds, frame and caption included.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int v) { SetBounds(v, m_top, m_width, m_height); }
    void SetTop(int v) { SetBounds(m_left, v, m_width, m_height); }
    void SetWidth(int v) { SetBounds(m_left, m_top, v, m_height); }
    void SetHeight(int v) { SetBounds(m_left, m_top, m_width, v); }
    void SetBounds(int left, int top, int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int w);
    void SetClientHeight(int h);

    TColor Color() const { return m_color; }
    void SetColor(TColor c);
    TFont Font;
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle s);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int w);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool on) { m_keyPreview = on; }
    // A disabled form looks the same but ignores the mouse; its shortcut keys still run and
    // its timers still tick.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on);
    bool Visible() const { return m_visible; }
    // Busy while a run holds the form: the pointer over it shows the busy cursor (the arrow with
    // the hourglass: the program works, keys still reach it).
    bool Busy() const { return m_busy; }
    void SetBusy(bool on);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor c) { m_cursor = c; }
    // Maximised: the form fills the screen.
    bool Maximized() const { return m_maximized; }
    void SetMaximized(bool on);

    // The canvas of the whole client area.
    TCanvas& Canvas() { return m_canvas; }
    // The program-wide zoom its window is shown at (1 in headless runs), and logical pixels
    // zoomed to the window's.
    double zoom() const;
    int zoomed(int v) const;
    QRect zoomed(const QRect& r) const;
    TMainMenu* Menu() const { return m_menu; }

    // The form's own events. A form class overrides FormCreate, FormPaint, FormClose and
    // FormKeyDown; a form put together in place sets these instead.
    std::function<void()> OnCreate;
    std::function<void()> OnPaint;
    std::function<void()> OnClose;
    std::function<void(int& key, TShiftState shift)> OnKeyDown;

    // Shows the form and returns when it closes; every other window is inert meanwhile.
    int ShowModal();
    // Shows the form (or brings it to the front) without waiting.
    void Show();
    void Hide();
    // Runs FormClose, hides the form and ends its ShowModal. Closing the main form ends the
    // program.
    void Close();
    // Repaints at once: fills the client area with the form colour, runs FormPaint and the
    // paint handlers of the paint boxes in description order.
    void Refresh();

    // --- The form's input, as the user gives it (the program's windows, the driver, tests) ---
    const std::vector<TComponent*>& components() const { return m_components; }
    TComponent* findComponent(const QString& name) const;
    std::vector<TMenuItem*> menuItems() const;
    TMenuItem* findMenuItem(const QString& name) const;

    bool isModal() const { return m_modalRunning; }
    // Under a modal form that is not its own: takes no input at all.
    bool isBlocked() const;
    bool acceptsMouse() const { return m_visible && m_enabled && !isBlocked(); }

    // A key press: menu shortcuts first (also of hidden items, never of disabled ones), then
    // FormKeyDown with KeyPreview. Returns true when something took the key.
    bool pressKey(int key, TShiftState shift = {});
    // Mouse input at a client position, to whatever lies on top there. False when the form
    // takes no mouse input. A click is a press and a release.
    bool clickAt(QPoint pos, TShiftState shift = {});
    bool mouseDownAt(QPoint pos, TShiftState shift = {});
    bool mouseUpAt(QPoint pos);
    bool mouseMoveAt(QPoint pos, TShiftState shift = {});
    // The title-bar close box. False when the form takes no mouse input.
    bool closeBox();
    // The cursor shown at a client position.
    TCursor cursorAt(QPoint pos) const;
    TCursor cursorOf(const TControl* c) const;
    // The topmost control at a client position (windowed ones lie above the surface).
    TControl* controlAt(QPoint pos) const;

private:
    // The framework's side of the form: its components, controls, menus, windows and the
    // application reach it as friends; the driver and tests through FormAccess.
    friend class FormAccess;
    friend class TApplication;
    friend class TComponent;
    friend class TControl;
    friend class TGraphicControl;
    friend class TWinControl;
    friend class TPaintBox;
    friend class TImage;
    friend class TLabel;
    friend class TMainMenu;
    friend class TMenuItem;
    friend class FormWindow;
    friend class SurfaceWidget;

    // Runs FormCreate; the application calls it once when it creates the form.
    void create();

    // The client area's pixels (allocated on first use), ratio() device pixels per logical
    // pixel in each direction.
    QImage& surface();
    qreal ratio() const { return m_ratio; }
    // The zoom changed: the surface is made at the new resolution and the window, its menu bar
    // and its controls laid out at the new size.
    void zoomChanged();
    // The language changed: the title, the menu, the controls and the form's own texts are shown
    // anew, and the form is repainted.
    void languageChanged();
    // Draws at another device pixel ratio from now on; the surface is made anew and repainted.
    void setRatio(qreal ratio);
    // Asks for a repaint (of all or part of the client area) before the next event is handled.
    void invalidate();
    void invalidateRect(const QRect& r);
    bool needsPaint() const { return !m_dirty.isEmpty(); }
    void paintIfNeeded();
    // While a repaint runs: the area it repaints (drawing is clipped to it); otherwise the
    // whole client area.
    QRect paintClip() const;
    bool painting() const { return m_painting; }

    // Where a control's pixels are shown changed outside a repaint (label caption, image
    // picture): redraws just that area.
    void redrawControl(TGraphicControl* c);
    // A drawing operation changed these surface pixels.
    void surfaceChanged(const QRect& r);
    // The user resized the window of a sizeable form to this size inside its frame.
    void userResized(QSize inner);
    // Lays out the aligned controls.
    void realign();
    // The menu's items were created or rearranged / one item's caption, state or visibility
    // changed.
    void menuChanged();
    void menuItemChanged(TMenuItem* item);

    FormWindow* window() const { return m_window.get(); }
    QWidget* clientWidget() const;
    // Whether the window shows a menu bar (a menu with a visible item).
    bool hasMenuBar() const;

    // Registration, done by the components themselves.
    void addComponent(TComponent* c);
    void removeComponent(TComponent* c);
    void setMenu(TMainMenu* m);

    // Visibility as the application's window list sees it, and the modal loop's state.
    void setShown(bool on);
    // Frees the pixels of a hidden form that no timer of its own draws on.
    void releaseSurfaceIfIdle();
    void endModal() { m_modalRunning = false; }
    void beginModal() { m_modalRunning = true; }

protected:
    // Hooks for form bases: before FormCreate runs, and before FormPaint of every repaint.
    virtual void beforeCreate() { }
    virtual void beforePaint() { }

    // The event handlers of a form class; by default they run the matching On... function.
    virtual void FormCreate();
    virtual void FormPaint();
    virtual void FormClose();
    // With KeyPreview, a key no menu shortcut took. Setting key to 0 says it was taken.
    virtual void FormKeyDown(int& key, TShiftState shift);
    // The language changed. Marked texts follow by themselves; a form that puts texts together
    // at run time (a number in a sentence) puts them together again here.
    virtual void FormLanguageChanged() { }

private:
    class SurfaceTarget;
    void paintRegion(QRect region); // by value: callers pass m_dirty, which it clears
    void geometryChanged();
    void resizeSurface();
    void applyWindowGeometry();
    QRect clientRect() const;

    QString m_name;
    QString m_caption;
    int m_left = 0, m_top = 0, m_width = 320, m_height = 240;
    TColor m_color = RGB(0xD4, 0xD0, 0xC8);
    TBorderStyle m_borderStyle = bsSizeable;
    int m_borderWidth = 0;
    bool m_keyPreview = false;
    bool m_enabled = true;
    bool m_busy = false;
    bool m_visible = false;
    bool m_maximized = false;
    TCursor m_cursor = crDefault;
    QRect m_dirty;
    QRect m_paintClip;
    bool m_modalRunning = false;
    bool m_painting = false;
    bool m_hadMenuBar = false;
    bool m_menuBuilt = false;
    TControl* m_pressed = nullptr;

    std::vector<TComponent*> m_components;
    TMainMenu* m_menu = nullptr;
    QImage m_surface;
    qreal m_ratio = 1.0;
    std::unique_ptr<SurfaceTarget> m_surfaceTarget;
    TCanvas m_canvas;
    std::unique_ptr<FormWindow> m_window;
};

} // namespace wb
