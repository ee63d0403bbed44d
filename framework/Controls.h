// The components a form is built from. Paint boxes, images and labels are areas of the form's
// one pixel surface; memo, edit, panel, button, status bar and scroll bar are real Qt widgets
// lying above it.
#pragma once

#include "Canvas.h"
#include "Component.h"
#include "Fonts.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>

namespace wb {

class TWinControl;

enum TAlign { alNone, alTop, alBottom, alClient };
enum TCursor { crDefault, crHandPoint };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

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
class TPaintBox : public TGraphicControl {
public:
    TPaintBox(TForm* owner, const QString& name);
    // The same with the paint handler given at the declaration.
    template <class Form>
    TPaintBox(TForm* owner, const QString& name, FormHandler<Form> onPaint)
        : TPaintBox(owner, name)
    {
        OnPaint = bindHandler(owner, onPaint);
    }
    // ... or with its paint and click handlers (the paint handler may be nullptr).
    template <class Form>
    TPaintBox(
        TForm* owner, const QString& name, std::type_identity_t<FormHandler<Form>> onPaint, FormHandler<Form> onClick)
        : TPaintBox(owner, name)
    {
        if (onPaint)
            OnPaint = bindHandler(owner, onPaint);
        OnClick = bindHandler(owner, onClick);
    }
    ~TPaintBox() override;
    QString kind() const override { return QStringLiteral("paintbox"); }

    TCanvas& Canvas() { return m_canvas; }

    std::function<void()> OnPaint;
    std::function<void()> OnClick;
    std::function<void(int x, int y, TShiftState)> OnMouseDown;
    std::function<void(int x, int y, TShiftState)> OnMouseMove;

    void paint() override;

private:
    class Target;
    std::unique_ptr<Target> m_target;
    TCanvas m_canvas;
};

// An image keeps its own picture, shown unscaled from its top-left and cut at its bounds.
// Its canvas draws into that picture; the picture is created at the image's size the first
// time the canvas is used.
class TImage : public TGraphicControl {
public:
    TImage(TForm* owner, const QString& name);
    ~TImage() override;
    QString kind() const override { return QStringLiteral("image"); }

    TCanvas& Canvas();
    // The picture, decoded when it is first needed.
    void SetPictureLoader(std::function<QImage()> loader);
    void SetPicture(const QImage& picture);
    const QImage& picture();
    bool hasPicture() const { return !m_picture.isNull() || bool(m_loader); }

    std::function<void()> OnClick;

    void paint() override;

protected:
    void boundsChanged() override;

private:
    class Target;
    friend class Target;
    void showPicture(const QRect& pictureRect);

    std::unique_ptr<Target> m_target;
    TCanvas m_canvas;
    QImage m_picture;
    std::function<QImage()> m_loader;
};

class TLabel : public TGraphicControl {
public:
    TLabel(TForm* owner, const QString& name, TWinControl* parent = nullptr);
    QString kind() const override { return QStringLiteral("label"); }

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);

    bool hasText() const override { return true; }
    QString text() const override { return m_caption; }

    void paint() override;
    // Draws the label on any canvas whose origin is the label's parent.
    void paintOn(TCanvas& canvas);

protected:
    void fontChanged() override;

private:
    void adjustSize();

    QString m_caption;
    bool m_transparent = false;
    bool m_autoSize = true;
};

// A control that is a Qt widget of its own, above the form's surface. The control keeps its
// state itself; the Qt widgets of a form are made when the form is first shown or when anything
// asks for one of them, all of the form's at once and in description order, and from then on
// follow the control.
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
class TStrings {
public:
    explicit TStrings(std::function<void()> changed)
        : m_changed(std::move(changed))
    {
    }
    void Clear();
    void Add(const QString& s);
    // Lines[i] := s; i = Count appends.
    void Put(int index, const QString& s);
    const QString& operator[](int index) const { return m_lines.at(index); }
    int Count() const { return int(m_lines.size()); }
    const QStringList& list() const { return m_lines; }
    void setList(const QStringList& lines);
    // All lines at once from a lesson's table of UTF-8 texts.
    void setTable(std::span<const char* const> lines);

private:
    QStringList m_lines;
    std::function<void()> m_changed;
};

