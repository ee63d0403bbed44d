// Temperature guidance in heat treatment: where the austenitising temperatures lie in the iron-carbon diagram.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZTAZTU : public TLessonForm {
public:
    TFormZTAZTU();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };

private:
    void FormClose();
    void EndeClick();
    void ESCAPEClick();
};

extern TFormZTAZTU* FormZTAZTU;

} // namespace wb
