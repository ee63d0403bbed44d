// Type 5 diagram: complete insolubility in the solid state with an intermediate phase that splits the diagram in two.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZuTyp5 : public TLessonForm {
public:
    TFormZuTyp5();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZuTyp5::PaintBoxHauptPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };

private:
    void FormPaint() override;
    void PaintBoxHauptPaint();
};

extern TFormZuTyp5* FormZuTyp5;

} // namespace wb
