// Type 3 diagram (eutectic system with limited solid solubility): cooling of four alloys across the diagram.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZuTyp3 : public TLessonForm {
public:
    TFormZuTyp3();

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };
};

extern TFormZuTyp3* FormZuTyp3;

} // namespace wb
