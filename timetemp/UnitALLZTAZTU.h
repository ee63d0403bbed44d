// ZTA/ZTU-Schaubilder: how time-temperature-austenitising and time-temperature-transformation diagrams are read.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormALLZTAZTU : public TLessonForm {
public:
    TFormALLZTAZTU();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
};

extern TFormALLZTAZTU* FormALLZTAZTU;

} // namespace wb
