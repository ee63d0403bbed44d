// The isothermal ZTU lessons: the EKD corner beside an isothermal transformation diagram, on which
// the student quenches to one of four holding temperatures and watches the transformation run.
// The forms at 0.45 % and 0.70 % C are this one form with their own steel's data.
#pragma once

#include "framework/LessonForm.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "timetemp/ZtuIsoDiagram.h"

namespace wb {

class TZtuIsoForm : public TLessonForm {
public:
    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TZtuIsoForm::PaintBoxHauptPaint };
    // The overlay of the ZTU panel the runs are drawn on; it paints nothing itself.
    TPaintBox PaintBoxLog { this, QStringLiteral("PaintBoxLog"), &TZtuIsoForm::PaintBoxLogPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TTimer Timer20 { this, QStringLiteral("Timer20"), &TZtuIsoForm::Timer20Timer, 50 };
    TTimer Timer330 { this, QStringLiteral("Timer330"), &TZtuIsoForm::Timer330Timer, 50 };
    TTimer Timer530 { this, QStringLiteral("Timer530"), &TZtuIsoForm::Timer530Timer, 50 };
    TTimer Timer670 { this, QStringLiteral("Timer670"), &TZtuIsoForm::Timer670Timer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem Text { MainMenu1, QStringLiteral("Text"), QStringLiteral("&Text ja/nein"), &TZtuIsoForm::TextClick,
        VK_F1 };
    TMenuItem T20 { MainMenu1, QStringLiteral("T20"), QStringLiteral("T = &20°C"), &TZtuIsoForm::T20Click };
    TMenuItem ESCApe { MainMenu1, QStringLiteral("ESCApe"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem T330 { MainMenu1, QStringLiteral("T330"), QStringLiteral("T = &330°C"), &TZtuIsoForm::T330Click };
    TMenuItem T530 { MainMenu1, QStringLiteral("T530"), QStringLiteral("T = &530°C"), &TZtuIsoForm::T530Click };
    TMenuItem T670 { MainMenu1, QStringLiteral("T670"), QStringLiteral("T = &670°C"), &TZtuIsoForm::T670Click };
    TMenuItem NEU { MainMenu1, QStringLiteral("NEU"), QStringLiteral("&Löschen / Neu"), &TZtuIsoForm::NEUClick };

    // The module state: the step counter of the run (also the x of what it draws on
    // PaintBoxLog), the y it draws at, and the layout values the last paint computed. The
    // defaults are the values at program start; closing and "Löschen / Neu" keep them, every
    // run starts over.
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
    // `name` is the form's instance name; `lesson` its steel's picture, runs and text. With
    // `boldLabels` the overlay's font, and so the runs' labels, is bold.
    TZtuIsoForm(const QString& name, const QString& caption, const ztuiso::IsoLesson& lesson, bool boldLabels);

private:
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();
    void T20Click();
    void T330Click();
    void T530Click();
    void T670Click();
    void Timer20Timer();
    void Timer330Timer();
    void Timer530Timer();
    void Timer670Timer();
    void NEUClick();
    void TextClick();

    // An isotherm item's start: its timer on, the form locked (the item itself stays enabled),
    // the pen back at the overlay's top-left corner.
    void startRun(TTimer& timer);
    // One tick of an isotherm; at its end the lock is lifted and the item disabled.
    void isothermStep(ztuiso::Isotherm isotherm, TTimer& timer, TMenuItem& item);
    void enableIsothermItems();

    const ztuiso::IsoLesson& m_lesson;
    ModuleState m_state;
};

} // namespace wb
