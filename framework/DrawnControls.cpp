// The panel and the status bar, drawn by the framework.
#include "DrawnControls.h"

#include "Forms.h"
#include "RectTarget.h"
#include "SurfaceControls.h"
#include "Texts.h"

#include <QPainter>
#include <algorithm>

namespace wb {

namespace {

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
// A drawn control's picture: its colour, at the form's zoom so that it is as sharp as the window
// it lies in, with `paint` drawing on it in the control's logical pixels.
template <class Paint> QImage drawnPicture(const TWinControl& control, Paint paint)
{
    const double z = control.Owner()->zoom();
    const QRect area(0, 0, std::max(1, control.Width()), std::max(1, control.Height()));
    QImage img(deviceRect(area, z).size(), QImage::Format_RGB32);
    img.fill(toPixel(control.Color()));
    RectTarget target(&img, QPoint(0, 0), area, z);
    paint(target);
    return img;
}

} // namespace

void drawBevel(TCanvas& c, const QRect& r, TBevelCut cut)
{
    if (cut == bvNone)
        return;
    c.Pen.SetColor(cut == bvRaised ? clWhite : clGray);
    c.MoveTo(r.left(), r.bottom());
    c.LineTo(r.left(), r.top());
    c.LineTo(r.right() + 1, r.top());
    c.Pen.SetColor(cut == bvRaised ? clGray : clWhite);
    c.MoveTo(r.right(), r.top() + 1);
    c.LineTo(r.right(), r.bottom());
    c.LineTo(r.left(), r.bottom());
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

QString TPanel::Caption() const
{
    return texts::shown(m_caption);
}

void TPanel::languageChanged()
{
    if (m_widget)
        m_widget->update();
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
    return drawnPicture(*this, [this](RectTarget& target) {
        TCanvas c(&target);
        QRect r = target.clip();
        c.Brush.SetStyle(bsClear);
        if (m_singleBorder) {
            c.Pen.SetColor(clBlack);
            c.Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
            r.adjust(1, 1, -1, -1);
        }
        drawBevel(c, r, m_bevelOuter);
        if (const QString caption = Caption(); !caption.isEmpty()) {
            c.Font.Assign(Font);
            const int w = c.TextWidth(caption);
            const int h = c.TextHeight(caption);
            c.TextOut((Width() - w) / 2, (Height() - h) / 2, caption);
        }
        for (TComponent* comp : Owner()->components()) {
            auto* label = dynamic_cast<TLabel*>(comp);
            if (label && label->Parent() == this && label->Visible()) {
                TCanvas lc(&target);
                label->paintOn(lc);
            }
        }
    });
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

QString TStatusBar::SimpleText() const
{
    return texts::shown(m_text);
}

void TStatusBar::languageChanged()
{
    if (m_widget)
        m_widget->update();
}

void TStatusBar::SetSimpleText(const QString& text)
{
    m_text = text;
    if (m_widget)
        m_widget->update();
}

QImage TStatusBar::render()
{
    return drawnPicture(*this, [this](RectTarget& target) {
        TCanvas c(&target);
        // The simple panel: a sunken field one pixel in from the edges, the text inside it.
        const QRect r = target.clip().adjusted(0, 2, -1, -1);
        drawBevel(c, r, bvLowered);
        c.Font.Assign(Font);
        c.Brush.SetStyle(bsClear);
        const QString text = SimpleText();
        const int h = c.TextHeight(text);
        c.TextOut(r.left() + 3, r.top() + (r.height() - h) / 2, text);
    });
}

} // namespace wb
