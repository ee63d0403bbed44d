// Zeitabhängige Phasenänderungen: why the transformations of steel depend on time as well as on temperature.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Texts.h"

namespace wb {

class TFormZeitAb : public TLessonForm {
public:
    TFormZeitAb();

    TImage ImageText { this, QStringLiteral("ImageText") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral(WB_TR("FormZeitAb", "&Ende")), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormPaint() override;
};

extern TFormZeitAb* FormZeitAb;

} // namespace wb
