// The cooling lessons of the iron–carbon chapter: an alloy cools down its vertical through the
// diagram, with a speed bar between "max" and "min", an explanation shown with F1 and two picture
// series. The lessons at 0.6 %, 1.2 % and 3.0 % C are this one form with their own data; each
// declares its own menu and picture lists.
#pragma once

#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Timers.h"
#include "ironcarbon/CoolingRun.h"

#include <span>

namespace wb {

namespace ekd::cooling {

// What differs between the cooling lessons besides their run.
struct Lektion {
    const char* caption;
    const char* panelMaxName; // the "max" panel's component name
    std::span<const char* const> memo;
    int memoHoehe;
    // The cast-iron lesson's memo wraps its words, scrolls vertically and takes the focus by Tab.
    bool memoUmbruch;
    Lauf lauf;
};

} // namespace ekd::cooling

class TCoolingForm : public TLessonForm {
public:
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TCoolingForm::PaintBoxHauptPaint };
    // The overlay over the diagram's pixels that carries the moving tie line in NOT-XOR; it paints
    // nothing itself.
    TPaintBox PaintBoxUmwandlung { this, QStringLiteral("PaintBoxUmwandlung") };
    TPanel PanelMax;
    TScrollBar ScrollBarVAb { this, QStringLiteral("ScrollBarVAb") };
    TPanel PanelMin { this, QStringLiteral("PanelMin") };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer TimerHaupt { this, QStringLiteral("TimerHaupt"), &TCoolingForm::TimerHauptTimer, 50 };

    // The module state: the marker's end and the next frame of each picture series. The
    // defaults are the values at program start and after a reset.
    using ModuleState = ekd::cooling::Zustand;
    const ModuleState& moduleState() const { return m_state; }

protected:
    // `name` is the form's instance name, `lektion` its data; `liste1` and `liste2` are the
    // form's two picture series, declared by the form itself.
    TCoolingForm(const QString& name, const ekd::cooling::Lektion& lektion);
    void setPictureLists(TImageList& liste1, TImageList& liste2);

    void StartClick();
    void NeuClick();
    void TextClick();

private:
    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerHauptTimer();
    void ScrollBarVAbScroll(int position);
    // Timer off, the run erased by a repaint, the marker and both series back at their start.
    void resetRun();

    const ekd::cooling::Lektion& m_lektion;
    TImageList* m_liste1 = nullptr;
    TImageList* m_liste2 = nullptr;
    ModuleState m_state;
};

} // namespace wb
