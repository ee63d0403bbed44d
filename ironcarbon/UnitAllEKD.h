// Allgemeines zum Eisen-Kohlenstoff-Schaubild: the iron-carbon system, its phases and its metastable and stable form.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Texts.h"

namespace wb {

class TFormAllEKD : public TLessonForm {
public:
    TFormAllEKD();

    TImage ImageText { this, QStringLiteral("ImageText") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral(WB_TR("FormAllEKD", "&Ende")), closesForm };

private:
    void FormPaint() override;
};

extern TFormAllEKD* FormAllEKD;

} // namespace wb
