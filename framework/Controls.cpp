#include "Controls.h"

#include "Application.h"
#include "Forms.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cassert>

namespace wb {

// --- TControl -------------------------------------------------------------------------------

TControl::TControl(TForm* owner, const QString& name, TWinControl* parent)
    : TComponent(owner, name)
    , m_parent(parent)
{
    // A control starts with its form's font and follows it until it gets one of its own.
    Font.Assign(owner->Font);
    Font.setChangeHandler([this] {
        if (!m_takingParentFont)
            m_parentFont = false;
        fontChanged();
    });
}

void TControl::takeParentFont(const TFont& f)
{
    if (!m_parentFont)
        return;
    m_takingParentFont = true;
    Font.Assign(f);
    m_takingParentFont = false;
}

QRect TControl::clientRect() const
{
    QRect r = m_bounds;
    for (const TControl* p = m_parent; p; p = p->Parent())
        r.translate(p->Left(), p->Top());
    return r;
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const QRect next(left, top, std::max(0, width), std::max(0, height));
    if (next == m_bounds)
        return;
    const QRect before = clientRect();
    m_bounds = next;
    if (m_align != alNone && !m_parent)
        Owner()->realign();
    boundsChanged();
    if (!isWindowed())
        lookChanged(before);
}

void TControl::setAlignedBounds(const QRect& r)
{
    if (r == m_bounds)
        return;
    const QRect before = clientRect();
    m_bounds = r;
    boundsChanged();
    if (!isWindowed())
        lookChanged(before);
}

void TControl::SetVisible(bool on)
{
    if (on == m_visible)
        return;
    m_visible = on;
    if (m_align != alNone && !m_parent)
        Owner()->realign();
    visibilityChanged();
    // What lay beneath shows again, as the form repaints it.
    if (!isWindowed() || !on)
        lookChanged(clientRect());
}

void TControl::SetEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    enabledChanged();
}

TColor TControl::Color() const
{
    if (m_parentColor)
        return m_parent ? m_parent->Color() : Owner()->Color();
    return m_color;
}

void TControl::SetColor(TColor c)
{
    m_parentColor = false;
    if (c == m_color)
        return;
    m_color = c;
    colorChanged();
    if (!isWindowed())
        lookChanged(clientRect());
}

void TControl::SetAlign(TAlign a)
{
    if (a == m_align)
        return;
    m_align = a;
    if (!m_parent)
        Owner()->realign();
}

void TControl::lookChanged(const QRect& before)
{
    if (m_parent) {
        // A panel without its widget yet draws its labels when the widget is made.
        if (QWidget* w = m_parent->childHost())
            w->update();
        return;
    }
    Owner()->invalidateRect(before | clientRect());
}

namespace {

// A canvas target over a rectangle of some image, for one-off drawing by the framework.
class RectTarget : public CanvasTarget {
public:
    RectTarget(QImage* image, QPoint origin, QRect clip, qreal ratio = 1.0)
        : m_image(image)
        , m_origin(origin)
        , m_clip(clip)
        , m_ratio(ratio)
    {
    }
    QImage* pixels() override { return m_image; }
    QPoint origin() const override { return m_origin; }
    QRect clip() const override { return m_clip; }
    void changed(const QRect& r) override { m_changed |= r; }
    qreal ratio() const override { return m_ratio; }
    QRect changedRect() const { return m_changed; }

private:
    QImage* m_image;
    QPoint m_origin;
    QRect m_clip;
    qreal m_ratio;
    QRect m_changed;
};

} // namespace

// --- Paint box ------------------------------------------------------------------------------

class TPaintBox::Target : public CanvasTarget {
public:
    explicit Target(TPaintBox* box)
        : m_box(box)
    {
    }
    QImage* pixels() override { return &m_box->Owner()->surface(); }
    QPoint origin() const override { return m_box->clientRect().topLeft(); }
    QRect clip() const override { return m_box->clientRect().intersected(m_box->Owner()->paintClip()); }
    void changed(const QRect& r) override { m_box->Owner()->surfaceChanged(r); }
    qreal ratio() const override { return m_box->Owner()->ratio(); }

private:
    TPaintBox* m_box;
};

TPaintBox::TPaintBox(TForm* owner, const QString& name)
    : TGraphicControl(owner, name)
    , m_target(std::make_unique<Target>(this))
    , m_canvas(m_target.get())
{
    m_parentColor = true;
}

TPaintBox::~TPaintBox() = default;

