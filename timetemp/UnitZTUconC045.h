// Continuous ZTU diagram of an unalloyed steel with 0.45 % C: the microstructures that different cooling rates produce.
#pragma once

#include "timetemp/ZtuConForm.h"

namespace wb {

// The lesson's runs as data, so that they can be checked without a form.
namespace ztucon045 {

// The five cooling rates of the menu bar, left to right.
enum class Rate { V004, V06, V15, V60, V600 };

const ztaztu::CoolingRun& coolingRun(Rate rate);
const ztaztu::EquilibriumRun& equilibriumRun();
const ztucon::Lesson& lesson();

} // namespace ztucon045

class TFormZTUcon045 : public TZtuConForm {
public:
    TFormZTUcon045();

    TPaintBox PaintBoxHaupt { this, QStringLiteral("PaintBoxHaupt"), &TFormZTUcon045::PaintBoxHauptPaint };
    // The overlay of the ZTU panel the cooling curves are drawn on; it paints nothing itself.
    TPaintBox PaintBoxLog { this, QStringLiteral("PaintBoxLog"), &TFormZTUcon045::PaintBoxLogPaint };
    TImage ImageMart { this, QStringLiteral("ImageMart") };
    TImage ImageNorm { this, QStringLiteral("ImageNorm") };
    TMemo MemoErlaeuterung { this, QStringLiteral("MemoErlaeuterung") };
    TMemo MemoT { this, QStringLiteral("MemoT") };
    TTimer TimerGleich { this, QStringLiteral("TimerGleich"), &TFormZTUcon045::TimerGleichTimer, 50 };
    TTimer Timer004 { this, QStringLiteral("Timer004"), &TFormZTUcon045::Timer004Timer, 50 };
    TTimer Timer06 { this, QStringLiteral("Timer06"), &TFormZTUcon045::Timer06Timer, 50 };
    TTimer Timer20 { this, QStringLiteral("Timer20"), &TFormZTUcon045::Timer20Timer, 50 };
    TTimer Timer60 { this, QStringLiteral("Timer60"), &TFormZTUcon045::Timer60Timer, 50 };
    TTimer Timer600 { this, QStringLiteral("Timer600"), &TFormZTUcon045::Timer600Timer, 50 };

    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Datei { MainMenu1, QStringLiteral("Datei"), QStringLiteral("&Datei") };
    TMenuItem NEU { Datei, QStringLiteral("NEU"), QStringLiteral("Löschen / Neu"), &TFormZTUcon045::NEUClick };
    TMenuItem Text { Datei, QStringLiteral("Text"), QStringLiteral("Text ja/nein"), &TFormZTUcon045::TextClick, VK_F1 };
    TMenuItem Tabelle { Datei, QStringLiteral("Tabelle"), QStringLiteral("Tabelle Gefügeanteile ja/nein"),
        &TFormZTUcon045::TabelleClick };
    TMenuItem ESCAPE { Datei, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };
    TMenuItem Ende { Datei, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem VGleich { MainMenu1, QStringLiteral("VGleich"), QStringLiteral("&Gleichgewicht"),
        &TFormZTUcon045::VGleichClick };
    TMenuItem V004 { MainMenu1, QStringLiteral("V004"), QStringLiteral("v = &0.04 °C/s"), &TFormZTUcon045::V004Click };
    TMenuItem V06 { MainMenu1, QStringLiteral("V06"), QStringLiteral("v = 0.&6 °C/s"), &TFormZTUcon045::V06Click };
    TMenuItem V15 { MainMenu1, QStringLiteral("V15"), QStringLiteral("v = &15 °C/s"), &TFormZTUcon045::V15Click };
    TMenuItem V60 { MainMenu1, QStringLiteral("V60"), QStringLiteral("v = 60 °&C/s"), &TFormZTUcon045::V60Click };
    TMenuItem V600 { MainMenu1, QStringLiteral("V600"), QStringLiteral("v = 600 °C/&s"), &TFormZTUcon045::V600Click };

private:
    void V06Click();
    void V15Click();
    void Timer06Timer();
    void Timer20Timer();
};

extern TFormZTUcon045* FormZTUcon045;

} // namespace wb
