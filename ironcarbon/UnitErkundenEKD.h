// Exploring the iron–carbon diagram: any steel or cast iron at any temperature, its phases and
// constituents with their shares by the lever rule, the micrograph at those shares, the shares over
// the whole carbon range, and any alloy cooled from the melt with its cooling curve.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "ironcarbon/ExplorerDiagram.h"
#include "micrograph/Synthesis.h"
#include "model/IronCarbon.h"

#include <optional>

namespace wb {

class TFormErkundenEKD : public TLessonForm {
public:
    TFormErkundenEKD();

    TPaintBox PaintBoxDiagramm { this, QStringLiteral("PaintBoxDiagramm"), &TFormErkundenEKD::PaintBoxDiagrammPaint };
    TPaintBox PaintBoxAnteile { this, QStringLiteral("PaintBoxAnteile"), &TFormErkundenEKD::PaintBoxAnteilePaint };
    TPaintBox PaintBoxGefuege { this, QStringLiteral("PaintBoxGefuege"), &TFormErkundenEKD::PaintBoxGefuegePaint };
    TPaintBox PaintBoxAbkuehlkurve { this, QStringLiteral("PaintBoxAbkuehlkurve"),
        &TFormErkundenEKD::PaintBoxAbkuehlkurvePaint };
    TLabel LabelKohlenstoff { this, QStringLiteral("LabelKohlenstoff") };
    TEdit EditKohlenstoff { this, QStringLiteral("EditKohlenstoff") };
    TLabel LabelTemperatur { this, QStringLiteral("LabelTemperatur") };
    TEdit EditTemperatur { this, QStringLiteral("EditTemperatur") };
    TLabel LabelLegierung { this, QStringLiteral("LabelLegierung") };
    TLabel LabelSystem { this, QStringLiteral("LabelSystem") };
    TMemo MemoPhasen { this, QStringLiteral("MemoPhasen") };
    TMemo MemoGefuege { this, QStringLiteral("MemoGefuege") };
    TTimer TimerAbkuehlen { this, QStringLiteral("TimerAbkuehlen"), &TFormErkundenEKD::TimerAbkuehlenTimer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Abkuehlen { MainMenu1, QStringLiteral("Abkuehlen"), QStringLiteral("&Abkühlen"),
        &TFormErkundenEKD::AbkuehlenClick };
    TMenuItem Neu { MainMenu1, QStringLiteral("Neu"), QStringLiteral("Löschen/&Neu"), &TFormErkundenEKD::NeuClick };
    TMenuItem Legierung { MainMenu1, QStringLiteral("Legierung"), QStringLiteral("&Legierung") };
    TMenuItem Legierung06 { Legierung, QStringLiteral("Legierung06"), QStringLiteral("Stahl mit 0,6 % C"),
        &TFormErkundenEKD::Legierung06Click };
    TMenuItem Legierung12 { Legierung, QStringLiteral("Legierung12"), QStringLiteral("Stahl mit 1,2 % C"),
        &TFormErkundenEKD::Legierung12Click };
    TMenuItem Legierung30 { Legierung, QStringLiteral("Legierung30"), QStringLiteral("Gusseisen mit 3,0 % C"),
        &TFormErkundenEKD::Legierung30Click };
    TMenuItem System { MainMenu1, QStringLiteral("System"), QStringLiteral("&System") };
    TMenuItem Metastabil { System, QStringLiteral("Metastabil"), QStringLiteral("&metastabil (Eisen-Zementit)"),
        &TFormErkundenEKD::MetastabilClick };
    TMenuItem Stabil { System, QStringLiteral("Stabil"), QStringLiteral("&stabil (Eisen-Graphit)"),
        &TFormErkundenEKD::StabilClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

    // The module state. The point shown (on an arrest of a run, how far its reaction has run), the
    // alloy a run cools, the system, and the run: its time and whether it holds the point (running
    // or paused). The defaults are the values at program start; the point and alloy stay from one
    // opening to the next, a run does not.
    struct ModuleState {
        double Kohlenstoff = 0.45;
        double Temperatur = model::ekd::kRaumtemperatur;
        double Reaktion = 1;
        double Legierung = 0.45;
        model::ekd::System System = model::ekd::System::Metastable;
        double Laufzeit = 0;
        bool Laeuft = false;
    };
    const ModuleState& moduleState() const { return m_state; }
    // The cooling curve of the alloy in the system.
    const model::ekd::CoolingCurve& curve();
    // The micrograph last drawn, with the constituent of each of its pixels.
    const micrograph::Micrograph& micrograph() const { return m_bild; }
    // One seed per alloy: the picture's layout stays while the point moves and changes with the
    // alloy chosen.
    std::uint64_t seed() const;

private:
    void FormCreate() override;
    void FormClose() override;
    void FormKeyDown(int& key, TShiftState shift) override;
    void PaintBoxDiagrammPaint();
    void PaintBoxAnteilePaint();
    void PaintBoxGefuegePaint();
    void PaintBoxAbkuehlkurvePaint();
    void TimerAbkuehlenTimer();
    void AbkuehlenClick();
    void NeuClick();
    void Legierung06Click();
    void Legierung12Click();
    void Legierung30Click();
    void MetastabilClick();
    void StabilClick();

    model::ekd::CoolingMoment moment() const { return { m_state.Temperatur, m_state.Reaktion }; }
    // The point moves: marks, shares, micrograph, read-out and entries follow.
    void showPoint();
    // A new point from the pointer or the keys (ignored while a run holds the point).
    void movePoint(double carbon, double celsius);
    // A chosen alloy: the point there, the run given up, everything drawn afresh.
    void chooseAlloy(double carbon, double celsius);
    void chooseSystem(model::ekd::System s);
    // Enter: the typed carbon content and temperature, or a message naming the range.
    void takeEntries();
    void stopRun();
    void drawMicrograph();
    void showTexts();

    ModuleState m_state;
    std::optional<model::ekd::CoolingCurve> m_curve;
    micrograph::Synthesis m_synthesis;
    micrograph::Micrograph m_bild;
    bool m_warm = false; // the micrograph's layouts and textures made since the window opened
    // What the boxes show of the point now, so that it can be taken off again.
    std::optional<ekderkunden::Marks> m_marks;
    std::optional<double> m_anteileBei; // the temperature the shares were drawn for
    std::optional<double> m_anteileMarke; // the carbon content marked on them
    std::optional<double> m_kurvenMarke; // the temperature marked on the cooling curve
};

extern TFormErkundenEKD* FormErkundenEKD;

} // namespace wb
