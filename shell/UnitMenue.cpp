// Main menu: opens every lesson, chooses the background picture and colours, ends the program.
#include "shell/UnitMenue.h"

#include "resources/Pictures.h"

#include <future>

namespace wb {

TFormMenue* FormMenue = nullptr;

TFormMenue::TFormMenue()
    : TForm(QStringLiteral("FormMenue"))
{
    SetCaption(QStringLiteral(WB_TR("FormMenue",
        "Zustandsschaubilder/Zustandsschaubild Eisen-Kohlenstoff/Grundlagen der Wärmebehandlung von Stählen")));
    SetBorderStyle(bsSizeable);
    SetColor(clBlack);
    Font.SetName(QStringLiteral("MS Sans Serif"));
    Font.SetHeight(-19);
    // The designed place and client size; the first paint makes the form fill the screen.
    SetLeft(184);
    SetTop(119);
    SetClientWidth(792);
    SetClientHeight(550);
    ImageHinter.SetBounds(4, 10, 767, 517);
    // A 1200 × 865 photograph, not stretched and not centred: the image shows its top-left part.
    // It is decoded once, on a second thread while the other forms are created, so that the
    // menu's first paint only waits for what is left of it.
    const std::shared_future<QImage> photo
        = std::async(std::launch::async, pictures::jpegLoader(QStringLiteral("FormMenue.ImageHinter"))).share();
    ImageHinter.SetPictureLoader([photo] { return photo.get(); });
    StatusBarHint.SetHeight(18);
    StatusBarHint.SetColor(clSilver);
    StatusBarHint.Font.SetName(QStringLiteral("MS Sans Serif"));
    StatusBarHint.Font.SetHeight(-16);
    StatusBarHint.Font.SetBold(true);
    StatusBarHint.SetSimpleText(QStringLiteral(WB_TR("FormMenue", "ESC = Abbruch")));
}

void TFormMenue::FormPaint()
{
    // Every paint lays the form over the whole screen again, whatever the user did to it (in
    // one step, so that the form is resized once).
    SetBounds(0, 0, Screen.Width(), Screen.Height());
    // The photograph is not scaled: the image shows its top-left 1000 x 700 pixels, centred above
    // the status bar, and on a smaller client area it is cut on both sides.
    ImageHinter.SetWidth(1000);
    ImageHinter.SetHeight(700);
    ImageHinter.SetLeft((ClientWidth() - 1000) / 2);
    ImageHinter.SetTop((ClientHeight() - 700 - StatusBarHint.Height()) / 2);
}

void TFormMenue::HintergrundClick()
{
    ImageHinter.SetVisible(!ImageHinter.Visible());
}

void TFormMenue::FarbewaehlenClick()
{
    if (!ColorDialog1.Execute())
        return;
    for (TForm* page : m_pageForms)
        page->SetColor(ColorDialog1.Color());
}

void TFormMenue::HintergrundfarbewhlenMenueClick()
{
    if (ColorDialog1.Execute())
        SetColor(ColorDialog1.Color());
}

void TFormMenue::setOpenCommand(const QString& item, std::function<void()> open)
{
    TMenuItem* target = findMenuItem(item);
    if (!target)
        qFatal("the main menu has no item %s", qPrintable(item));
    target->OnClick = std::move(open);
}

void TFormMenue::addOpenCommand(
    const QString& parent, const QString& item, const QString& caption, std::function<void()> open)
{
    TMenuItem* menu = findMenuItem(parent);
    if (!menu)
        qFatal("the main menu has no menu %s for the item %s", qPrintable(parent), qPrintable(item));
    if (findMenuItem(item))
        qFatal("the main menu has an item %s already", qPrintable(item));
    auto& added = m_addedItems.emplace_back(std::make_unique<TMenuItem>(*menu, item, caption));
    added->OnClick = std::move(open);
}

void TFormMenue::setPageForms(std::vector<TForm*> pages)
{
    m_pageForms = std::move(pages);
}

} // namespace wb
