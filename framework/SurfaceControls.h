// The controls that are areas of their form's one pixel surface: paint boxes, images and labels,
// painted in description order as part of the form's repaint.
#pragma once

#include "Control.h"
#include "Figures.h"

#include <QImage>
#include <functional>
#include <memory>

namespace wb {

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

    // The caption in the language in force (texts::tr).
    QString Caption() const;
    void SetCaption(const QString& caption);
    // A margin around the caption, in blanks of the label's font: the label is that much wider
    // and its colour fills the margin, where a caption padded with blanks had them.
    Padding Margin() const { return m_margin; }
    void SetMargin(Padding margin);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);

    bool hasText() const override { return true; }
    QString text() const override { return Caption(); }

    void paint() override;
    // Draws the label on any canvas whose origin is the label's parent.
    void paintOn(TCanvas& canvas);

protected:
    void fontChanged() override;
    void languageChanged() override;

private:
    void adjustSize();

    QString m_caption;
    Padding m_margin;
    bool m_transparent = false;
    bool m_autoSize = true;
};

// A control that is a Qt widget of its own, above the form's surface. The control keeps its
// state itself; the Qt widgets of a form are made when the form is first shown or when anything
// asks for one of them, all of the form's at once and in description order, and from then on
// follow the control.

} // namespace wb
