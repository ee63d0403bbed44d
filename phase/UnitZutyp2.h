// Type 2 diagram (eutectic, no solid solubility): cooling of hypoeutectic, eutectic and hypereutectic alloys.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZuTyp2 : public TLessonForm {
public:
    TFormZuTyp2();

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };
};

extern TFormZuTyp2* FormZuTyp2;

} // namespace wb
