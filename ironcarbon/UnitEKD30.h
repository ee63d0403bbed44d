// Cooling a cast iron with 3.0 % carbon through the iron-carbon diagram: its phase changes and microstructures.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormEKD30 : public TLessonForm {
public:
    TFormEKD30();

    TMainMenu MainMenuHaupt { this, QStringLiteral("MainMenuHaupt") };
    TMenuItem Ende { MainMenuHaupt, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenuHaupt, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };

private:
    void FormClose() override;
};

extern TFormEKD30* FormEKD30;

} // namespace wb
