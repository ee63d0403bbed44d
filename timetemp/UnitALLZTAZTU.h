// ZTA/ZTU-Schaubilder: how time-temperature-austenitising and time-temperature-transformation diagrams are read.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Texts.h"

namespace wb {

class TFormALLZTAZTU : public TLessonForm {
public:
    TFormALLZTAZTU();

    TImage ImageText { this, QStringLiteral("ImageText") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral(WB_TR("FormALLZTAZTU", "&Ende")), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormPaint() override;
};

extern TFormALLZTAZTU* FormALLZTAZTU;

} // namespace wb
