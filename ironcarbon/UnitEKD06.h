// Cooling a steel with 0.6 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormEKD06 : public TLessonForm {
public:
    TFormEKD06();

    TMainMenu MainMenuHaupt { this, QStringLiteral("MainMenuHaupt") };
    TMenuItem Ende { MainMenuHaupt, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenuHaupt, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };

private:
    void FormClose() override;
};

extern TFormEKD06* FormEKD06;

} // namespace wb
