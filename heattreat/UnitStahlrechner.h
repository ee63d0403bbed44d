// The steel calculator: any composition's transformation temperatures, ZTU diagrams, end-quench
// curve and tempering chart from the published steel models, recomputed at every change.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "steel/Calculator.h"

#include <QString>
#include <array>

namespace wb {

class TFormStahlrechner : public TLessonForm {
public:
    TFormStahlrechner();

    // clang-format off
    TLabel LabelZusammensetzung { this, QStringLiteral("LabelZusammensetzung") };
    TLabel LabelC { this, QStringLiteral("LabelC") };
    TLabel LabelSi { this, QStringLiteral("LabelSi") };
    TLabel LabelMn { this, QStringLiteral("LabelMn") };
    TLabel LabelCr { this, QStringLiteral("LabelCr") };
    TLabel LabelNi { this, QStringLiteral("LabelNi") };
    TLabel LabelMo { this, QStringLiteral("LabelMo") };
    TLabel LabelCu { this, QStringLiteral("LabelCu") };
    TLabel LabelV { this, QStringLiteral("LabelV") };
    TLabel LabelKorngroesse { this, QStringLiteral("LabelKorngroesse") };
    TLabel LabelStahl { this, QStringLiteral("LabelStahl") };
    TLabel LabelErgebnisse { this, QStringLiteral("LabelErgebnisse") };
    TLabel LabelAc1 { this, QStringLiteral("LabelAc1") };
    TLabel LabelAc3 { this, QStringLiteral("LabelAc3") };
    TLabel LabelMs { this, QStringLiteral("LabelMs") };
    TLabel LabelBs { this, QStringLiteral("LabelBs") };
    TLabel LabelDI { this, QStringLiteral("LabelDI") };
    TLabel LabelHaerteMartensit { this, QStringLiteral("LabelHaerteMartensit") };
    TPaintBox PaintBoxZTU { this, QStringLiteral("PaintBoxZTU"), &TFormStahlrechner::PaintBoxZTUPaint };
    TPaintBox PaintBoxJominy { this, QStringLiteral("PaintBoxJominy"), &TFormStahlrechner::PaintBoxJominyPaint };
    TPaintBox PaintBoxAnlassen { this, QStringLiteral("PaintBoxAnlassen"), &TFormStahlrechner::PaintBoxAnlassenPaint };
    TLabel LabelAblesung { this, QStringLiteral("LabelAblesung") };

    TEdit EditC { this, QStringLiteral("EditC") };
    TEdit EditSi { this, QStringLiteral("EditSi") };
    TEdit EditMn { this, QStringLiteral("EditMn") };
    TEdit EditCr { this, QStringLiteral("EditCr") };
    TEdit EditNi { this, QStringLiteral("EditNi") };
    TEdit EditMo { this, QStringLiteral("EditMo") };
    TEdit EditCu { this, QStringLiteral("EditCu") };
    TEdit EditV { this, QStringLiteral("EditV") };
    TEdit EditKorngroesse { this, QStringLiteral("EditKorngroesse") };
    TEdit EditAc1 { this, QStringLiteral("EditAc1") };
    TEdit EditAc3 { this, QStringLiteral("EditAc3") };
    TEdit EditMs { this, QStringLiteral("EditMs") };
    TEdit EditBs { this, QStringLiteral("EditBs") };
    TEdit EditDI { this, QStringLiteral("EditDI") };
    TEdit EditHaerteMartensit { this, QStringLiteral("EditHaerteMartensit") };
    TMemo MemoHinweise { this, QStringLiteral("MemoHinweise") };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Stahl { MainMenu1, QStringLiteral("Stahl"), QStringLiteral("&Stahl") };
    TMenuItem StahlC15 { Stahl, QStringLiteral("StahlC15"), QStringLiteral("C15") };
    TMenuItem StahlC22 { Stahl, QStringLiteral("StahlC22"), QStringLiteral("C22") };
    TMenuItem StahlC35 { Stahl, QStringLiteral("StahlC35"), QStringLiteral("C35") };
    TMenuItem StahlC45 { Stahl, QStringLiteral("StahlC45"), QStringLiteral("C45") };
    TMenuItem StahlC60 { Stahl, QStringLiteral("StahlC60"), QStringLiteral("C60") };
    TMenuItem Stahl16MnCr5 { Stahl, QStringLiteral("Stahl16MnCr5"), QStringLiteral("16MnCr5") };
    TMenuItem Stahl20MnCr5 { Stahl, QStringLiteral("Stahl20MnCr5"), QStringLiteral("20MnCr5") };
    TMenuItem Stahl25CrMo4 { Stahl, QStringLiteral("Stahl25CrMo4"), QStringLiteral("25CrMo4") };
    TMenuItem Stahl34CrNiMo6 { Stahl, QStringLiteral("Stahl34CrNiMo6"), QStringLiteral("34CrNiMo6") };
    TMenuItem Stahl41Cr4 { Stahl, QStringLiteral("Stahl41Cr4"), QStringLiteral("41Cr4") };
    TMenuItem Stahl42CrMo4 { Stahl, QStringLiteral("Stahl42CrMo4"), QStringLiteral("42CrMo4") };
    TMenuItem Stahl51CrV4 { Stahl, QStringLiteral("Stahl51CrV4"), QStringLiteral("51CrV4") };
    TMenuItem Stahl100Cr6 { Stahl, QStringLiteral("Stahl100Cr6"), QStringLiteral("100Cr6") };
    TMenuItem Schaubild { MainMenu1, QStringLiteral("Schaubild"), QStringLiteral("&ZTU-Schaubild") };
    TMenuItem ZTUIsotherm { Schaubild, QStringLiteral("ZTUIsotherm"), QStringLiteral("&Isotherm"), &TFormStahlrechner::ZTUIsothermClick };
    TMenuItem ZTUKontinuierlich { Schaubild, QStringLiteral("ZTUKontinuierlich"), QStringLiteral("&Kontinuierlich"), &TFormStahlrechner::ZTUKontinuierlichClick };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    // clang-format on

    struct ModuleState {
        steel::Composition zusammensetzung; // the last valid one, computed
        QString stahl; // the named steel it came from, empty once the student changed it
        bool kontinuierlich = false; // which ZTU diagram PaintBoxZTU shows
        std::array<QString, 9> gueltig; // each input's last valid text, to go back to
        bool fuellen = false; // the window fills its inputs: their changes are not the student's
    };
    const ModuleState& moduleState() const { return m_state; }
    const steel::CalculatorReport& report() const { return m_report; }

private:
    void FormCreate() override;
    void PaintBoxZTUPaint();
    void PaintBoxJominyPaint();
    void PaintBoxAnlassenPaint();
    void ZTUIsothermClick();
    void ZTUKontinuierlichClick();

    std::array<TEdit*, 9> eingaben();
    void waehleStahl(const char* name);
    void eingabeGeaendert(int index);
    // Recomputes for the composition in the state and shows the results and diagrams.
    void berechne();
    void zeichneDiagramme();
    void zeigeAblesung(const QString& text);

    ModuleState m_state;
    steel::CalculatorReport m_report;
};

extern TFormStahlrechner* FormStahlrechner;

} // namespace wb
