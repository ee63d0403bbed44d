// End-quench hardness curves of C 45 specimens tempered at temperatures from 20 °C to 650 °C.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormVerHart : public TLessonForm {
public:
    TFormVerHart();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESC { MainMenu1, QStringLiteral("ESC"), QStringLiteral("ESC"), closesForm, VK_ESCAPE, false };
};

extern TFormVerHart* FormVerHart;

} // namespace wb
