// Type 3 diagram (eutectic system with limited solid solubility): cooling of four alloys across the diagram.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "phase/TypeDiagram.h"

#include <span>

namespace wb {

// The diagram, the model's type 3 in the paint boxes' coordinates.
namespace zutyp3 {

// The phase boundaries of the static picture with the pen in force: the liquidus, solidus and
// solvus lines of both sides and the eutectic line from D to E.
void drawBoundaries(TCanvas& c);
// The labels of its fields and lines, drawn in the diagram's font, and those drawn in the
// "Symbol" face (a and b show as alpha and beta).
std::span<const TextAt> regionLabels();
std::span<const TextAt> symbolLabels();
// The dotted lines from the ends of the invariant line down to the bottom of the field.
std::span<const Segment> dottedLines();
// The lesson's tie lines, field by field.
std::vector<typediagram::KonodenTabelle> konodenTabellen();

} // namespace zutyp3

class TFormZuTyp3 : public TLessonForm {
public:
    TFormZuTyp3();

    // The tie-line layer lies under the main layer; both share one pixel area.
    TPaintBox PaintBoxUmwandlung { this, QStringLiteral("PaintBoxUmwandlung") };
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZuTyp3::PaintBoxHauptPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerL1 { this, QStringLiteral("TimerL1"), &TFormZuTyp3::TimerL1Timer, 100 };
    TTimer TimerL2 { this, QStringLiteral("TimerL2"), &TFormZuTyp3::TimerL2Timer, 100 };
    TTimer TimerL3 { this, QStringLiteral("TimerL3"), &TFormZuTyp3::TimerL3Timer, 100 };
    TTimer TimerL4 { this, QStringLiteral("TimerL4"), &TFormZuTyp3::TimerL4Timer, 100 };
    TImageList ImageListL1 { this, QStringLiteral("ImageListL1"), 80, 80 };
    TImageList ImageListL2 { this, QStringLiteral("ImageListL2"), 80, 80 };
    TImageList ImageListL3 { this, QStringLiteral("ImageListL3"), 80, 80 };
    TImageList ImageListL4 { this, QStringLiteral("ImageListL4"), 80, 80 };

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), &TFormZuTyp3::EndeClick };
    TMenuItem StartL1 { MainMenuLeiste, QStringLiteral("StartL1"), QStringLiteral("Start /Stop L&1"),
        &TFormZuTyp3::StartL1Click };
    TMenuItem StartL2 { MainMenuLeiste, QStringLiteral("StartL2"), QStringLiteral("Start /Stop L&2"),
        &TFormZuTyp3::StartL2Click };
    TMenuItem StartL3 { MainMenuLeiste, QStringLiteral("StartL3"), QStringLiteral("Start/Stop L&3"),
        &TFormZuTyp3::StartL3Click };
    TMenuItem StartL4 { MainMenuLeiste, QStringLiteral("StartL4"), QStringLiteral("Start/Stop L&4"),
        &TFormZuTyp3::StartL4Click };
    TMenuItem Neu { MainMenuLeiste, QStringLiteral("Neu"), QStringLiteral("&Löschen/Neu"), &TFormZuTyp3::NeuClick };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), &TFormZuTyp3::ESCAPEClick,
        VK_ESCAPE, false };

    // The four runs' state. The default values are those at program start and after a reset.
    struct ModuleState {
        // Each alloy's mark, the run's clock; 19 also means "not run yet".
        int MarkeL1 = 19;
        int MarkeL2 = 19;
        int MarkeL3 = 19;
        int MarkeL4 = 19;
        // The next frame of each alloy's picture series.
        int BildNrL1 = 0;
        int BildNrL2 = 0;
        int BildNrL3 = 0;
        int BildNrL4 = 0;
        // The tie line on the XOR layer now (one alloy runs at a time).
        typediagram::XorTrace Konoden;

        // "Löschen/Neu", "Ende" and Esc: every run back to its start.
        void restartRuns() { *this = ModuleState(); }
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void PaintBoxHauptPaint();
    void TimerL1Timer();
    void TimerL2Timer();
    void TimerL3Timer();
    void TimerL4Timer();
    void StartL1Click();
    void StartL2Click();
    void StartL3Click();
    void StartL4Click();
    void NeuClick();
    void EndeClick();
    void ESCAPEClick();

    // One tick of alloy i's run: the alloy's colour and headings, then its keyframes.
    void tick(int i);
    void resetRuns();

    ModuleState m_state;
    typediagram::Laeufe m_laeufe;
};

extern TFormZuTyp3* FormZuTyp3;

} // namespace wb
