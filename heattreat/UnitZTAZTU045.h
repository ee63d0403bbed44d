// Isothermal ZTA and continuous ZTU diagram of a steel with 0.45 % C: austenitising, then five cooling rates.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZTAZTU045 : public TLessonForm {
public:
    TFormZTAZTU045();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormClose() override;
};

extern TFormZTAZTU045* FormZTAZTU045;

} // namespace wb
