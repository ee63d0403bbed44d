// Exploring the binary phase diagrams: any alloy at any temperature, its phases by the lever rule,
// its constituents and micrograph, and its own cooling curve.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "micrograph/Synthesis.h"
#include "model/PhaseCooling.h"
#include "phase/ErkundenZuDiagramm.h"

#include <optional>

namespace wb {

class TFormErkundenZu : public TLessonForm {
public:
    TFormErkundenZu();

    TPaintBox PaintBoxAbkuehlkurve { this, QStringLiteral("PaintBoxAbkuehlkurve"),
        &TFormErkundenZu::PaintBoxAbkuehlkurvePaint };
    TPaintBox PaintBoxDiagramm { this, QStringLiteral("PaintBoxDiagramm"), &TFormErkundenZu::PaintBoxDiagrammPaint };
    TPaintBox PaintBoxGefuege { this, QStringLiteral("PaintBoxGefuege"), &TFormErkundenZu::PaintBoxGefuegePaint };
    TLabel LabelKonzentration { this, QStringLiteral("LabelKonzentration") };
    TLabel LabelTemperatur { this, QStringLiteral("LabelTemperatur") };
    TLabel LabelPhasen { this, QStringLiteral("LabelPhasen") };
    TLabel LabelGefuege { this, QStringLiteral("LabelGefuege") };
    TEdit EditKonzentration { this, QStringLiteral("EditKonzentration") };
    TEdit EditTemperatur { this, QStringLiteral("EditTemperatur") };
    TMemo MemoPhasen { this, QStringLiteral("MemoPhasen") };
    TMemo MemoGefuege { this, QStringLiteral("MemoGefuege") };
    TTimer TimerAbkuehlen { this, QStringLiteral("TimerAbkuehlen"), &TFormErkundenZu::TimerAbkuehlenTimer, 50 };

    TMainMenu MainMenuLeiste { this, QStringLiteral("MainMenuLeiste") };
    TMenuItem Ende { MainMenuLeiste, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Diagramm { MainMenuLeiste, QStringLiteral("Diagramm"), QStringLiteral("&Diagramm") };
    TMenuItem ErkTyp1 { Diagramm, QStringLiteral("ErkTyp1"), QString::fromUtf8(erkundenzu::typ(1).titel),
        &TFormErkundenZu::ErkTyp1Click };
    TMenuItem ErkTyp2 { Diagramm, QStringLiteral("ErkTyp2"), QString::fromUtf8(erkundenzu::typ(2).titel),
        &TFormErkundenZu::ErkTyp2Click };
    TMenuItem ErkTyp3 { Diagramm, QStringLiteral("ErkTyp3"), QString::fromUtf8(erkundenzu::typ(3).titel),
        &TFormErkundenZu::ErkTyp3Click };
    TMenuItem ErkTyp4 { Diagramm, QStringLiteral("ErkTyp4"), QString::fromUtf8(erkundenzu::typ(4).titel),
        &TFormErkundenZu::ErkTyp4Click };
    TMenuItem Abkuehlen { MainMenuLeiste, QStringLiteral("Abkuehlen"), QStringLiteral("&Abkühlen"),
        &TFormErkundenZu::AbkuehlenClick };
    TMenuItem Neu { MainMenuLeiste, QStringLiteral("Neu"), QStringLiteral("Löschen/&Neu"), &TFormErkundenZu::NeuClick };
    TMenuItem ESCAPE { MainMenuLeiste, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE,
        false };

    // Where a cooling run stands.
    enum class Lauf { Keiner, Laeuft, Angehalten, Fertig };

    // The window's state. The default values are those at the first opening.
    struct ModuleState {
        int Typ = 1;
        // The point shown: B in % (to a tenth) and the temperature in °C (whole, but for a run).
        double Konzentration = 40;
        double Temperatur = 1300;
        // The alloy chosen for cooling, B in %.
        std::optional<double> Legierung;
        Lauf Abkuehlung = Lauf::Keiner;
        double Zeit = 0; // the run's time on the cooling curve, s
    };
    const ModuleState& moduleState() const { return m_state; }
    // The chosen alloy's cooling curve (while it has one).
    const std::optional<model::CoolingCurve>& abkuehlkurve() const { return m_kurve; }
    // The run's time step per tick: a run through the whole time scale takes 200 ticks.
    double zeitschritt() const;

private:
    void FormCreate() override;
    void FormClose() override;
    void FormKeyDown(int& key, TShiftState shift) override;
    void PaintBoxAbkuehlkurvePaint();
    void PaintBoxDiagrammPaint();
    void PaintBoxGefuegePaint();
    void PaintBoxDiagrammMouseMove(int x, int y);
    void PaintBoxDiagrammMouseDown(int x, int y);
    void TimerAbkuehlenTimer();
    void ErkTyp1Click();
    void ErkTyp2Click();
    void ErkTyp3Click();
    void ErkTyp4Click();
    void AbkuehlenClick();
    void NeuClick();

    const erkundenzu::Typ& typ() const { return erkundenzu::typ(m_state.Typ); }
    const model::PhaseDiagram& diagramm() const { return erkundenzu::diagrammVon(typ()); }
    void waehleTyp(int nummer);
    // Moves the point (not during a run) and shows it.
    void setzePunkt(double w, double t);
    // Fixes the alloy at the point's composition; a run of another alloy ends.
    void waehleLegierung();
    // Takes the typed values; false (and a message, nothing changed) if one is no good.
    bool uebernimmEingabe();
    // Whether one of the edits has the keyboard focus.
    bool tipptGerade() const;
    void beendeLauf();
    // The reaction's progress on the arrest while a run stands there, else 0.
    double fortschritt() const;
    // Shows the point: the diagram's overlay, the read-out, the micrograph.
    void zeige();
    void zeichneDiagramm();
    void zeichneGefuege();
    void schreibeAnzeige();

    ModuleState m_state;
    std::optional<model::CoolingCurve> m_kurve;
    erkundenzu::Vorlage m_diagramm;
    int m_diagrammTyp = 0; // the type the kept diagram shows
    micrograph::Synthesis m_synthese;
};

extern TFormErkundenZu* FormErkundenZu;

} // namespace wb
