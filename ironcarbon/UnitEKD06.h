// Cooling a steel with 0.6 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#pragma once

#include "framework/Menus.h"
#include "ironcarbon/CoolingForm.h"

namespace wb {

// The lesson's text and run as data, so that they can be checked without a form.
namespace ekd06 {
const ekd::cooling::Lektion& lektion();
} // namespace ekd06

class TFormEKD06 : public TCoolingForm {
public:
    TFormEKD06();

    // Solidification: the melt, austenite crystals growing in it, austenite grains.
    TImageList ImageListSchA { this, QStringLiteral("ImageListSchA"), 100, 100 };
    // Ferrite growing at the austenite grain boundaries, then ferrite and pearlite.
    TImageList ImageListAFerPer { this, QStringLiteral("ImageListAFerPer"), 100, 100 };

    TMainMenu MainMenuHaupt { this, QStringLiteral("MainMenuHaupt") };
    TMenuItem Ende { MainMenuHaupt, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Textjanein1 { MainMenuHaupt, QStringLiteral("Textjanein1"), QStringLiteral("Text ja/nein"),
        &TFormEKD06::Textjanein1Click, VK_F1 };
    TMenuItem Start { MainMenuHaupt, QStringLiteral("Start"), QStringLiteral("&Start/Abkühlung mit Regler"),
        &TFormEKD06::StartClick };
    TMenuItem Neu { MainMenuHaupt, QStringLiteral("Neu"), QStringLiteral("Löschen/&Neu"), &TFormEKD06::NeuClick };
    TMenuItem ESCAPE { MainMenuHaupt, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };

private:
    void Textjanein1Click() { TextClick(); }
};

extern TFormEKD06* FormEKD06;

} // namespace wb
