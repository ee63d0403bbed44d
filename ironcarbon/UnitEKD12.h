// Cooling a steel with 1.2 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#pragma once

#include "framework/Menus.h"
#include "ironcarbon/CoolingForm.h"

namespace wb {

// The lesson's text and run as data, so that they can be checked without a form.
namespace ekd12 {
const ekd::cooling::Lektion& lektion();
} // namespace ekd12

class TFormEKD12 : public TCoolingForm {
public:
    TFormEKD12();

    // Solidification: the melt, austenite crystals growing in it, austenite grains.
    TImageList ImageListSchA { this, QStringLiteral("ImageListSchA"), 100, 100 };
    // Secondary cementite thickening along the austenite grain boundaries, then pearlite in its network.
    TImageList ImageListAZemPer { this, QStringLiteral("ImageListAZemPer"), 100, 100 };

    TMainMenu MainMenuHaupt { this, QStringLiteral("MainMenuHaupt") };
    TMenuItem Ende { MainMenuHaupt, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Textja { MainMenuHaupt, QStringLiteral("Textja"), QStringLiteral("Te&xt ja/nein"),
        &TFormEKD12::TextjaClick, VK_F1 };
    TMenuItem Start { MainMenuHaupt, QStringLiteral("Start"), QStringLiteral("&Start/Abkühlung mit Regler"),
        &TFormEKD12::StartClick };
    TMenuItem Neu { MainMenuHaupt, QStringLiteral("Neu"), QStringLiteral("Löschen/&Neu"), &TFormEKD12::NeuClick };
    TMenuItem ESCAPE { MainMenuHaupt, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };

private:
    void TextjaClick() { TextClick(); }
};

extern TFormEKD12* FormEKD12;

} // namespace wb
