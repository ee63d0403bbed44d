// Pure iron: the cooling and heating curves with their arrests and the changes of the crystal lattice.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormReineisen : public TLessonForm {
public:
    TFormReineisen();

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESC = Abbruch"), VK_ESCAPE };

private:
    void EndeClick();
    void ESCAPEClick();
};

extern TFormReineisen* FormReineisen;

} // namespace wb
