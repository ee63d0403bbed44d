// Microstructure series: micrographs of ferrite and of steels with 0.1 % to 0.8 % carbon.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"

#include <QPoint>

namespace wb {

namespace ekdbilder {

// The micrographs in the order of the cascade: 0 ferrite, 1 … 8 the steels with 0.1 … 0.8 % C.
inline constexpr int kBilder = 9;
inline constexpr int kKeinBild = -1;

// The micrograph a press at (x, y) on the diagram opens, or kKeinBild: the ferrite label's frame
// and the eight squares, each with its border excluded.
int bildAn(int x, int y);
// Whether the pointer shows a hand at (x, y). The row of squares is one area for the hand, so
// it shows over the borders between them too, where a press opens nothing.
bool handAn(int x, int y);
// Where the cascade puts micrograph i: 40 pixels right and 20 down per step from 360 left and
// 240 above the screen centre.
QPoint kaskade(QPoint bildschirmMitte, int i);

// The eight squares along the carbon axis, greyer with more carbon (more pearlite).
void paintQuadrate(TCanvas& c);

} // namespace ekdbilder

class TFormEKDBilder : public TLessonForm {
public:
    TFormEKDBilder();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormEKDBilder::PaintBoxHauptPaint };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem GefgereiheKohlenstoff0108undFerrit1 { MainMenu1, QStringLiteral("GefgereiheKohlenstoff0108undFerrit1"),
        QStringLiteral("&Gefügereihe Kohlenstoff 0.1 % -0,8 % und Ferrit"),
        &TFormEKDBilder::GefgereiheKohlenstoff0108undFerrit1Click };
    TMenuItem Bildershlieen1 { MainMenu1, QStringLiteral("Bildershlieen1"), QStringLiteral("&Bilder schließen"),
        &TFormEKDBilder::Bildershlieen1Click };

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxHauptMouseDown(int x, int y);
    void PaintBoxHauptMouseMove(int x, int y);
    void GefgereiheKohlenstoff0108undFerrit1Click();
    void Bildershlieen1Click();

    // The screen centre at start-up, where the cascade starts from.
    QPoint m_bildschirmMitte;
};

extern TFormEKDBilder* FormEKDBilder;

} // namespace wb