void TPaintBox::paint()
{
    // The paint box hands its font and colour to the canvas; the pen stays as it was.
    m_canvas.Font.Assign(Font);
    m_canvas.Brush.SetColor(Color());
    if (OnPaint)
        OnPaint();
}

// --- Image ----------------------------------------------------------------------------------

class TImage::Target : public CanvasTarget {
public:
    explicit Target(TImage* image)
        : m_image(image)
    {
    }
    QImage* pixels() override
    {
        if (m_image->m_picture.isNull()) {
            if (m_image->m_loader) {
                m_image->picture();
            } else {
                // A canvas on an empty image creates a white picture at the image's size.
                m_image->m_picture
                    = QImage(std::max(1, m_image->Width()), std::max(1, m_image->Height()), QImage::Format_RGB32);
                m_image->m_picture.fill(0xFFFFFFFFu);
            }
        }
        if (m_image->m_picture.format() != QImage::Format_RGB32)
            m_image->m_picture = m_image->m_picture.convertToFormat(QImage::Format_RGB32);
        return &m_image->m_picture;
    }
    QPoint origin() const override { return { 0, 0 }; }
    QRect clip() const override { return m_image->m_picture.rect(); }
    void changed(const QRect& r) override { m_image->showPicture(r); }

private:
    TImage* m_image;
};

TImage::TImage(TForm* owner, const QString& name)
    : TGraphicControl(owner, name)
    , m_target(std::make_unique<Target>(this))
    , m_canvas(m_target.get())
{
    m_parentColor = true;
}

TImage::~TImage() = default;

TCanvas& TImage::Canvas()
{
    m_target->pixels();
    return m_canvas;
}

void TImage::SetPictureLoader(std::function<QImage()> loader)
{
    m_loader = std::move(loader);
    m_picture = QImage();
    lookChanged(clientRect());
}

void TImage::SetPicture(const QImage& picture)
{
    m_loader = nullptr;
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    lookChanged(clientRect());
}

const QImage& TImage::picture()
{
    if (m_picture.isNull() && m_loader) {
        m_picture = m_loader().convertToFormat(QImage::Format_RGB32);
        m_loader = nullptr;
    }
    return m_picture;
}

void TImage::boundsChanged()
{
}

void TImage::showPicture(const QRect& pictureRect)
{
    // Drawing on the picture shows at once where the image shows it.
    if (!m_visible)
        return;
    TForm* form = Owner();
    const QRect bounds = clientRect();
    const QRect area = pictureRect.translated(bounds.topLeft()).intersected(bounds).intersected(form->paintClip());
    if (area.isEmpty())
        return;
    RectTarget target(&form->surface(), bounds.topLeft(), area, form->ratio());
    TCanvas canvas(&target);
    canvas.CopyPicture(0, 0, m_picture);
    if (!target.changedRect().isEmpty())
        form->surfaceChanged(target.changedRect());
}

void TImage::paint()
{
    if (picture().isNull())
        return;
    showPicture(m_picture.rect());
}

// --- Label ----------------------------------------------------------------------------------

TLabel::TLabel(TForm* owner, const QString& name, TWinControl* parent)
    : TGraphicControl(owner, name, parent)
{
    m_parentColor = true;
    adjustSize();
}

void TLabel::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    const QRect before = clientRect();
    m_caption = caption;
    adjustSize();
    lookChanged(before);
}

void TLabel::SetTransparent(bool on)
{
    m_transparent = on;
    lookChanged(clientRect());
}

void TLabel::SetAutoSize(bool on)
{
    m_autoSize = on;
    adjustSize();
}

void TLabel::fontChanged()
{
    const QRect before = clientRect();
    adjustSize();
    lookChanged(before);
}

void TLabel::adjustSize()
{
    if (!m_autoSize)
        return;
    const ResolvedFont& rf = fonts::resolve(Font);
    m_bounds.setSize(QSize(fonts::textWidth(rf, m_caption), rf.cellHeight));
}

void TLabel::paintOn(TCanvas& canvas)
{
    canvas.Font.Assign(Font);
    if (m_transparent) {
        canvas.Brush.SetStyle(bsClear);
    } else {
        canvas.Brush.SetColor(Color());
        canvas.Pen.SetColor(Color());
        canvas.Pen.SetMode(pmCopy);
        canvas.Rectangle(Left(), Top(), Left() + Width(), Top() + Height());
    }
    canvas.TextOut(Left(), Top(), m_caption);
}

