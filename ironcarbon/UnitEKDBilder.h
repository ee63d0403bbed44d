// Microstructure series: micrographs of ferrite and of steels with 0.1 % to 0.8 % carbon.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormEKDBilder : public TLessonForm {
public:
    TFormEKDBilder();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
};

extern TFormEKDBilder* FormEKDBilder;

} // namespace wb
