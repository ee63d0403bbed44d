// Isothermal ZTA diagram of an unalloyed steel with 0.45 % C: austenitising while holding at 800, 850 and 900 °C.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"
#include "framework/ImageList.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "timetemp/ZtaDiagram.h"

#include <span>

namespace wb {

// The lesson's picture and runs as data, so that they can be checked without a form.
namespace ztaiso045 {

enum class Temperature { T800, T850, T900 };

const zta::Isotherm& isotherm(Temperature t);
// The micrographs along the 800 °C isotherm.
std::span<const zta::Micrograph> micrographs();
// The boundary lines of the static picture: A(c1b), A(c1e), A(c3) and the homogeneity line.
std::span<const zta::StaticLine> boundaryLines();
const ztaztu::LayoutRule& layoutRule();
const ztaztu::OverlayRule& overlayRule();

} // namespace ztaiso045

class TFormZTAiso045 : public TLessonForm {
public:
    TFormZTAiso045();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZTAiso045::PaintBoxHauptPaint };
    // The overlay of the ZTA panel the isotherms are drawn on; it paints nothing itself.
    TPaintBox PaintBoxLog { this, QStringLiteral("PaintBoxLog"), &TFormZTAiso045::PaintBoxLogPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TImageList ImageListGef { this, QStringLiteral("ImageListGef"), 100, 100 };
    TTimer Timer800 { this, QStringLiteral("Timer800"), &TFormZTAiso045::Timer800Timer, 50 };
    TTimer Timer850 { this, QStringLiteral("Timer850"), &TFormZTAiso045::Timer850Timer, 50 };
    TTimer Timer900 { this, QStringLiteral("Timer900"), &TFormZTAiso045::Timer900Timer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Text { MainMenu1, QStringLiteral("Text"), QStringLiteral("&Text ja/nein"), &TFormZTAiso045::TextClick,
        VK_F1 };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Aufheizungskurven { MainMenu1, QStringLiteral("Aufheizungskurven"), QStringLiteral("&Start Isotherme"),
        &TFormZTAiso045::AufheizungskurvenClick };
    TMenuItem NEU { MainMenu1, QStringLiteral("NEU"), QStringLiteral("&Löschen / Neu"), &TFormZTAiso045::NEUClick };

    // The module state: the pen of the isotherm on PaintBoxLog, the next micrograph and the layout
    // values the last paint computed. The defaults are the values at program start; every
    // isotherm starts from the overlay's bottom-left corner.
    struct ModuleState {
        int KurveX = 0;
        float KurveY = 0;
        int BildNr = 0;
        ztaztu::DiagramLayout Layout;
    };
    const ModuleState& moduleState() const { return m_state; }

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();
    void AufheizungskurvenClick();
    void Timer800Timer();
    void Timer850Timer();
    void Timer900Timer();
    void NEUClick();
    void TextClick();

    // One tick of an isotherm; its last tick starts the next one, the last one's frees "Löschen / Neu".
    void isothermStep(ztaiso045::Temperature t, TTimer& timer, TTimer* next);
    void penToStart();

    ModuleState m_state;
};

extern TFormZTAiso045* FormZTAiso045;

} // namespace wb
