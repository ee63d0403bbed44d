// Type 1 diagram (complete solubility, liquid and solid): cooling of an alloy with tie lines and the lever rule.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "phase/TypeDiagram.h"

#include <span>

namespace wb {

// The diagram's geometry as pure functions, so that it can be checked without a form. All
// coordinates are those of the four stacked diagram paint boxes.
namespace zutyp1 {

// y of the solidus and of the liquidus at column x: the model's type 1 curves in the field.
int solidusY(int x);
int liquidusY(int x);
// The phase boundaries of the static picture with the pen in force: solidus and liquidus across
// the field, each from the point (20, 48) where the lesson lets them begin.
void drawBoundaries(TCanvas& c);
// The labels of its fields and lines, drawn in the diagram's font, and those drawn in the
// "Symbol" face (a and b show as alpha and beta).
std::span<const TextAt> regionLabels();
std::span<const TextAt> symbolLabels();
// The lesson's tie lines, field by field.
std::vector<typediagram::KonodenTabelle> konodenTabellen();
// The lever rule: the percentage of crystals for a tie line from `links` (crystal side) to
// `rechts` (melt side) through the alloy line at `legierungX`, by truncating integer division.
int anteilMK(int links, int rechts, int legierungX);

// One tie-line step through the two-phase field at MarkeY = T. xh is the x of the solid-side
// auxiliary vertical, xw where the auxiliary horizontal starts; in some rows they differ from
// KonodeLinks by a pixel, and the erasing step draws exactly what was drawn.
struct TieLineStep {
    int T;
    int KonodeLinks;
    int xh;
    int xw;
    int KonodeRechts;
};
// The lesson's 16 steps, in the order they are drawn.
std::span<const TieLineStep> tieLineSteps();

} // namespace zutyp1

class TFormZuTyp1 : public TLessonForm {
public:
    TFormZuTyp1();

    // The four diagram layers share one pixel area; only their canvas settings differ.
    TPaintBox PaintBoxHilfslinien { this, QStringLiteral("PaintBoxHilfslinien") };
    TPaintBox PaintBoxUmwandlung { this, QStringLiteral("PaintBoxUmwandlung") };
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZuTyp1::PaintBoxHauptPaint };
    TPaintBox PaintBoxHebel { this, QStringLiteral("PaintBoxHebel"), &TFormZuTyp1::PaintBoxHebelPaint };
    TPaintBox PaintBoxHand { this, QStringLiteral("PaintBoxHand"), nullptr, &TFormZuTyp1::PaintBoxHandClick };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TEdit EditMK { this, QStringLiteral("EditMK") };
    TEdit EditSch { this, QStringLiteral("EditSch") };
    TTimer TimerHaupt { this, QStringLiteral("TimerHaupt"), &TFormZuTyp1::TimerHauptTimer, 100 };
    TImageList ImageListMkBildung { this, QStringLiteral("ImageListMkBildung"), 100, 100 };

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), &TFormZuTyp1::EndeClick };
    TMenuItem StartStop { MainMenuLeiste, QStringLiteral("StartStop"), QStringLiteral("&Start/Stop"),
        &TFormZuTyp1::StartStopClick };
    TMenuItem NEu { MainMenuLeiste, QStringLiteral("NEu"), QStringLiteral("&Löschen/Neu"), &TFormZuTyp1::NEuClick };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), &TFormZuTyp1::ESCAPEClick,
        VK_ESCAPE, false };

    // The animation's state. The default values are those at program start.
    struct ModuleState {
        int MarkeY = 20; // lower end of the cooling line: the animation's clock
        int BildNr = 0; // next microstructure frame
        int LegierungX = 198; // the alloy line
        int BildX = 370; // top-left of the microstructure picture
        int BildY = 260;
        int KonodeLinks = 0; // solid-side end of the current tie line
        int KonodeRechts = 0; // liquid-side end
        float AnteilMK = 0; // percentage of crystals shown in EditMK
        typediagram::XorTrace Konoden; // the tie line and auxiliary lines on the XOR layers now

        // "Löschen/Neu", "Ende", Esc and a replay after the end: the cooling line and the
        // microstructure start again; everything else keeps its value.
        void restartRun()
        {
            const ModuleState start;
            MarkeY = start.MarkeY;
            BildNr = start.BildNr;
            // The reset repaints: the layers hold no line the next erase could take away.
            Konoden.forget();
        }
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void FormKeyDown(int& key, TShiftState shift) override;
    void PaintBoxHauptPaint();
    void PaintBoxHebelPaint();
    void PaintBoxHandClick();
    void TimerHauptTimer();
    void StartStopClick();
    void NEuClick();
    void EndeClick();
    void ESCAPEClick();

    ModuleState m_state;
    typediagram::Laeufe m_laeufe;
};

extern TFormZuTyp1* FormZuTyp1;

} // namespace wb