void TLabel::paint()
{
    TForm* form = Owner();
    RectTarget target(&form->surface(), QPoint(0, 0), clientRect().intersected(form->paintClip()), form->ratio());
    TCanvas canvas(&target);
    paintOn(canvas);
    if (!target.changedRect().isEmpty())
        form->surfaceChanged(target.changedRect());
}

// --- Windowed controls ----------------------------------------------------------------------

namespace {

QColor qcolor(TColor c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// A widget that shows what a control renders with the framework's own drawing.
class RenderedWidget : public QWidget {
public:
    RenderedWidget(std::function<QImage()> render, QWidget* parent)
        : QWidget(parent)
        , m_render(std::move(render))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, m_render());
    }

private:
    std::function<QImage()> m_render;
};

} // namespace

TWinControl::TWinControl(TForm* owner, const QString& name, TWinControl* parent)
    : TControl(owner, name, parent)
{
}

TWinControl::~TWinControl()
{
    delete m_widget.data();
}

void TWinControl::attach(QWidget* w)
{
    m_widget = w;
    w->setParent(m_parent ? m_parent->childHost() : Owner()->clientWidget());
    w->setGeometry(Owner()->zoomed(m_bounds));
    w->setFont(fonts::qfontFor(Font, Owner()->zoom()));
    applyPalette();
    if (!m_enabled)
        w->setEnabled(false);
    if (m_tabStop >= 0)
        w->setFocusPolicy(m_tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    w->setVisible(m_visible);
}

void TWinControl::ensureWidget()
{
    if (!m_widgetMade)
        createWidgets(Owner());
}

void TWinControl::createWidgets(TForm* form)
{
    // A copy: making a widget may not change the list, but the list is the form's.
    const std::vector<TComponent*> components = form->components();
    for (TComponent* c : components) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w || w->m_widgetMade)
            continue;
        // A panel's children lie in its widget: the panel comes first in the description.
        assert(!w->m_parent || w->m_parent->m_widgetMade);
        w->m_widgetMade = true;
        w->attach(w->makeWidget());
        w->widgetMade();
    }
}

void TWinControl::boundsChanged()
{
    if (m_widget)
        m_widget->setGeometry(Owner()->zoomed(m_bounds));
}

void TWinControl::zoomChanged()
{
    boundsChanged();
    fontChanged();
}

void TWinControl::visibilityChanged()
{
    if (m_widget)
        m_widget->setVisible(m_visible);
}

void TWinControl::enabledChanged()
{
    if (m_widget)
        m_widget->setEnabled(m_enabled);
}

void TWinControl::colorChanged()
{
    applyPalette();
    if (m_widget)
        m_widget->update();
}

void TWinControl::fontChanged()
{
    if (!m_widget)
        return;
    m_widget->setFont(fonts::qfontFor(Font, Owner()->zoom()));
    applyPalette();
    m_widget->update();
}

