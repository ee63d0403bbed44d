// Microstructure series: micrographs of ferrite and of steels with 0.1 % to 0.8 % carbon.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormEKDBilder : public TLessonForm {
public:
    TFormEKDBilder();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };

private:
    void EndeClick();
    void ESCAPEClick();
};

extern TFormEKDBilder* FormEKDBilder;

} // namespace wb
