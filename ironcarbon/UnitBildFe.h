// Micrograph window: the ferritic microstructure of nearly carbon-free iron.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormBildFe : public TLessonForm {
public:
    TFormBildFe();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };

private:
    void EndeClick();
    void ESCAPEClick();
};

extern TFormBildFe* FormBildFe;

} // namespace wb
