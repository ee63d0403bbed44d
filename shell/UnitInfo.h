// Information page: the contents of the course, notes on the screen settings and the
// background picture, and who is responsible for the presentation.
#pragma once

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Texts.h"

namespace wb {

class TFormInfo : public TForm {
public:
    TFormInfo();

    TImage ImageText { this, QStringLiteral("ImageText") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem ende1 { MainMenu1, QStringLiteral("ende1"), QStringLiteral(WB_TR("FormInfo", "&Ende")), closesForm };
    TMenuItem ESC1 { MainMenu1, QStringLiteral("ESC1"), QStringLiteral("ESC"), closesForm, VK_ESCAPE, false };

private:
    void FormCreate() override;
    void FormPaint() override;
};

extern TFormInfo* FormInfo;

} // namespace wb
