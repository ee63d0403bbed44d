// Quenching and tempering a steel with 0.45 % C: hardening, then tempering below Ac1 to tempered martensite.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormVergueten : public TLessonForm {
public:
    TFormVergueten();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormClose() override;
};

extern TFormVergueten* FormVergueten;

} // namespace wb
