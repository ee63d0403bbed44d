// Your own cooling on the ZTU diagrams: any rate, a quenched round bar or an isothermal hold, with
// the constituents, the hardness and a micrograph of the result, and the end-quench test.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "micrograph/Synthesis.h"
#include "timetemp/ErkundenZTURechnung.h"

#include <QString>
#include <memory>
#include <vector>

namespace wb {

class TFormErkundenZTU : public TLessonForm {
public:
    TFormErkundenZTU();
    ~TFormErkundenZTU() override;

    // clang-format off
    TLabel LabelStahl { this, QStringLiteral("LabelStahl") };
    TLabel LabelRate { this, QStringLiteral("LabelRate") };
    TEdit EditRate { this, QStringLiteral("EditRate") };
    TScrollBar ScrollBarRate { this, QStringLiteral("ScrollBarRate") };
    TLabel LabelDurchmesser { this, QStringLiteral("LabelDurchmesser") };
    TEdit EditDurchmesser { this, QStringLiteral("EditDurchmesser") };
    TLabel LabelMittel { this, QStringLiteral("LabelMittel") };
    TLabel LabelHalten { this, QStringLiteral("LabelHalten") };
    TEdit EditHaltetemperatur { this, QStringLiteral("EditHaltetemperatur") };
    TEdit EditHaltezeit { this, QStringLiteral("EditHaltezeit") };
    TLabel LabelAbstand { this, QStringLiteral("LabelAbstand") };
    TEdit EditAbstand { this, QStringLiteral("EditAbstand") };
    TLabel LabelGefuege { this, QStringLiteral("LabelGefuege") };
    TMemo MemoGefuege { this, QStringLiteral("MemoGefuege") };
    TLabel LabelHaerte { this, QStringLiteral("LabelHaerte") };
    TEdit EditHaerte { this, QStringLiteral("EditHaerte") };
    TPaintBox PaintBoxGefuege { this, QStringLiteral("PaintBoxGefuege"), &TFormErkundenZTU::PaintBoxGefuegePaint };
    TPaintBox PaintBoxZTU { this, QStringLiteral("PaintBoxZTU"), &TFormErkundenZTU::PaintBoxZTUPaint };
    TLabel LabelHinweis { this, QStringLiteral("LabelHinweis") };
    TPaintBox PaintBoxJominy { this, QStringLiteral("PaintBoxJominy"), &TFormErkundenZTU::PaintBoxJominyPaint };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Stahl { MainMenu1, QStringLiteral("Stahl"), QStringLiteral("&Stahl") };
    TMenuItem StahlC45 { Stahl, QStringLiteral("StahlC45"), QStringLiteral("C45 (Lehrbeispiel, 0,45 % C)"), &TFormErkundenZTU::StahlC45Click };
    TMenuItem StahlC70 { Stahl, QStringLiteral("StahlC70"), QStringLiteral("C70 (Lehrbeispiel, 0,70 % C)"), &TFormErkundenZTU::StahlC70Click };
    TMenuItem StahlBeliebig { Stahl, QStringLiteral("StahlBeliebig"), QStringLiteral("&Beliebiger Stahl") };
    TMenuItem Abkuehlung { MainMenu1, QStringLiteral("Abkuehlung"), QStringLiteral("&Abkühlung") };
    TMenuItem ArtRate { Abkuehlung, QStringLiteral("ArtRate"), QStringLiteral("Konstante &Abkühlgeschwindigkeit"), &TFormErkundenZTU::ArtRateClick };
    TMenuItem ArtRundstab { Abkuehlung, QStringLiteral("ArtRundstab"), QStringLiteral("Abgeschreckter &Rundstab"), &TFormErkundenZTU::ArtRundstabClick };
    TMenuItem ArtHalten { Abkuehlung, QStringLiteral("ArtHalten"), QStringLiteral("&Isothermes Halten"), &TFormErkundenZTU::ArtHaltenClick };
    TMenuItem ArtStirn { Abkuehlung, QStringLiteral("ArtStirn"), QStringLiteral("&Stirnabschreckprobe"), &TFormErkundenZTU::ArtStirnClick };
    TMenuItem Mittel { MainMenu1, QStringLiteral("Mittel"), QStringLiteral("Abschreck&mittel") };
    TMenuItem MittelWasser { Mittel, QStringLiteral("MittelWasser"), QStringLiteral("&Wasser"), &TFormErkundenZTU::MittelWasserClick };
    TMenuItem MittelOel { Mittel, QStringLiteral("MittelOel"), QStringLiteral("Ö&l"), &TFormErkundenZTU::MittelOelClick };
    TMenuItem MittelLuft { Mittel, QStringLiteral("MittelLuft"), QStringLiteral("&Luft"), &TFormErkundenZTU::MittelLuftClick };
    TMenuItem Ort { MainMenu1, QStringLiteral("Ort"), QStringLiteral("&Ort im Stab") };
    TMenuItem OrtRand { Ort, QStringLiteral("OrtRand"), QStringLiteral("&Rand"), &TFormErkundenZTU::OrtRandClick };
    TMenuItem OrtHalb { Ort, QStringLiteral("OrtHalb"), QStringLiteral("&Halber Radius"), &TFormErkundenZTU::OrtHalbClick };
    TMenuItem OrtKern { Ort, QStringLiteral("OrtKern"), QStringLiteral("&Kern"), &TFormErkundenZTU::OrtKernClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    // clang-format on

    // Any steel, for instance the steel calculator's composition: shown on the diagrams the steel
    // models compute. The composition must be a steel (steel::Steel::from accepts it).
    void setComposition(const steel::Composition& composition, const QString& name);

    struct ModuleState {
        erkundenztu::Einstellung einstellung; // the student's settings; they stay between openings
    };
    const ModuleState& moduleState() const { return m_state; }
    const erkundenztu::Stahl& stahl() const { return *m_stahl; }
    const erkundenztu::Ergebnis& ergebnis() const { return m_ergebnis; }

private:
    void FormCreate() override;
    void PaintBoxZTUPaint();
    void PaintBoxGefuegePaint();
    void PaintBoxJominyPaint();
    void StahlC45Click();
    void StahlC70Click();
    void ArtRateClick();
    void ArtRundstabClick();
    void ArtHaltenClick();
    void ArtStirnClick();
    void MittelWasserClick();
    void MittelOelClick();
    void MittelLuftClick();
    void OrtRandClick();
    void OrtHalbClick();
    void OrtKernClick();

    void waehleStahl(erkundenztu::Stahl stahl);
    void waehleArt(erkundenztu::Art art);
    // An edit changed: its number read, taken if it is one in range, else a message and the edit's
    // last valid text again.
    void eingabe(
        TEdit& edit, const erkundenztu::Eingabe& feld, double erkundenztu::Einstellung::*wert, erkundenztu::Art art);
    void schieber(int position);
    void stirnZeiger(int x);
    void fuelleEingaben();
    // Recomputes the result and shows it: memo, hardness, notes, diagram, micrograph.
    void berechne();
    void zeichneNeu();

    std::vector<std::unique_ptr<TMenuItem>> m_beliebig; // the named steels under "Beliebiger Stahl"
    ModuleState m_state;
    std::unique_ptr<erkundenztu::Stahl> m_stahl;
    erkundenztu::Ergebnis m_ergebnis;
    std::vector<erkundenztu::StirnPunkt> m_stirnGemessen, m_stirnSchaubild;
    int m_stahlNummer = 0; // counts the steels chosen: what was drawn for another one is old
    // The diagram without the cooling, as the surface's pixels: a step of the slider puts it back
    // and draws only the curve.
    struct Grund {
        int stahlNummer = -1;
        bool isotherm = false;
        QSize size;
        qreal ratio = 0;
        TColor color = 0;
        QImage bild;
        bool operator==(const Grund& o) const
        {
            return stahlNummer == o.stahlNummer && isotherm == o.isotherm && size == o.size && ratio == o.ratio
                && color == o.color;
        }
    } m_grund;
    // What the end-quench chart shows: it is drawn again only when that changes.
    std::pair<int, double> m_stirnGezeichnet { -1, 0 };
    micrograph::Synthesis m_synthese;
    bool m_fuellen = false; // the window fills its edits: their changes are not the student's
};

extern TFormErkundenZTU* FormErkundenZTU;

} // namespace wb
