// Cover page: a colour field fades from black through red and yellow to white under the title,
// then hands over to the main menu.
#pragma once

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Timers.h"

namespace wb {

// The fade's three ramps, as 0x00BBGGRR integers the ticks add to. Nothing resets them: the
// cover page runs once per program run.
struct DeckblattState {
    int RotWert = 0; // first ramp: the red channel
    int GruenWert = 255; // second ramp: red 255 with a growing green channel
    int BlauWert = 65535; // third ramp: yellow with a growing blue channel
};

class TFormDeckblatt : public TForm {
public:
    TFormDeckblatt();

    TImage ImageZeit { this, QStringLiteral("ImageZeit") };
    TPanel PanelText { this, QStringLiteral("PanelText") };
    TLabel LabelText1 { this, QStringLiteral("LabelText1"), &PanelText };
    TLabel LabelText2 { this, QStringLiteral("LabelText2"), &PanelText };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    // Enabled in the form's description: the fade starts as soon as the message loop runs.
    TTimer TimerStart { this, QStringLiteral("TimerStart"), &TFormDeckblatt::TimerStartTimer, 50, true };

private:
    void FormPaint() override;
    void FormClose() override;
    void TimerStartTimer();

    DeckblattState m_state;
};

extern TFormDeckblatt* FormDeckblatt;

} // namespace wb