// A memo lays its text out once per fill: changing the lines only marks the text pending, and
// it is put into the widget (and laid out) when the memo is next painted or shown, when its
// form's repaint ends or its paints are flushed, or when someone asks for the widget.
class TMemo : public TWinControl {
public:
    TMemo(TForm* owner, const QString& name);
    ~TMemo() override;
    QString kind() const override { return QStringLiteral("memo"); }

    TStrings Lines;
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle s);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);
    // A sunken frame (the default) or none.
    bool Bordered() const { return m_bordered; }
    void SetBordered(bool on);

    // Framework: puts the pending text of every memo (of visible forms only, or of one form)
    // into its widget.
    static void syncPending(bool visibleFormsOnly);
    static void syncPending(const TForm* form);

protected:
    void syncWidget() override;
    QWidget* makeWidget() override;
    void widgetMade() override;

private:
    void linesChanged();
    void layoutLines();
    void fontChanged() override;
    void setPending(bool pending);
    bool m_textPending = false;
    bool m_syncQueued = false;
    bool m_readOnly = false;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wordWrap = true;
    bool m_bordered = true;
};

class TEdit : public TWinControl {
public:
    TEdit(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("edit"); }

    QString Text() const;
    void SetText(const QString& text);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);

    std::function<void()> OnChange;

    bool hasText() const override { return true; }
    QString text() const override { return Text(); }

    // Framework: the text as a user typing it would leave it.
    void typeText(const QString& text);

protected:
    QWidget* makeWidget() override;

private:
    // A Qt line edit's default length limit.
    static constexpr int kMaxLength = 32767;
    bool m_readOnly = false;
    QString m_text; // until the Qt field is made
};

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
public:
    TPanel(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("panel"); }

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int w);
    // A single black frame line around the panel (BorderStyle bsSingle).
    void SetSingleBorder(bool on);
    void SetBevelOuter(TBevelCut b);

    bool hasText() const override { return true; }
    QString text() const override { return m_caption; }

    // Framework: draws the panel and its labels into an image of its size.
    QImage render();

protected:
    QWidget* makeWidget() override;

private:
    void applyPalette() override;
    QString m_caption;
    int m_borderWidth = 0;
    bool m_singleBorder = false;
    TBevelCut m_bevelOuter = bvRaised;
};

class TButton : public TWinControl {
public:
    TButton(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("button"); }

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    std::function<void()> OnClick;

    bool hasText() const override { return true; }
    QString text() const override { return m_caption; }

    // Framework: a press as the user makes it (refused by the caller when disabled).
    void press();

protected:
    QWidget* makeWidget() override;

private:
    QString m_caption;
};

class TStatusBar : public TWinControl {
public:
    TStatusBar(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("statusbar"); }

    const QString& SimpleText() const { return m_text; }
    void SetSimpleText(const QString& text);

    bool hasText() const override { return true; }
    QString text() const override { return m_text; }

    QImage render();

protected:
    QWidget* makeWidget() override;

private:
    QString m_text;
};

class TScrollBar : public TWinControl {
public:
    TScrollBar(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("scrollbar"); }

    int Position() const { return m_position; }
    void SetPosition(int p);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void SetMin(int v);
    void SetMax(int v);
    void SetSmallChange(int v);
    void SetLargeChange(int v);

    // Called with the new position whenever the user moves the bar.
    std::function<void(int position)> OnScroll;

    // Framework: a move by the user to `position`.
    void scrollTo(int position);

protected:
    QWidget* makeWidget() override;
    void widgetMade() override;

private:
    void syncWidget() override;
    int m_position = 0;
    int m_min = 0;
    int m_max = 100;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_syncing = false;
};

} // namespace wb
