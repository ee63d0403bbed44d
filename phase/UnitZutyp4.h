// Type 4 diagram (peritectic system): cooling of three alloys and the alpha-to-beta reaction in pictures.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "phase/TypeDiagram.h"

#include <span>

namespace wb {

// The diagram, the model's type 4 in the paint boxes' coordinates.
namespace zutyp4 {

// The phase boundaries of the static picture with the pen in force: the liquidus, solidus and
// solvus lines and the peritectic line, drawn from the melt's end to alpha's.
void drawBoundaries(TCanvas& c);
// The labels of its fields and lines, drawn in the diagram's font, and those drawn in the
// "Symbol" face (a and b show as alpha and beta).
std::span<const TextAt> regionLabels();
std::span<const TextAt> symbolLabels();
// The dotted lines from the ends of the invariant line down to the bottom of the field.
std::span<const Segment> dottedLines();
// The lesson's tie lines, field by field.
std::vector<typediagram::KonodenTabelle> konodenTabellen();

} // namespace zutyp4

class TFormZuTyp4 : public TLessonForm {
public:
    TFormZuTyp4();

    // The tie-line layer lies under the main layer; both share one pixel area.
    TPaintBox PaintBoxUmwandlung { this, QStringLiteral("PaintBoxUmwandlung") };
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZuTyp4::PaintBoxHauptPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerL1 { this, QStringLiteral("TimerL1"), &TFormZuTyp4::TimerL1Timer, 100 };
    TTimer TimerL2 { this, QStringLiteral("TimerL2"), &TFormZuTyp4::TimerL2Timer, 100 };
    TTimer TimerL3 { this, QStringLiteral("TimerL3"), &TFormZuTyp4::TimerL3Timer, 100 };
    TTimer TimerAinB { this, QStringLiteral("TimerAinB"), &TFormZuTyp4::TimerAinBTimer, 100 };
    TImageList ImageListL1 { this, QStringLiteral("ImageListL1"), 80, 80 };
    TImageList ImageListL2 { this, QStringLiteral("ImageListL2"), 80, 80 };
    TImageList ImageListL3 { this, QStringLiteral("ImageListL3"), 80, 80 };
    TImageList ImageListAinB { this, QStringLiteral("ImageListAinB"), 80, 80 };

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), &TFormZuTyp4::EndeClick };
    TMenuItem StartL1 { MainMenuLeiste, QStringLiteral("StartL1"), QStringLiteral("Start/Stop L&1"),
        &TFormZuTyp4::StartL1Click };
    TMenuItem StartL2 { MainMenuLeiste, QStringLiteral("StartL2"), QStringLiteral("Start/Stop L&2"),
        &TFormZuTyp4::StartL2Click };
    TMenuItem StartL3 { MainMenuLeiste, QStringLiteral("StartL3"), QStringLiteral("Start/Stop L&3"),
        &TFormZuTyp4::StartL3Click };
    TMenuItem AinB { MainMenuLeiste, QStringLiteral("AinB"), QStringLiteral("&Start/Stop Alpha in Beta "),
        &TFormZuTyp4::AinBClick };
    TMenuItem Neu { MainMenuLeiste, QStringLiteral("Neu"), QStringLiteral("&Löschen/Neu"), &TFormZuTyp4::NeuClick };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), &TFormZuTyp4::ESCAPEClick,
        VK_ESCAPE, false };

    // The runs' state. The default values are those at program start and after a reset.
    struct ModuleState {
        // Each alloy's mark, the run's clock; 20 also means "not run yet".
        int MarkeL1 = 20;
        int MarkeL2 = 20;
        int MarkeL3 = 20;
        // The next frame of each picture series.
        int BildNrL1 = 0;
        int BildNrL2 = 0;
        int BildNrL3 = 0;
        int BildNrAinB = 0;
        // The tie line on the XOR layer now (one alloy runs at a time).
        typediagram::XorTrace Konoden;

        // "Löschen/Neu", "Ende" and Esc: every run back to its start.
        void restartRuns() { *this = ModuleState(); }
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void PaintBoxHauptPaint();
    void FormCreate() override;
    void TimerL1Timer();
    void TimerL2Timer();
    void TimerL3Timer();
    void TimerAinBTimer();
    void StartL1Click();
    void StartL2Click();
    void StartL3Click();
    void AinBClick();
    void NeuClick();
    void EndeClick();
    void ESCAPEClick();

    // One tick of alloy i's run: the alloy's colour and headings, then its keyframes.
    void tick(int i);

    ModuleState m_state;
    typediagram::Laeufe m_laeufe;
};

extern TFormZuTyp4* FormZuTyp4;

} // namespace wb
