// Type 2 diagram (eutectic, no solid solubility): cooling of hypoeutectic, eutectic and hypereutectic alloys.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "phase/TypeDiagram.h"

#include <span>

namespace wb {

// The diagram, the model's type 2 in the coordinates of the stacked diagram boxes.
namespace zutyp2 {

// The phase boundaries of the static picture with the pen in force: the two liquidus branches
// meeting at the eutectic point and the eutectic line across the field.
void drawBoundaries(TCanvas& c);
// The labels of its fields and lines, drawn in the diagram's font, and those drawn in the
// "Symbol" face (a and b show as alpha and beta).
std::span<const TextAt> regionLabels();
std::span<const TextAt> symbolLabels();
// The lesson's tie lines, field by field.
std::vector<typediagram::KonodenTabelle> konodenTabellen();

} // namespace zutyp2

class TFormZuTyp2 : public TLessonForm {
public:
    TFormZuTyp2();

    // The three diagram layers share one pixel area; the lever strips and click areas are its
    // left and right halves.
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZuTyp2::PaintBoxHauptPaint };
    TPaintBox PaintBoxHilfslinien { this, QStringLiteral("PaintBoxHilfslinien") };
    TPaintBox PaintBoxUmwandlung { this, QStringLiteral("PaintBoxUmwandlung") };
    TPaintBox PaintBoxHebel1 { this, QStringLiteral("PaintBoxHebel1"), &TFormZuTyp2::PaintBoxHebel1Paint };
    TPaintBox PaintBoxHebel2 { this, QStringLiteral("PaintBoxHebel2"), &TFormZuTyp2::PaintBoxHebel2Paint };
    TPaintBox PaintBoxHand1 { this, QStringLiteral("PaintBoxHand1"), nullptr, &TFormZuTyp2::PaintBoxHand1Click };
    TPaintBox PaintBoxHand2 { this, QStringLiteral("PaintBoxHand2"), nullptr, &TFormZuTyp2::PaintBoxHand2Click };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TEdit EditA { this, QStringLiteral("EditA") };
    TEdit EditSch1 { this, QStringLiteral("EditSch1") };
    TEdit EditB { this, QStringLiteral("EditB") };
    TEdit EditSch2 { this, QStringLiteral("EditSch2") };
    TTimer TimerUnter { this, QStringLiteral("TimerUnter"), &TFormZuTyp2::TimerUnterTimer, 100 };
    TTimer TimerEutek { this, QStringLiteral("TimerEutek"), &TFormZuTyp2::TimerEutekTimer, 100 };
    TTimer TimerUeber { this, QStringLiteral("TimerUeber"), &TFormZuTyp2::TimerUeberTimer, 100 };
    TImageList ImageListUnter { this, QStringLiteral("ImageListUnter"), 80, 80 };
    TImageList ImageListEu { this, QStringLiteral("ImageListEu"), 80, 80 };
    TImageList ImageListUeber { this, QStringLiteral("ImageListUeber"), 80, 80 };

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), &TFormZuTyp2::EndeClick };
    TMenuItem Startunter { MainMenuLeiste, QStringLiteral("Startunter"), QStringLiteral("Start/Stop &untereutektisch"),
        &TFormZuTyp2::StartunterClick };
    TMenuItem Starteutektisch { MainMenuLeiste, QStringLiteral("Starteutektisch"),
        QStringLiteral("Start/Stop &eutektisch"), &TFormZuTyp2::StarteutektischClick };
    TMenuItem Startueber { MainMenuLeiste, QStringLiteral("Startueber"), QStringLiteral("Start/Stop &übereutektisch"),
        &TFormZuTyp2::StartueberClick };
    TMenuItem Neu { MainMenuLeiste, QStringLiteral("Neu"), QStringLiteral("&Löschen/Neu"), &TFormZuTyp2::NeuClick };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), &TFormZuTyp2::ESCAPEClick,
        VK_ESCAPE, false };

    // The three runs' state. The default values are those at program start and after a reset.
    struct ModuleState {
        // Lower end of each alloy's cooling line, the run's clock; 22 also means "not run yet".
        int MarkeUnter = 22;
        int MarkeEu = 22;
        int MarkeUeber = 22;
        // The next frame of each alloy's picture series.
        int BildNrUnter = 0;
        int BildNrEu = 0;
        int BildNrUeber = 0;
        // The tie line and auxiliary line on the XOR layers now (one alloy runs at a time).
        typediagram::XorTrace Konoden;

        // "Löschen/Neu", "Ende" and Esc: every run back to its start.
        void restartRuns() { *this = ModuleState(); }
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void PaintBoxHauptPaint();
    void PaintBoxHebel1Paint();
    void PaintBoxHebel2Paint();
    void PaintBoxHand1Click();
    void PaintBoxHand2Click();
    void TimerUnterTimer();
    void TimerEutekTimer();
    void TimerUeberTimer();
    void StartunterClick();
    void StarteutektischClick();
    void StartueberClick();
    void NeuClick();
    void EndeClick();
    void ESCAPEClick();

    // One tick of alloy i's run: the alloy's colour and headings, then its keyframes.
    void tick(int i);

    ModuleState m_state;
    typediagram::Laeufe m_laeufe;
};

extern TFormZuTyp2* FormZuTyp2;

} // namespace wb
