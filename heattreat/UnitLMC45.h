// Light micrographs of the steel C 45 after normalising, hardening and quenching and tempering.
#pragma once

#include "framework/Controls.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormLMC45 : public TLessonForm {
public:
    TFormLMC45();

    // The main menu opens the form on the normalised micrograph, whatever showed when it closed.
    void showNormalised();

    TImage ImageNormal { this, QStringLiteral("ImageNormal") };
    TImage ImageHart { this, QStringLiteral("ImageHart") };
    TImage ImageVerg { this, QStringLiteral("ImageVerg") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormCreate() override;
};

extern TFormLMC45* FormLMC45;

} // namespace wb
