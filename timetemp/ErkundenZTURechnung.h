// What the window "Abkühlung selbst wählen" computes, without widgets: the steel (a lesson steel
// on its schematic diagrams, or any composition on the diagrams the steel models compute), the
// cooling the student chose, and what it gives: the curves to draw, the constituents, the
// hardness and the end-quench curve; and the entries with their ranges.
#pragma once

#include "model/LessonSteels.h"
#include "steel/Calculator.h"
#include "steel/Cooling.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace wb::erkundenztu {

// --- The steel ---------------------------------------------------------------------------------

// A lesson steel (C45 or C70) or any composition (the steel models' diagrams).
class Stahl {
public:
    static Stahl lehrstahl(const model::LessonSteel& steel, const QString& name);
    // The composition must be a steel (steel::Steel::from accepts it).
    static Stahl beliebig(const steel::Composition& composition, const QString& name);

    bool istLehrstahl() const { return m_lesson != nullptr; }
    const model::LessonSteel& lehrstahl() const { return *m_lesson; }
    const steel::CalculatorReport& bericht() const { return m_report; }
    const steel::Composition& zusammensetzung() const { return m_composition; }
    const QString& name() const { return m_name; }
    // Where every cooling starts: the lesson diagrams' austenitising, or the models' hardening
    // temperature.
    double austenitisierung() const;
    double ms() const;
    // One layout of the micrograph per steel, so that its pictures change smoothly with the shares.
    quint64 gefuegeSaat() const;

private:
    const model::LessonSteel* m_lesson = nullptr;
    steel::Composition m_composition;
    steel::CalculatorReport m_report;
    QString m_name;
};

// --- The cooling -------------------------------------------------------------------------------

enum class Art { Geschwindigkeit, Rundstab, Halten, Stirnabschreck };
enum class Ort { Rand, HalberRadius, Kern };

struct Einstellung {
    Art art = Art::Geschwindigkeit;
    double rate = 15; // °C/s
    double durchmesser = 40; // mm
    steel::Quenchant mittel = steel::Quenchant::Oil;
    Ort ort = Ort::Kern;
    double halteTemperatur = 400; // °C
    double halteZeit = 100; // s
    double abstand = 10; // mm from the quenched end
};

// The end-quench specimens of the lesson steels are austenitised as the lesson's chart says.
double stirnAustenitisierung(const Stahl& stahl);
// The cooling rate at 700 °C at a distance from the quenched end (mm).
double stirnRate(const Stahl& stahl, double abstand);
// The relative radius of a place in the bar: 1 at the surface, 0.5, 0 in the core.
double relativerRadius(Ort ort);
// The cooling rate at 700 °C of a curve (NaN if it does not pass 700 °C).
double rateBei700(const std::vector<steel::TimeTemperature>& kurve);

// A curve to draw on the diagram, in lg t (s) and °C.
struct Kurve {
    std::vector<model::TimeTemperature> punkte;
    bool hervorgehoben; // the place whose result is shown
};

struct Ergebnis {
    // Percent: whole numbers on the lesson diagrams, the models' fractions otherwise.
    double ferrit = 0, perlit = 0, bainit = 0, martensit = 0, restaustenit = 0;
    double haerteHV = NAN; // NaN: the diagram gives none
    bool haerteAusserhalb = false; // the hardness model's range is left
    double rate700 = NAN; // °C/s, the cooling rate the result was read at (NaN for a hold)
    bool isotherm = false; // drawn on the isothermal diagram
    std::vector<Kurve> kurven;
    QString hinweis; // one line on what was computed
};

Ergebnis berechne(const Stahl& stahl, const Einstellung& e);

// The constituents as the memo lists them, one line each with its share in whole percent; the
// ones with no share are left out.
QStringList gefuegeZeilen(const Ergebnis& e);
// "390 HV (≈ 40 HRC)", "190 HV", or a dash with the reason.
QString haerteText(const Ergebnis& e);

// --- The end-quench curve ----------------------------------------------------------------------

struct StirnPunkt {
    double abstand; // mm
    double hrc; // NaN below 20 HRC
};
// The measured curve the window draws: C45's from the lesson's end-quench chart (not tempered),
// A255's for any composition; none for C70, which has no chart.
std::vector<StirnPunkt> stirnKurve(const Stahl& stahl);
// The hardness the ZTU diagram gives at the end-quench rates, in HRC.
std::vector<StirnPunkt> stirnKurveAusSchaubild(const Stahl& stahl);
constexpr double kStirnBis = 80; // mm, the length the window shows

// --- Entries -----------------------------------------------------------------------------------

struct Eingabe {
    const char* name; // in the message, with its article: "die Abkühlgeschwindigkeit"
    double min, max;
    const char* einheit;
};
extern const Eingabe kRate, kDurchmesser, kHalteTemperatur, kHalteZeit, kAbstand;

enum class Lesart {
    Zahl, // a number in the range
    Unvollstaendig, // still being typed: more digits can bring it into the range
    Falsch, // no number, or one that no further digit brings into the range
};
struct Gelesen {
    Lesart art;
    double wert = 0;
};
Gelesen lies(const Eingabe& eingabe, const QString& text);
// The message for a wrong entry, naming the range.
QString meldung(const Eingabe& eingabe, const QString& text);
// A number as the window writes it: a decimal comma, up to `stellen` places, no trailing zeros.
QString zahl(double v, int stellen = 2);
// A rate with three significant digits, as the slider sets it: "133", "13,3", "0,0133".
QString rateText(double rate);

// --- The slider --------------------------------------------------------------------------------

// ScrollBarRate runs over 0.01 … 1000 °C/s in steps of 1/80 decade.
constexpr int kSchieberMax = 400;
double rateAusSchieber(int position);
int schieberAusRate(double rate);

} // namespace wb::erkundenztu
