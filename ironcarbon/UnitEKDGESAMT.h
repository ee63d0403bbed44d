// The complete iron-carbon diagram in its metastable and its stable form.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

namespace ekdgesamt {

// The text box on the two systems (520 × 200): pink with a black outline, nine lines in the
// canvas's font on the pink brush.
void paintTextBox(TCanvas& c);

} // namespace ekdgesamt

class TFORMEKDGESAMT : public TLessonForm {
public:
    TFORMEKDGESAMT();

    // The diagram; drawn by the form's paint handler and by the view commands, it has no paint
    // handler of its own.
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt") };
    TPaintBox PaintBoxText { this, QStringLiteral("PaintBoxText"), &TFORMEKDGESAMT::PaintBoxTextPaint };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Gesamt { MainMenu1, QStringLiteral("Gesamt"), QStringLiteral("metastabiler (stabiler) &Zustand"),
        &TFORMEKDGESAMT::GesamtClick };
    TMenuItem Metastabil { MainMenu1, QStringLiteral("Metastabil"), QStringLiteral("&metastabiles EKD"),
        &TFORMEKDGESAMT::MetastabilClick };
    TMenuItem Stabil { MainMenu1, QStringLiteral("Stabil"), QStringLiteral("&stabiles EKD"),
        &TFORMEKDGESAMT::StabilClick };
    TMenuItem Text { MainMenu1, QStringLiteral("Text"), QStringLiteral("&Text (ja/nein)"), &TFORMEKDGESAMT::TextClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormPaint() override;
    void FormClose() override;
    void PaintBoxTextPaint();
    void GesamtClick();
    void MetastabilClick();
    void StabilClick();
    void TextClick();

    void Layout();
};

extern TFORMEKDGESAMT* FORMEKDGESAMT;

} // namespace wb
