// Isothermal ZTA diagram of an unalloyed steel with 0.45 % C: austenitising while holding at 800, 850 and 900 °C.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZTAiso045 : public TLessonForm {
public:
    TFormZTAiso045();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormClose() override;
};

extern TFormZTAiso045* FormZTAiso045;

} // namespace wb
