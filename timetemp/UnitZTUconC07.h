// Continuous ZTU diagram of an unalloyed steel with 0.70 % C: the microstructures that different cooling rates produce.
#pragma once

#include "timetemp/ZtuConForm.h"

#include <span>

namespace wb {

// The lesson's picture, runs and texts as data, so that they can be checked without a form.
namespace ztucon07 {

// The five cooling rates of the menu bar, left to right.
enum class Rate { V004, V5, V40, V60, V600 };

const ztaztu::CoolingRun& coolingRun(Rate rate);
const ztaztu::EquilibriumRun& equilibriumRun();

// The static picture: the frame of the isothermal diagrams, then this steel's ZTU curves and labels,
// the steel box and the 0.70 % C markings.
void drawPicture(TCanvas& c, const ztaztu::DiagramLayout& l, int width, int height);

const ztucon::Lesson& lesson();

} // namespace ztucon07

class TFormZTUcon07 : public TZtuConForm {
public:
    TFormZTUcon07();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZTUcon07::PaintBoxHauptPaint };
    // The overlay of the ZTU panel the cooling curves are drawn on; it paints nothing itself.
    TPaintBox PaintBoxLog { this, QStringLiteral("PaintBoxLog"), &TFormZTUcon07::PaintBoxLogPaint };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TMemo MemoT { this, QStringLiteral("MemoT") };
    TTimer TimerGleich { this, QStringLiteral("TimerGleich"), &TFormZTUcon07::TimerGleichTimer, 50 };
    TTimer Timer004 { this, QStringLiteral("Timer004"), &TFormZTUcon07::Timer004Timer, 50 };
    TTimer Timer5 { this, QStringLiteral("Timer5"), &TFormZTUcon07::Timer5Timer, 50 };
    TTimer Timer40 { this, QStringLiteral("Timer40"), &TFormZTUcon07::Timer40Timer, 50 };
    TTimer Timer60 { this, QStringLiteral("Timer60"), &TFormZTUcon07::Timer60Timer, 50 };
    TTimer Timer600 { this, QStringLiteral("Timer600"), &TFormZTUcon07::Timer600Timer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Datei { MainMenu1, QStringLiteral("Datei"), QStringLiteral("&Datei") };
    TMenuItem NEU { Datei, QStringLiteral("NEU"), QStringLiteral("Löschen / Neu"), &TFormZTUcon07::NEUClick };
    TMenuItem Text { Datei, QStringLiteral("Text"), QStringLiteral("Text ja/nein"), &TFormZTUcon07::TextClick, VK_F1 };
    TMenuItem Tabelle { Datei, QStringLiteral("Tabelle"), QStringLiteral("Tabelle Gefügeanteile ja/nein"),
        &TFormZTUcon07::TabelleClick };
    TMenuItem ESCAPE { Datei, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Ende { Datei, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem VGleich { MainMenu1, QStringLiteral("VGleich"), QStringLiteral("&Gleichgewicht"),
        &TFormZTUcon07::VGleichClick };
    TMenuItem V004 { MainMenu1, QStringLiteral("V004"), QStringLiteral("v = &0.04°C/s"), &TFormZTUcon07::V004Click };
    TMenuItem V5 { MainMenu1, QStringLiteral("V5"), QStringLiteral("v = &5°C/s"), &TFormZTUcon07::V5Click };
    TMenuItem V40 { MainMenu1, QStringLiteral("V40"), QStringLiteral("v = &40°C/s"), &TFormZTUcon07::V40Click };
    TMenuItem V60 { MainMenu1, QStringLiteral("V60"), QStringLiteral("v = &60°C/s"), &TFormZTUcon07::V60Click };
    TMenuItem V600 { MainMenu1, QStringLiteral("V600"), QStringLiteral("v = 600°C/&s"), &TFormZTUcon07::V600Click };

private:
    void V5Click();
    void V40Click();
    void Timer5Timer();
    void Timer40Timer();
};

extern TFormZTUcon07* FormZTUcon07;

} // namespace wb
