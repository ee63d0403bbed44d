// Paint boxes, images and labels: areas of the form's surface.
#include "SurfaceControls.h"

#include "Forms.h"
#include "RectTarget.h"
#include "Texts.h"
#include "WinControl.h"

#include <algorithm>

namespace wb {

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

QString TLabel::Caption() const
{
    return texts::shown(m_caption);
}

void TLabel::SetMargin(Padding margin)
{
    const QRect before = clientRect();
    m_margin = margin;
    adjustSize();
    lookChanged(before);
}

void TLabel::languageChanged()
{
    fontChanged();
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
    m_bounds.setSize(QSize(paddedTextWidth(rf, Caption(), m_margin), rf.cellHeight));
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
    // The label's colour already fills the margin; its blanks are laid out with the caption.
    canvas.TextOut(Left(), Top(), withMargin(Caption(), m_margin));
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

} // namespace wb
