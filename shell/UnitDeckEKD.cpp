// Cover page: a colour field fades from black through red and yellow to white under the title,
// then hands over to the main menu.
#include "shell/UnitDeckEKD.h"

#include "framework/Application.h"
#include "framework/Texts.h"
#include "shell/UnitMenue.h"

namespace wb {

TFormDeckblatt* FormDeckblatt = nullptr;

TFormDeckblatt::TFormDeckblatt()
    : TForm(QStringLiteral("FormDeckblatt"))
{
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetColor(clBlack);
    Font.SetName(QStringLiteral("MS Sans Serif"));
    Font.SetHeight(-11);
    SetMaximized(true);
    PanelText.SetColor(clYellow);
    PanelText.SetSingleBorder(true);
    PanelText.SetBorderWidth(11);
    PanelText.Font.SetName(QStringLiteral("MS Sans Serif"));
    PanelText.Font.SetHeight(-32);
    for (TLabel* label : { &LabelText1, &LabelText2 }) {
        label->SetColor(clYellow);
        label->Font.Assign(PanelText.Font);
    }
    LabelText1.SetCaption(QStringLiteral(WB_TR("FormDeckblatt", "Grundlagen")));
    LabelText2.SetCaption(QStringLiteral(WB_TR("FormDeckblatt", "binärer Zustandsschaubilder")));
}

void TFormDeckblatt::FormPaint()
{
    // The whole screen, in one step.
    SetBounds(0, 0, Screen.Width(), Screen.Height());
    const int cw = ClientWidth(), ch = ClientHeight();
    // The fade surface lies 4 pixels right and 10 pixels up, so thin strips of the black form
    // show at its left and bottom edges.
    ImageZeit.SetWidth(cw);
    ImageZeit.SetHeight(ch);
    ImageZeit.SetLeft((cw - ImageZeit.Width() + 8) / 2);
    ImageZeit.SetTop((ch - ImageZeit.Height() - 20) / 2);
    PanelText.SetWidth(cw - 30);
    PanelText.SetHeight(ch - 300);
    PanelText.SetLeft((cw - PanelText.Width() + 8) / 2);
    PanelText.SetTop((ch - PanelText.Height() + 20) / 2);
    LabelText1.SetLeft((PanelText.Width() - 500) / 2);
    LabelText1.SetTop((PanelText.Height() - 140) / 2);
    LabelText2.SetLeft((PanelText.Width() - 500) / 2);
    LabelText2.SetTop(PanelText.Height() / 2);
}

void TFormDeckblatt::TimerStartTimer()
{
    // Each tick shows the colour the previous one chose (the brush starts white), framed by the
    // canvas's default black pen.
    TCanvas& canvas = ImageZeit.Canvas();
    canvas.Rectangle(0, 0, ImageZeit.Width(), ImageZeit.Height());
    DeckblattState& s = m_state;
    if (s.RotWert < 256) {
        // Red 8, 16, ..., 248; the last step gives 256, which is green 1.
        s.RotWert += 8;
        canvas.Brush.SetColor(s.RotWert);
    }
    if (s.RotWert == 256) {
        s.GruenWert += 2048; // green + 8 on full red
        canvas.Brush.SetColor(s.GruenWert);
    }
    if (s.GruenWert > 65536) {
        // After 32 green steps: the first two ramps stop for good, the third one runs, and the
        // title changes. The later ticks assign the same title again.
        s.RotWert = 100000000;
        s.GruenWert = 65537;
        s.BlauWert += 262144; // blue + 4 on yellow
        canvas.Brush.SetColor(s.BlauWert);
        PanelText.SetColor(clRed);
        LabelText1.SetColor(clRed);
        LabelText2.SetColor(clRed);
        LabelText1.SetLeft((PanelText.Width() - 680) / 2);
        LabelText2.SetLeft((PanelText.Width() - 680) / 2);
        LabelText1.SetCaption(QStringLiteral(WB_TR("FormDeckblatt", "Das System-Eisen-Kohlenstoff")));
        LabelText2.SetCaption(QStringLiteral(WB_TR("FormDeckblatt", "Grundlagen der Wärmebehandlung")));
    }
    // 65535 + 64 * 262144: the 64th blue step closes the page; its colour is never drawn.
    if (s.BlauWert == 16842751)
        Close();
}

void TFormDeckblatt::FormClose()
{
    Hide();
    TimerStart.SetEnabled(false);
    // Runs until the main menu closes; then this close completes and, this being the main form,
    // the program ends.
    FormMenue->ShowModal();
}

} // namespace wb
