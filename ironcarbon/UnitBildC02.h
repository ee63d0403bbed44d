// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.2 % carbon.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormBildC02 : public TLessonForm {
public:
    TFormBildC02();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };

private:
    void EndeClick();
    void ESCAPEClick();
};

extern TFormBildC02* FormBildC02;

} // namespace wb
