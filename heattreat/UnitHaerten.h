// Hardening a steel with 0.45 % C: austenitising, quenching to martensite and the water quench in the ZTU diagram.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormHaerten : public TLessonForm {
public:
    TFormHaerten();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };

private:
    void FormClose();
    void EndeClick();
    void ESCAPEClick();
};

extern TFormHaerten* FormHaerten;

} // namespace wb
