// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.8 % carbon.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormBildC08 : public TLessonForm {
public:
    TFormBildC08();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };

private:
    void EndeClick();
    void ESCAPEClick();
};

extern TFormBildC08* FormBildC08;

} // namespace wb
