// Allgemeines zu Zustandsschaubildern: what the phase diagram of a two-component alloy shows and how it is read.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Texts.h"

namespace wb {

class TFormAllZu : public TLessonForm {
public:
    TFormAllZu();

    TImage ImageText { this, QStringLiteral("ImageText") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral(WB_TR("FormAllZu", "&Ende")), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormPaint() override;
};

extern TFormAllZu* FormAllZu;

} // namespace wb
