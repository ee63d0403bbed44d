// Cooling a cast iron with 3.0 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#pragma once

#include "framework/Menus.h"
#include "ironcarbon/CoolingForm.h"

namespace wb {

// The lesson's text and run as data, so that they can be checked without a form.
namespace ekd30 {
const ekd::cooling::Lektion& lektion();
} // namespace ekd30

class TFormEKD30 : public TCoolingForm {
public:
    TFormEKD30();

    // Solidification: austenite crystals growing in the melt, then austenite in ledeburite.
    TImageList ImageListSchAuLede { this, QStringLiteral("ImageListSchAuLede"), 100, 100 };
    // Secondary cementite forming in the austenite, then pearlite in ledeburite.
    TImageList ImageListLedePer { this, QStringLiteral("ImageListLedePer"), 100, 100 };

    TMainMenu MainMenuHaupt { this, QStringLiteral("MainMenuHaupt") };
    TMenuItem Ende { MainMenuHaupt, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Textja { MainMenuHaupt, QStringLiteral("Textja"), QStringLiteral("&Text ja/nein"),
        &TFormEKD30::TextjaClick, VK_F1 };
    TMenuItem Start { MainMenuHaupt, QStringLiteral("Start"), QStringLiteral("&Start/Abkühlung mit Regler"),
        &TFormEKD30::StartClick };
    TMenuItem ESCAPE { MainMenuHaupt, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };
    TMenuItem Neu { MainMenuHaupt, QStringLiteral("Neu"), QStringLiteral("Löschen/&Neu"), &TFormEKD30::NeuClick };

private:
    void TextjaClick() { TextClick(); }
};

extern TFormEKD30* FormEKD30;

} // namespace wb
