// Type 4 diagram (peritectic system with limited solid solubility): cooling of three alloys and alpha forming in beta.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZuTyp4 : public TLessonForm {
public:
    TFormZuTyp4();

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };
};

extern TFormZuTyp4* FormZuTyp4;

} // namespace wb
