// Isothermal ZTU diagram of an unalloyed steel with 0.70 % C: transformation while holding at 20, 330, 530 and 670 °C.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZTUi07 : public TLessonForm {
public:
    TFormZTUi07();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCApe { MainMenu1, QStringLiteral("ESCApe"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormClose() override;
};

extern TFormZTUi07* FormZTUi07;

} // namespace wb
