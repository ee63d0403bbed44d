// The continuous ZTU lessons: the EKD corner beside a continuous-cooling diagram on which the
// student cools at one of five rates, or very slowly, and reads the structures off a table. The
// forms at 0.45 % and 0.70 % C each declare their own components and menu (the one at 0.45 % C
// has two micrographs and other rates) and run on this base with their steel's data.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "model/LessonSteels.h"

#include <QRect>
#include <array>
#include <span>

namespace wb {

namespace ztucon {

// The numeric rates of the menu bar, slowest first, as the steel's coolings.
constexpr int kRates = 5;

// The rows of 68 pixels per 200 °C the runs are drawn on: the curve factor of a rate is the
// pixels its straight cooling line has fallen at 1 s.
constexpr double kRunRowPixels = 68;
double curveFactor(double celsiusPerSecond);

// A lesson's tables leave the runs' curve factors to the steel: these give each run the factor of
// the steel's drawn rate, the numeric rates slowest first.
constexpr double kFromSteel = 0;
std::array<ztaztu::CoolingRun, kRates> withFactors(
    std::span<const ztaztu::CoolingRun> runs, const model::LessonSteel& steel);
ztaztu::EquilibriumRun withFactor(ztaztu::EquilibriumRun run, const model::LessonSteel& steel);

// What one continuous ZTU lesson gives the base.
struct Lesson {
    const model::LessonSteel* steel;
    const ztaztu::LayoutRule* layout;
    void (*drawPicture)(TCanvas& c, const ztaztu::DiagramLayout& l, int width, int height);
    std::span<const ztaztu::CoolingRun> runs; // slowest first
    const ztaztu::EquilibriumRun* equilibrium;
    QRect logBounds; // PaintBoxLog as the form description sets it, before its first paint
    QRect memoBounds; // MemoErlaeuterung and MemoT as FormCreate places them
    QRect tableBounds;
    bool memoTabStop;
    std::span<const char* const> memo;
    std::span<const char* const> table;
};

// The overlay starts two rows below the panel's top (about 806 °C) and reaches 20 pixels right of
// its frame.
const ztaztu::OverlayRule& overlayRule();

} // namespace ztucon

class TZtuConForm : public TLessonForm {
public:
    // The module state: the pen of the cooling curve on PaintBoxLog and the layout values the
    // last paint computed. The defaults are the values at program start; closing and "Löschen /
    // Neu" keep them, every run starts over.
    struct ModuleState {
        int KurveX = 0;
        float KurveY = 0;
        ztaztu::DiagramLayout Layout;

        // Every run starts at the overlay's top-left corner; the layout stays as painted.
        void restartRun()
        {
            const ModuleState start;
            KurveX = start.KurveX;
            KurveY = start.KurveY;
        }
    };
    const ModuleState& moduleState() const { return m_state; }

protected:
    // The components the form declares, in its own order. A rate whose run ends with a picture
    // has it in `pictures`.
    struct Parts {
        TPaintBox* PaintBoxHaupt;
        TPaintBox* PaintBoxLog;
        TMemo* MemoErlaeuterung;
        TMemo* MemoT;
        TTimer* TimerGleich;
        TMenuItem* VGleich;
        std::array<TTimer*, ztucon::kRates> timers;
        std::array<TMenuItem*, ztucon::kRates> items;
        std::array<TImage*, ztucon::kRates> pictures;
    };

    TZtuConForm(const QString& name, const QString& caption, const ztucon::Lesson& lesson);
    // The form's components, once they exist: the form calls it from its constructor's body, and
    // the description's settings follow.
    void setUp(const Parts& parts);

    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();
    void VGleichClick();
    void V004Click();
    void V60Click();
    void V600Click();
    void TimerGleichTimer();
    void Timer004Timer();
    void Timer60Timer();
    void Timer600Timer();
    void NEUClick();
    void TextClick();
    void TabelleClick();

    // A rate item's start: its timer on, the form locked, the item off, the table shown, and the
    // curve's pen back at the overlay's top-left corner. The rates count from 0, slowest first.
    void startRate(int rate);
    // One tick of a rate's run; at its end the picture (if any) is shown and the lock lifted.
    void rateStep(int rate);

private:
    void FormCreate() override;
    void FormClose() override;
    void startRun(TTimer& timer, TMenuItem& item, bool showTable);
    void enableRateItems();
    void hidePictures();

    const ztucon::Lesson& m_lesson;
    Parts m_parts {};
    ModuleState m_state;
};

} // namespace wb
