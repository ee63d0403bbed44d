// The windowed controls the framework draws itself, with its canvas, so that they look the same
// on every machine: the panel (with the labels lying in it) and the status bar, both framed by
// one bevel.
#pragma once

#include "WinControl.h"

#include <QImage>
#include <QRect>

namespace wb {

enum TBevelCut { bvNone, bvLowered, bvRaised };

// The one-pixel bevel around `r` (inclusive edges): raised is light at the top and left and
// dark at the bottom and right, lowered the other way round.
void drawBevel(TCanvas& c, const QRect& r, TBevelCut cut);

class TPanel : public TWinControl {
public:
    TPanel(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("panel"); }

    // The caption in the language in force (texts::tr).
    QString Caption() const;
    void SetCaption(const QString& caption);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int w);
    // A single black frame line around the panel (BorderStyle bsSingle).
    void SetSingleBorder(bool on);
    void SetBevelOuter(TBevelCut b);

    bool hasText() const override { return true; }
    QString text() const override { return Caption(); }

    // Framework: draws the panel and its labels into an image of its size.
    QImage render();

protected:
    QWidget* makeWidget() override;

private:
    void applyPalette() override;
    void languageChanged() override;
    QString m_caption;
    int m_borderWidth = 0;
    bool m_singleBorder = false;
    TBevelCut m_bevelOuter = bvRaised;
};

class TStatusBar : public TWinControl {
public:
    TStatusBar(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("statusbar"); }

    // The text in the language in force (texts::tr).
    QString SimpleText() const;
    void SetSimpleText(const QString& text);

    bool hasText() const override { return true; }
    QString text() const override { return SimpleText(); }

    QImage render();

protected:
    QWidget* makeWidget() override;

private:
    void languageChanged() override;
    QString m_text;
};

} // namespace wb
