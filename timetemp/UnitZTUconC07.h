// Continuous ZTU diagram of an unalloyed steel with 0.70 % C: the microstructures that different cooling rates produce.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormZTUcon07 : public TLessonForm {
public:
    TFormZTUcon07();

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Datei { MainMenu1, QStringLiteral("Datei"), QStringLiteral("&Datei") };
    TMenuItem ESCAPE { Datei, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Ende { Datei, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };

private:
    void FormClose() override;
};

extern TFormZTUcon07* FormZTUcon07;

} // namespace wb
