// Cooling a steel with 1.2 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormEKD12 : public TLessonForm {
public:
    TFormEKD12();

    TMainMenu MainMenuHaupt { this, QStringLiteral("MainMenuHaupt") };
    TMenuItem Ende { MainMenuHaupt, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenuHaupt, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };

private:
    void FormClose() override;
};

extern TFormEKD12* FormEKD12;

} // namespace wb
