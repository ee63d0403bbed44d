// The steel calculator's diagrams, drawn from a recomputation in the lessons' style: the isothermal
// and the continuous ZTU diagram on the ZTA/ZTU lessons' log time axis, the end-quench curve and the
// tempering chart; their scales as pure functions, read back for the pointer read-outs.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"
#include "framework/Canvas.h"
#include "steel/Calculator.h"

#include <QString>

namespace wb::stahlrechner {

// --- The ZTU diagrams ------------------------------------------------------------------------

// 0 °C to 1000 °C in rows of 200 °C, 0.1 s to 10^6 s in decades.
constexpr int kZtuZeilen = 5;
constexpr int kZtuDekaden = 7;
constexpr double kZtuOberkante = 1000; // °C at the panel's top line

// The panel in the paint box: the ZTA/ZTU layout's time panel (the EKD panel is not drawn).
ztaztu::DiagramLayout ztuLayout(int width, int height);

int zeitX(const ztaztu::DiagramLayout& l, double seconds);
int temperaturY(const ztaztu::DiagramLayout& l, double celsius);
// Back from a pixel: the time in s and the temperature in °C.
double zeitBei(const ztaztu::DiagramLayout& l, int x);
double temperaturBei(const ztaztu::DiagramLayout& l, int y);
bool imZtuFeld(const ztaztu::DiagramLayout& l, int x, int y);

// The phases' colours: ferrite, pearlite, bainite.
constexpr TColor kFerritFarbe = RGB(0x00, 0x3C, 0xC8);
constexpr TColor kPerlitFarbe = RGB(0x00, 0x78, 0x00);
constexpr TColor kBainitFarbe = RGB(0xA0, 0x00, 0xA0);

// Start (1 %) curves with a pen 2 wide, finish (99 %) curves 1 wide, Ac1, Ac3 and Ms across.
void zeichneIsotherm(TCanvas& c, int width, int height, const steel::CalculatorReport& report);
// The cooling curves from the hardening temperature, the start lines through their starts, Ms, and
// each curve's hardness at its end.
void zeichneKontinuierlich(TCanvas& c, int width, int height, const steel::CalculatorReport& report);

// What the pointer at (x, y) reads: time and temperature, and the starts there (isothermal) or the
// nearest cooling curve's shares and hardness (continuous). Empty outside the panel.
QString ablesungIsotherm(const ztaztu::DiagramLayout& l, int x, int y, const steel::CalculatorReport& report);
QString ablesungKontinuierlich(const ztaztu::DiagramLayout& l, int x, int y, const steel::CalculatorReport& report);

// The cooling curve of the continuous diagram nearest to (time, temperature): its index in the report.
int naechsteKurve(const steel::CalculatorReport& report, double seconds, double celsius);

// --- The charts ------------------------------------------------------------------------------

// A linear chart: the gold panel's edges in the paint box and the values at them.
struct Diagramm {
    int links, oben, rechts, unten;
    double xMin, xMax, yMin, yMax;
    int spalten, zeilen; // grid lines
};
int xVon(const Diagramm& d, double x);
int yVon(const Diagramm& d, double y);
double xBei(const Diagramm& d, int px);
double yBei(const Diagramm& d, int py);
bool imFeld(const Diagramm& d, int px, int py);

// 0 … 50 mm from the quenched end, 10 … 70 HRC.
Diagramm jominyDiagramm(int width, int height);
// 100 … 700 °C, 0 HV up to the as-quenched hardness rounded up to 100 HV (at least 900 HV).
Diagramm anlassDiagramm(int width, int height, const steel::CalculatorReport& report);

void zeichneJominy(TCanvas& c, int width, int height, const steel::CalculatorReport& report);
void zeichneAnlassen(TCanvas& c, int width, int height, const steel::CalculatorReport& report);

QString ablesungJominy(const Diagramm& d, int x, int y, const steel::CalculatorReport& report);
QString ablesungAnlassen(const Diagramm& d, int x, int y, const steel::CalculatorReport& report);

// The tempered hardness read off the chart's points at a temperature (linear between them).
struct Anlasshaerte {
    double h1, h10; // HV after 1 h and 10 h
};
Anlasshaerte anlasshaerteBei(const steel::CalculatorReport& report, double celsius);

} // namespace wb::stahlrechner
