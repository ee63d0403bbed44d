// Tempering chart of C 45: strength, yield point, elongation and reduction of area against tempering temperature.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormVerSch : public TLessonForm {
public:
    TFormVerSch();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESC { MainMenu1, QStringLiteral("ESC"), QStringLiteral("ESC"), closesForm, VK_ESCAPE, false };

private:
    void FormClose() override;
};

extern TFormVerSch* FormVerSch;

} // namespace wb
