// The base of every control: its bounds, visibility, enabled state, colour, alignment, cursor and
// font, and where it lies (the form's client area or a panel); and the base of the controls drawn
// on the form's surface.
#pragma once

#include "Canvas.h"
#include "Component.h"
#include "Fonts.h"

#include <QRect>

namespace wb {

class TWinControl;

enum TAlign { alNone, alTop, alBottom, alClient };
enum TCursor { crDefault, crHandPoint };

class TControl : public TComponent {
public:
    TControl(TForm* owner, const QString& name, TWinControl* parent = nullptr);

    int Left() const { return m_bounds.x(); }
    int Top() const { return m_bounds.y(); }
    int Width() const { return m_bounds.width(); }
    int Height() const { return m_bounds.height(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    void SetBounds(int left, int top, int width, int height);
    QRect BoundsRect() const { return m_bounds; }

    bool Visible() const { return m_visible; }
    void SetVisible(bool on);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on);
    TColor Color() const;
    void SetColor(TColor c);
    // True while the control shows its parent's colour (the default of labels).
    bool ParentColor() const { return m_parentColor; }
    TAlign Align() const { return m_align; }
    void SetAlign(TAlign a);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor c) { m_cursor = c; }

    TFont Font;

    // Where the control sits: the panel it lies in, or null for the form's client area.
    TWinControl* Parent() const { return m_parent; }
    // The control's rectangle in form client coordinates.
    QRect clientRect() const;

    virtual bool isWindowed() const { return false; }
    // The text the driver reports for the control, if it has one.
    virtual bool hasText() const { return false; }
    virtual QString text() const { return {}; }

    // Framework: bounds set by alignment, without re-aligning.
    void setAlignedBounds(const QRect& r);
    // Framework: the form's font changed; a control that has no font of its own follows it.
    void takeParentFont(const TFont& f);
    // Framework: the language changed; a control that shows a text shows it anew.
    virtual void languageChanged() { }

protected:
    virtual void boundsChanged() { }
    virtual void visibilityChanged() { }
    virtual void enabledChanged() { }
    virtual void colorChanged() { }
    virtual void fontChanged() { }
    // What the control shows changed: the form repaints the area it covered before and now.
    void lookChanged(const QRect& before);

    TWinControl* m_parent;
    QRect m_bounds { 0, 0, 0, 0 };
    bool m_visible = true;
    bool m_enabled = true;
    TColor m_color = clWhite;
    bool m_parentColor = false;
    TAlign m_align = alNone;
    TCursor m_cursor = crDefault;
    bool m_parentFont = true;
    bool m_takingParentFont = false;
};

// A control drawn on its form's pixel surface, in description order.

class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    // Draws the control's static look onto the form surface (part of a repaint).
    virtual void paint() = 0;
};

// A named area of the form's surface with its own canvas settings. Two paint boxes with the
// same bounds address the same pixels.

} // namespace wb