void TWinControl::applyPalette()
{
    if (!m_widget)
        return;
    // The control's colour is its background, whether Qt calls that window, button or base
    // (text fields); the font colour its text.
    QPalette pal = m_widget->palette();
    for (const auto role : { QPalette::Window, QPalette::Button, QPalette::Base })
        pal.setColor(role, qcolor(Color()));
    for (const auto role : { QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
        pal.setColor(role, qcolor(Font.Color()));
    m_widget->setPalette(pal);
}

void TWinControl::SetTabStop(bool on)
{
    m_tabStop = on ? 1 : 0;
    if (m_widget)
        m_widget->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

// --- Memo -----------------------------------------------------------------------------------

void TStrings::Clear()
{
    m_lines.clear();
    m_changed();
}

void TStrings::Add(const QString& s)
{
    m_lines.append(s);
    m_changed();
}

void TStrings::Put(int index, const QString& s)
{
    if (index == m_lines.size())
        m_lines.append(s);
    else if (index >= 0 && index < m_lines.size())
        m_lines[index] = s;
    m_changed();
}

void TStrings::setList(const QStringList& lines)
{
    m_lines = lines;
    m_changed();
}

void TStrings::setTable(std::span<const char* const> lines)
{
    QStringList list;
    for (const char* line : lines)
        list << QString::fromUtf8(line);
    setList(list);
}

namespace {

// The memo's text field: it takes the memo's pending text before it shows or paints anything,
// or takes input.
class MemoEdit : public QTextEdit {
public:
    std::function<void()> sync;

protected:
    bool event(QEvent* e) override
    {
        if (needsText(e->type()) && sync)
            sync();
        return QTextEdit::event(e);
    }
    bool viewportEvent(QEvent* e) override
    {
        if (needsText(e->type()) && sync)
            sync();
        return QTextEdit::viewportEvent(e);
    }

private:
    static bool needsText(QEvent::Type t)
    {
        switch (t) {
        case QEvent::Show:
        case QEvent::Paint:
        case QEvent::KeyPress:
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
        }
    }
};

void applyScrollStyle(QTextEdit* edit, TScrollStyle s, bool wordWrap)
{
    const bool h = s == ssHorizontal || s == ssBoth;
    const bool v = s == ssVertical || s == ssBoth;
    edit->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // With a horizontal scroll bar long lines run on instead of wrapping.
    edit->setLineWrapMode(wordWrap && !h ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

std::vector<TMemo*>& pendingMemos()
{
    static std::vector<TMemo*> memos;
    return memos;
}

} // namespace

TMemo::TMemo(TForm* owner, const QString& name)
    : TWinControl(owner, name)
    , Lines([this] { linesChanged(); })
{
    m_color = clWhite;
}

QWidget* TMemo::makeWidget()
{
    auto* edit = new MemoEdit;
    edit->sync = [this] { syncWidget(); };
    edit->setAcceptRichText(false);
    edit->setFrameShape(m_bordered ? QFrame::Panel : QFrame::NoFrame);
    edit->setFrameShadow(QFrame::Sunken);
    edit->setLineWidth(2);
    edit->document()->setDocumentMargin(1);
    edit->setReadOnly(m_readOnly);
    applyScrollStyle(edit, m_scrollBars, m_wordWrap);
    return edit;
}

void TMemo::widgetMade()
{
    // The lines (and their line height) go in when the memo is next shown, painted or asked for.
    setPending(true);
}

TMemo::~TMemo()
{
    setPending(false);
    if (auto* edit = dynamic_cast<MemoEdit*>(m_widget.data()))
        edit->sync = nullptr;
}

void TMemo::setPending(bool pending)
{
    if (pending == m_textPending)
        return;
    m_textPending = pending;
    auto& memos = pendingMemos();
    if (pending)
        memos.push_back(this);
    else
        memos.erase(std::remove(memos.begin(), memos.end(), this), memos.end());
}

void TMemo::linesChanged()
{
    setPending(true);
    // A memo on screen takes its text before the next paint; one filled line by line inside a
    // handler still lays it out once.
    if (m_widget && m_widget->isVisible() && !m_syncQueued) {
        m_syncQueued = true;
        QTimer::singleShot(0, m_widget.data(), [this] {
            m_syncQueued = false;
            syncWidget();
        });
    }
}

void TMemo::syncWidget()
{
    // Without its widget yet, the text waits for it.
    auto* edit = qobject_cast<QTextEdit*>(m_widget.data());
    if (!m_textPending || !edit)
        return;
    setPending(false);
    // The text and its line format in one edit: the document is laid out once.
    QTextCursor block(edit->document());
    block.beginEditBlock();
    edit->setPlainText(Lines.list().join(QLatin1Char('\n')));
    layoutLines();
    block.endEditBlock();
    // The explanation is read from its first line: caret and view at the top.
    edit->moveCursor(QTextCursor::Start);
    edit->verticalScrollBar()->setValue(0);
    edit->horizontalScrollBar()->setValue(0);
}

void TMemo::syncPending(bool visibleFormsOnly)
{
    const std::vector<TMemo*> memos = pendingMemos();
    for (TMemo* m : memos)
        if (!visibleFormsOnly || m->Owner()->Visible())
            m->syncWidget();
}

void TMemo::syncPending(const TForm* form)
{
    const std::vector<TMemo*> memos = pendingMemos();
    for (TMemo* m : memos)
        if (m->Owner() == form)
            m->syncWidget();
}

void TMemo::layoutLines()
{
    auto* edit = qobject_cast<QTextEdit*>(m_widget.data());
    if (!edit)
        return;
    // An edit control steps its lines by the font's cell height and keeps a one-pixel margin;
    // with these metrics a memo holds as many lines as it was laid out for.
    edit->document()->setDocumentMargin(1);
    QTextBlockFormat format;
    format.setLineHeight(fonts::resolve(Font).cellHeight * Owner()->zoom(), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(edit->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

void TMemo::fontChanged()
{
    TWinControl::fontChanged();
    // Pending text takes the new line height with it; text already shown is laid out again.
    if (m_textPending)
        return;
    layoutLines();
    if (auto* edit = qobject_cast<QTextEdit*>(m_widget.data())) {
        edit->moveCursor(QTextCursor::Start);
        edit->verticalScrollBar()->setValue(0);
        edit->horizontalScrollBar()->setValue(0);
    }
}

void TMemo::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (auto* edit = qobject_cast<QTextEdit*>(m_widget.data()))
        edit->setReadOnly(on);
}

void TMemo::SetScrollBars(TScrollStyle s)
{
    m_scrollBars = s;
    if (auto* edit = qobject_cast<QTextEdit*>(m_widget.data()))
        applyScrollStyle(edit, m_scrollBars, m_wordWrap);
}

void TMemo::SetWordWrap(bool on)
{
    m_wordWrap = on;
    SetScrollBars(m_scrollBars);
}

void TMemo::SetBordered(bool on)
{
    m_bordered = on;
    if (auto* edit = qobject_cast<QTextEdit*>(m_widget.data()))
        edit->setFrameShape(on ? QFrame::Panel : QFrame::NoFrame);
}

// --- Edit -----------------------------------------------------------------------------------

TEdit::TEdit(TForm* owner, const QString& name)
    : TWinControl(owner, name)
{
    m_color = clWhite;
}

QWidget* TEdit::makeWidget()
{
    // The text it held so far goes in before OnChange is connected: nothing changes by it.
    auto* edit = new QLineEdit(m_text);
    edit->setReadOnly(m_readOnly);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] {
        if (OnChange)
            OnChange();
    });
    return edit;
}

// Once the Qt field exists the text lives there (the user types into it); before, the edit keeps
// it as the field would: cut at the field's length limit, OnChange only when it changes.
QString TEdit::Text() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data()))
        return edit->text();
    return m_text;
}

void TEdit::SetText(const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data())) {
        edit->setText(text);
        return;
    }
    const QString next = text.left(kMaxLength);
    if (next == m_text)
        return;
    m_text = next;
    if (OnChange)
        OnChange();
}

