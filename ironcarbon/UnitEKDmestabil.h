// The metastable iron-carbon diagram: the fields of austenite, ferrite and pearlite.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFORMEKDMETASTABIL : public TLessonForm {
public:
    TFORMEKDMETASTABIL();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
};

extern TFORMEKDMETASTABIL* FORMEKDMETASTABIL;

} // namespace wb
