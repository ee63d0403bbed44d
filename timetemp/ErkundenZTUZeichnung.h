// The pictures of the window "Abkühlung selbst wählen": the ZTU diagram with the student's
// cooling on it (a lesson steel's lines drawn by the lessons' own code, or the lines the steel
// models compute), and the end-quench specimen with its hardness curve.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"
#include "framework/Canvas.h"
#include "timetemp/ErkundenZTURechnung.h"

namespace wb::erkundenztu {

// --- The ZTU diagram ---------------------------------------------------------------------------

// The time panel of a paint box W × H: six decades from 0.1 s, five rows of 200 °C up to 1000 °C,
// with room for the axis labels left of and below it.
ztaztu::DiagramLayout ztuLayout(int width, int height);
// The point of the panel for lg t (s) and °C.
TPoint ztuPunkt(const ztaztu::DiagramLayout& l, double lgSeconds, double celsius);

// Panel, grid, axes, the steel's lines and A1, A3, Ms of the continuous or isothermal diagram.
void zeichneZtuGrund(TCanvas& c, int width, int height, const Stahl& stahl, bool isotherm);
// The curves of the result on it: the shown place blue and wide, the other places of a bar thin.
void zeichneZtuKurven(TCanvas& c, int width, int height, const Ergebnis& ergebnis);

constexpr TColor kKurvenFarbe = RGB(0x00, 0x00, 0xFF);
constexpr int kKurvenBreite = 3;

// --- The end-quench specimen -------------------------------------------------------------------

// The chart of a paint box W × H: 0 … 80 mm across, 20 … 70 HRC up, the specimen drawn beneath it
// along the same distance scale with the water jet at its quenched end.
struct StirnLayout {
    int links, rechts, oben, unten; // the chart
    double mmProPixel;
    int stabOben, stabUnten; // the specimen
    int x(double mm) const;
    int y(double hrc) const;
    double mm(int x) const;
};
StirnLayout stirnLayout(int width, int height);
constexpr double kHrcVon = 20, kHrcBis = 70;

void zeichneStirn(TCanvas& c, int width, int height, const std::vector<StirnPunkt>& gemessen,
    const std::vector<StirnPunkt>& ausSchaubild, double abstand);

constexpr TColor kMessFarbe = RGB(0x80, 0x00, 0x00);

} // namespace wb::erkundenztu
