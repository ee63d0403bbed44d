// Continuous ZTA diagram of an unalloyed steel with 0.70 % C: austenitising at chosen heating rates.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZTAcon07 : public TLessonForm {
public:
    TFormZTAcon07();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormClose() override;
};

extern TFormZTAcon07* FormZTAcon07;

} // namespace wb
