// The metastable iron-carbon diagram: the fields of austenite, ferrite and pearlite.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

namespace ekdmestabil {

// The contents of the three information boxes (600 × 300), each with its schematic micrograph
// from `bilder` (frame 0 austenite, 1 ferrite, 2 pearlite).
void paintAustenit(TCanvas& c, TImageList& bilder);
void paintFerrit(TCanvas& c, TImageList& bilder);
void paintPerlit(TCanvas& c, TImageList& bilder);

} // namespace ekdmestabil

class TFORMEKDMETASTABIL : public TLessonForm {
public:
    TFORMEKDMETASTABIL();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt") };
    // Click areas over the framed labels: transparent, with the hand cursor.
    TPaintBox PaintboxBereich1 { this, QStringLiteral("PaintboxBereich1"), nullptr,
        &TFORMEKDMETASTABIL::PaintboxBereich1Click };
    TPaintBox PaintBoxBereich2 { this, QStringLiteral("PaintBoxBereich2"), nullptr,
        &TFORMEKDMETASTABIL::PaintBoxBereich2Click };
    TPaintBox PaintBoxBereich3 { this, QStringLiteral("PaintBoxBereich3"), nullptr,
        &TFORMEKDMETASTABIL::PaintBoxBereich3Click };
    // The information boxes, one at a time, over the upper right of the diagram.
    TPaintBox PaintBoxAust { this, QStringLiteral("PaintBoxAust"), &TFORMEKDMETASTABIL::PaintBoxAustPaint };
    TPaintBox PaintBoxFerrit { this, QStringLiteral("PaintBoxFerrit"), &TFORMEKDMETASTABIL::PaintBoxFerritPaint };
    TPaintBox PaintBoxPerlit { this, QStringLiteral("PaintBoxPerlit"), &TFORMEKDMETASTABIL::PaintBoxPerlitPaint };
    TImageList ImageList1 { this, QStringLiteral("ImageList1"), 140, 140 };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Fensterclose { MainMenu1, QStringLiteral("Fensterclose"),
        QStringLiteral("&Aust,/Ferrit/Perlit schließen"), &TFORMEKDMETASTABIL::FenstercloseClick };

private:
    void FormPaint() override;
    void FormClose() override;
    void PaintboxBereich1Click();
    void PaintBoxBereich2Click();
    void PaintBoxBereich3Click();
    void FenstercloseClick();
    void PaintBoxAustPaint();
    void PaintBoxFerritPaint();
    void PaintBoxPerlitPaint();

    void Layout();
    // Shows `box` (or none) and hides the others; the form repaints.
    void ZeigeBox(TPaintBox* box);
};

extern TFORMEKDMETASTABIL* FORMEKDMETASTABIL;

} // namespace wb
