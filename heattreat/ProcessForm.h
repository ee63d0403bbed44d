// The process lessons (hardening, normalising, quenching and tempering): a temperature–time
// process diagram run from room temperature through austenitising, a blue panel quoting the
// standard's definition and a memo. Each form declares its own components and menu, in its own
// order, and its own ticks; this base sets the components up and runs what the lessons share: the
// start of the process run, the pause on F2, "Löschen / Neu" and closing, and for the two
// lessons with a ZTU diagram beside the process diagram its paint and its cooling run's start
// and end.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "heattreat/ProcessDiagram.h"

#include <QRect>
#include <span>

namespace wb {

namespace processform {

// What a process lesson gives the base.
struct Lesson {
    QRect defBounds; // PaintBoxDef, MemoErlaeuterung as FormCreate places them
    QRect memoBounds;
    bool memoScrolls; // the memo has both scroll bars
    std::span<const char* const> memo;
    int definitionX; // the definition panel's lines
    std::span<const processdiagram::PanelLine> definition;
    TPoint start; // where the process run starts on PaintBoxHaupt
};

} // namespace processform

// `Geometry` is what every paint of PaintBoxHaupt computes: both diagrams side by side, or the
// one wide process diagram.
template <class Geometry> class TProcessForm : public TLessonForm {
public:
    // The state of the runs. All zero at program start; each run sets ProzessX and ProzessY when
    // it starts, the picture events set BildNr.
    struct ModuleState {
        int ProzessX = 0; // x of the current curve point, used by every run of the form
        float ProzessY = 0; // y of the current curve point
        int BildNr = 0; // next frame of ImageListGef
        bool ProzessLaeuft = false; // process run started and neither finished, cleared nor closed: F2 pauses it
        Geometry geometry; // recomputed at every paint of PaintBoxHaupt
    };
    const ModuleState& moduleState() const { return m_state; }

protected:
    // The form's components, once they exist. A lesson without a ZTU diagram has no curve
    // surface, ZTU timer or item; one without a pause has no Prozessanhalten.
    struct Parts {
        TPaintBox* PaintBoxHaupt;
        TPaintBox* PaintBoxDef;
        TPaintBox* PaintBoxLog;
        TMemo* MemoErlaeuterung;
        TImageList* ImageListGef;
        TTimer* processTimer;
        TTimer* ztuTimer;
        TMenuItem* Austenitisierung;
        TMenuItem* ztuItem;
        TMenuItem* Prozessanhalten;
    };

    TProcessForm(const QString& name, const LessonLook& look, const processform::Lesson& lesson);
    // Called from the form's constructor's body; the description's settings follow.
    void setUp(const Parts& parts);

    void PaintBoxDefPaint();
    // The process run's start: its timer on, the form locked, the item off, the curve at its start.
    void AustenitisierungClick();
    void ProzessanhaltenClick();
    void NEUClick();

    // The canvas of PaintBoxHaupt with the red pen of width 3 and the white font every tick of a
    // process run draws with.
    TCanvas& processCanvas();
    // The process run's end: the form unlocked and its timer stopped; the start item stays
    // disabled until "Löschen / Neu" or closing.
    void endProcessRun();

    const Parts& parts() const { return m_parts; }
    ModuleState m_state;

private:
    void FormCreate() override;
    void FormClose() override;
    void enableItems();

    const processform::Lesson& m_lesson;
    Parts m_parts {};
};

// The hardening and normalising lessons: the process diagram beside the steel's ZTU diagram, on
// which a second command draws the lesson's cooling.
class TSideBySideForm : public TProcessForm<processdiagram::Layout> {
protected:
    TSideBySideForm(const QString& name, const LessonLook& look, const processform::Lesson& lesson,
        const processdiagram::ZtuLook& ztuLook);

    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();

    // The ZTU cooling run's start: the form locked (the item itself is disabled only when the run
    // ends; until then the lock keeps the mouse from the menu), its timer on, the curve at the
    // surface's top-left corner.
    void startZtuRun();
    // The canvas of PaintBoxLog with the red pen of width 3, the white font and the purple brush
    // every tick of the ZTU run draws with.
    TCanvas& ztuCanvas();
    // The ZTU run's end: the form unlocked, the item disabled until "Löschen / Neu", the timer off.
    void endZtuRun();

private:
    const processdiagram::ZtuLook& m_ztuLook;
};

} // namespace wb
