// Entstehung von Zustandsschaubildern: how thermal analysis turns cooling curves into a phase diagram.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Texts.h"

namespace wb {

class TFormEntZu : public TLessonForm {
public:
    TFormEntZu();

    TImage ImageText { this, QStringLiteral("ImageText") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral(WB_TR("FormEntZu", "&Ende")), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormPaint() override;
};

extern TFormEntZu* FormEntZu;

} // namespace wb