void TEdit::typeText(const QString& text)
{
    SetText(text);
}

void TEdit::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data()))
        edit->setReadOnly(on);
}

// --- Panel ----------------------------------------------------------------------------------

TPanel::TPanel(TForm* owner, const QString& name)
    : TWinControl(owner, name)
{
    m_color = RGB(0xD4, 0xD0, 0xC8);
}

QWidget* TPanel::makeWidget()
{
    return new RenderedWidget([this] { return render(); }, nullptr);
}

void TPanel::SetCaption(const QString& caption)
{
    m_caption = caption;
    if (m_widget)
        m_widget->update();
}

void TPanel::SetBorderWidth(int w)
{
    m_borderWidth = w;
    if (m_widget)
        m_widget->update();
}

void TPanel::SetSingleBorder(bool on)
{
    m_singleBorder = on;
    if (m_widget)
        m_widget->update();
}

void TPanel::SetBevelOuter(TBevelCut b)
{
    m_bevelOuter = b;
    if (m_widget)
        m_widget->update();
}

void TPanel::applyPalette()
{
    if (m_widget)
        m_widget->update();
}

QImage TPanel::render()
{
    // Drawn at the form's zoom, so that it is as sharp as the window it lies in.
    const double z = Owner()->zoom();
    QImage img(deviceRect(QRect(0, 0, std::max(1, Width()), std::max(1, Height())), z).size(), QImage::Format_RGB32);
    img.fill(toPixel(Color()));
    RectTarget target(&img, QPoint(0, 0), QRect(0, 0, std::max(1, Width()), std::max(1, Height())), z);
    TCanvas c(&target);
    QRect r = target.clip();
    c.Brush.SetStyle(bsClear);
    if (m_singleBorder) {
        c.Pen.SetColor(clBlack);
        c.Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        r.adjust(1, 1, -1, -1);
    }
    if (m_bevelOuter != bvNone) {
        const TColor light = m_bevelOuter == bvRaised ? clWhite : clGray;
        const TColor dark = m_bevelOuter == bvRaised ? clGray : clWhite;
        c.Pen.SetColor(light);
        c.MoveTo(r.left(), r.bottom());
        c.LineTo(r.left(), r.top());
        c.LineTo(r.right() + 1, r.top());
        c.Pen.SetColor(dark);
        c.MoveTo(r.right(), r.top() + 1);
        c.LineTo(r.right(), r.bottom());
        c.LineTo(r.left(), r.bottom());
    }
    if (!m_caption.isEmpty()) {
        c.Font.Assign(Font);
        const int w = c.TextWidth(m_caption);
        const int h = c.TextHeight(m_caption);
        c.TextOut((Width() - w) / 2, (Height() - h) / 2, m_caption);
    }
    for (TComponent* comp : Owner()->components()) {
        auto* label = dynamic_cast<TLabel*>(comp);
        if (label && label->Parent() == this && label->Visible()) {
            TCanvas lc(&target);
            label->paintOn(lc);
        }
    }
    return img;
}

