// Light micrographs of the steel C 45 after normalising, hardening and quenching and tempering.
#pragma once

#include "framework/Controls.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TFormLMC45 : public TLessonForm {
public:
    TFormLMC45();

    // The main menu opens the form on the normalised micrograph, whatever showed when it closed.
    void showNormalised();

    TImage ImageNormal { this, QStringLiteral("ImageNormal") };
    TImage ImageHart { this, QStringLiteral("ImageHart") };
    TImage ImageVerg { this, QStringLiteral("ImageVerg") };
    // The caption strip under the picture: what it shows and a scale bar, on the form colour.
    TPaintBox PaintBox1000 { this, QStringLiteral("PaintBox1000"), &TFormLMC45::PaintBox1000Paint };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Normalglhen1 { MainMenu1, QStringLiteral("Normalglhen1"), QStringLiteral("&Normalglühen"),
        &TFormLMC45::Normalglhen1Click };
    TMenuItem Hrten1 { MainMenu1, QStringLiteral("Hrten1"), QStringLiteral("&Härten"), &TFormLMC45::Hrten1Click };
    TMenuItem Vergten1 { MainMenu1, QStringLiteral("Vergten1"), QStringLiteral("&Vergüten"),
        &TFormLMC45::Vergten1Click };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

private:
    void FormCreate() override;
    void PaintBox1000Paint();
    void Normalglhen1Click();
    void Hrten1Click();
    void Vergten1Click();

    // The caption of the picture now shown, written over the one before.
    void writeCaption();
};

extern TFormLMC45* FormLMC45;

} // namespace wb
