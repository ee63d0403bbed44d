// Wärmebehandlung: what heat treatment of steels means, by its definition.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Texts.h"

namespace wb {

class TFormWarme : public TLessonForm {
public:
    TFormWarme();

    TImage ImageText { this, QStringLiteral("ImageText") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral(WB_TR("FormWarme", "&Ende")), closesForm };

private:
    void FormPaint() override;
};

extern TFormWarme* FormWarme;

} // namespace wb