// --- Button ---------------------------------------------------------------------------------

TButton::TButton(TForm* owner, const QString& name)
    : TWinControl(owner, name)
{
    m_color = RGB(0xD4, 0xD0, 0xC8);
}

QWidget* TButton::makeWidget()
{
    auto* button = new QPushButton(m_caption);
    button->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (Owner()->acceptsMouse())
            press();
    });
    return button;
}

void TButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    if (auto* b = qobject_cast<QPushButton*>(m_widget.data()))
        b->setText(caption);
}

void TButton::press()
{
    if (OnClick)
        OnClick();
}

// --- Status bar -----------------------------------------------------------------------------

TStatusBar::TStatusBar(TForm* owner, const QString& name)
    : TWinControl(owner, name)
{
    m_color = clSilver;
    m_bounds.setHeight(19);
    SetAlign(alBottom);
}

QWidget* TStatusBar::makeWidget()
{
    return new RenderedWidget([this] { return render(); }, nullptr);
}

void TStatusBar::SetSimpleText(const QString& text)
{
    m_text = text;
    if (m_widget)
        m_widget->update();
}

QImage TStatusBar::render()
{
    // Drawn at the form's zoom, so that it is as sharp as the window it lies in.
    const double z = Owner()->zoom();
    QImage img(deviceRect(QRect(0, 0, std::max(1, Width()), std::max(1, Height())), z).size(), QImage::Format_RGB32);
    img.fill(toPixel(Color()));
    RectTarget target(&img, QPoint(0, 0), QRect(0, 0, std::max(1, Width()), std::max(1, Height())), z);
    TCanvas c(&target);
    // The simple panel: a sunken field one pixel in from the edges, the text inside it.
    const QRect r = target.clip().adjusted(0, 2, -1, -1);
    c.Pen.SetColor(clGray);
    c.MoveTo(r.left(), r.bottom());
    c.LineTo(r.left(), r.top());
    c.LineTo(r.right() + 1, r.top());
    c.Pen.SetColor(clWhite);
    c.MoveTo(r.right(), r.top() + 1);
    c.LineTo(r.right(), r.bottom());
    c.LineTo(r.left(), r.bottom());
    c.Font.Assign(Font);
    c.Brush.SetStyle(bsClear);
    const int h = c.TextHeight(m_text);
    c.TextOut(r.left() + 3, r.top() + (r.height() - h) / 2, m_text);
    return img;
}

// --- Scroll bar -----------------------------------------------------------------------------

TScrollBar::TScrollBar(TForm* owner, const QString& name)
    : TWinControl(owner, name)
{
    m_color = RGB(0xD4, 0xD0, 0xC8);
}

QWidget* TScrollBar::makeWidget()
{
    auto* bar = new QScrollBar(Qt::Horizontal);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int v) {
        if (m_syncing)
            return;
        scrollTo(v);
    });
    return bar;
}

void TScrollBar::widgetMade()
{
    syncWidget();
}

void TScrollBar::syncWidget()
{
    auto* bar = qobject_cast<QScrollBar*>(m_widget.data());
    if (!bar)
        return;
    m_syncing = true;
    bar->setRange(m_min, m_max);
    bar->setSingleStep(m_smallChange);
    bar->setPageStep(m_largeChange);
    bar->setValue(m_position);
    m_syncing = false;
}

void TScrollBar::SetPosition(int p)
{
    m_position = std::clamp(p, m_min, m_max);
    syncWidget();
}

void TScrollBar::SetMin(int v)
{
    m_min = v;
    m_position = std::max(m_position, m_min);
    syncWidget();
}

void TScrollBar::SetMax(int v)
{
    m_max = v;
    m_position = std::min(m_position, m_max);
    syncWidget();
}

void TScrollBar::SetSmallChange(int v)
{
    m_smallChange = v;
    syncWidget();
}

void TScrollBar::SetLargeChange(int v)
{
    m_largeChange = v;
    syncWidget();
}

void TScrollBar::scrollTo(int position)
{
    m_position = std::clamp(position, m_min, m_max);
    syncWidget();
    if (OnScroll)
        OnScroll(m_position);
}

} // namespace wb
