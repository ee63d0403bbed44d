// The metastable iron-carbon diagram: the fields of austenite, ferrite and pearlite.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFORMEKDMETASTABIL : public TLessonForm {
public:
    TFORMEKDMETASTABIL();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };

private:
    void EndeClick();
    void ESCAPEClick();
};

extern TFORMEKDMETASTABIL* FORMEKDMETASTABIL;

} // namespace wb
