// The complete iron-carbon diagram in its metastable and its stable form.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFORMEKDGESAMT : public TLessonForm {
public:
    TFORMEKDGESAMT();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
};

extern TFORMEKDGESAMT* FORMEKDGESAMT;

} // namespace wb
