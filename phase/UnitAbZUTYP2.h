// Thermal analysis of a system soluble when liquid, insoluble when solid: eutectic cooling curves build its diagram.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "phase/ThermalAnalysis.h"

namespace wb {

// The lesson's tables: its curves, connecting lines, diagram and pictures.
namespace abzutyp2 {
const thermal::Lesson& lesson();
} // namespace abzutyp2

class TFormAbZuTyp2 : public TLessonForm {
public:
    TFormAbZuTyp2();

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), &TFormAbZuTyp2::EndeClick };
    TMenuItem ESCAPEDOWN { MainMenuLeiste, QStringLiteral("ESCAPEDOWN"), QStringLiteral("ESC = Abbruch"),
        &TFormAbZuTyp2::ESCAPEDOWNClick, VK_ESCAPE, false };

private:
    void EndeClick();
    void ESCAPEDOWNClick();
};

extern TFormAbZuTyp2* FormAbZuTyp2;

} // namespace wb
