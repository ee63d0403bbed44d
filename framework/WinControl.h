// The life cycle of a windowed control: a control that is a Qt widget of its own, above the
// form's surface, made with all of its form's when the form is first shown or asked for one.
#pragma once

#include "Control.h"

#include <QPointer>
#include <QWidget>

namespace wb {

class TWinControl : public TControl {
public:
    TWinControl(TForm* owner, const QString& name, TWinControl* parent = nullptr);
    ~TWinControl() override;
    bool isWindowed() const override { return true; }
    // The Qt widget, up to date: made if the form has none yet, and what the control still owes
    // it (a memo's pending text) is applied first.
    QWidget* widget() const
    {
        auto* self = const_cast<TWinControl*>(this);
        self->ensureWidget();
        self->syncWidget();
        return m_widget;
    }

    // Framework: the widget that child widgets of this control lie in (null while the form has
    // no widgets).
    QWidget* childHost() const { return m_widget; }

    // Whether Tab reaches the control (a click always does).
    void SetTabStop(bool on);

    // The form's zoom changed: the widget takes its zoomed bounds and font.
    virtual void zoomChanged();

    // Framework: makes the Qt widgets of every windowed control of the form that has none yet,
    // in description order (so that they stack as described). Runs whenever the form is shown,
    // so a control added to a form that has its widgets gets its own at the next show at the
    // latest.
    static void createWidgets(TForm* form);

protected:
    // Brings the widget up to date with the control; most controls keep it so all the time.
    virtual void syncWidget() { }
    // Makes the control's Qt widget with the control's own settings; the base places it and
    // gives it the common ones (bounds, font, colours, visibility, enabled state, tab stop).
    virtual QWidget* makeWidget() = 0;
    // After the widget is placed: what the control hands over last (a memo's text).
    virtual void widgetMade() { }
    // Makes the form's widgets if this control has none yet.
    void ensureWidget();
    void boundsChanged() override;
    void visibilityChanged() override;
    void enabledChanged() override;
    void colorChanged() override;
    void fontChanged() override;
    virtual void applyPalette();

    QPointer<QWidget> m_widget;

private:
    void attach(QWidget* w);
    bool m_widgetMade = false;
    int m_tabStop = -1; // -1: as the widget comes, 0 or 1: set
};

// Memo lines: Clear, Add, Lines[i] := s.

} // namespace wb
