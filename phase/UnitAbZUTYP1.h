// Thermal analysis of a system completely soluble, liquid and solid: six cooling curves build its diagram.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "phase/ThermalAnalysis.h"

namespace wb {

// The lesson's tables: its curves, connecting lines, diagram and pictures.
namespace abzutyp1 {
const thermal::Lesson& lesson();
} // namespace abzutyp1

class TFormAbZuTyp1 : public TLessonForm {
public:
    TFormAbZuTyp1();

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), &TFormAbZuTyp1::EndeClick };
    TMenuItem ESCAPEDOWN { MainMenuLeiste, QStringLiteral("ESCAPEDOWN"), QStringLiteral("ESC = Abbruch"),
        &TFormAbZuTyp1::ESCAPEDOWNClick, VK_ESCAPE, false };

private:
    void EndeClick();
    void ESCAPEDOWNClick();
};

extern TFormAbZuTyp1* FormAbZuTyp1;

} // namespace wb
