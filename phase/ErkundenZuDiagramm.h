// What the explorer of the binary phase diagrams draws: each type's diagram as its lesson draws it
// with the explorer's scales, the pointer's cross-hair and tie line over it, and the alloy's
// cooling curve on the same temperature scale beside it.
#pragma once

#include "framework/Canvas.h"
#include "framework/Figures.h"
#include "model/PhaseCooling.h"
#include "phase/PhaseField.h"

#include <QImage>
#include <QSize>
#include <optional>
#include <span>
#include <utility>

namespace wb::erkundenzu {

// The diagram's paint box: the lessons' field (x 20 … 480, y 20 … 370) with the composition scale
// below it.
constexpr QSize kDiagrammGroesse { 492, 410 };
// The cooling curve's paint box, left of the diagram at the same height: its time axis runs from
// x = kZeitLinks to kZeitRechts, its rows are the diagram's, and the temperature scale both share
// lies at its right edge, next to the diagram.
constexpr QSize kKurveGroesse { 282, 410 };
constexpr int kZeitLinks = 8;
constexpr int kZeitRechts = 232;

// A diagram type as the explorer shows it: the lesson's drawing of its boundaries and labels, and
// the step of the temperature scale.
struct Typ {
    int nummer;
    const char* titel;
    void (*grenzen)(TCanvas& c);
    std::span<const TextAt> (*bereiche)();
    std::span<const TextAt> (*symbole)();
    std::span<const Segment> (*punktiert)(); // null: the lesson draws no dotted lines
    int temperaturSchritt;
};
// Types 1 to 4.
const Typ& typ(int nummer);
const model::PhaseDiagram& diagrammVon(const Typ& t);
phasefield::Projection projektionVon(const Typ& t);

// The pixel of a point of the diagram, rounded as every coordinate of the diagrams.
TPoint pixelVon(const Typ& t, double w, double temperatur);
// The point a pointer position picks: its composition to a tenth of a percent and its temperature
// to a whole degree, inside the diagram.
struct Punkt {
    double w;
    double t;
};
Punkt punktBei(const Typ& t, int x, int y);

// The static diagram: the lesson's ground, bands, boundaries, dotted lines and labels, the type's
// title above the field, the temperature marks at its left edge and the composition scale below.
void zeichneDiagramm(TCanvas& c, const Typ& t);

// The colours of what lies over the diagram.
constexpr TColor kLegierungFarbe = RGB(0x00, 0x80, 0x00);
constexpr TColor kKonodenFarbe = RGB(0x00, 0x00, 0xFF);
constexpr TColor kZeigerFarbe = RGB(0x00, 0x00, 0x00);

// What lies over the diagram at the point (w, temperatur): the chosen alloy's line, the
// cross-hair, and where the point has two phases the tie line between them with its ends marked
// on the composition axis (on an invariant line the line from end to end, its three points
// marked).
void zeichneZeiger(TCanvas& c, const Typ& t, double w, double temperatur, std::optional<double> legierung,
    const model::PhaseState& phasen);

// The cooling curve's frame: the time axis, the temperature scale, the title naming the alloy.
void zeichneKurvenRahmen(TCanvas& c, const Typ& t, std::optional<double> legierung);
// x of a time on the curve's axis, which spans the type's time scale.
double kurveX(const Typ& t, double zeit);
// The curve from time `von` to `bis` (from its start if `von` is below 0), with its kinks and its
// arrest marked where they lie in that span.
void zeichneKurve(TCanvas& c, const Typ& t, const model::CoolingCurve& k, double von, double bis);

// A picture of a logical size kept at a device ratio, drawn on with a canvas of its own, to be
// copied onto a paint box as it is.
class Vorlage : public CanvasTarget {
public:
    TCanvas canvas { this };

    // Makes the picture for this size and ratio; false if it was there already.
    bool bereite(QSize size, qreal ratio);
    void freigeben();
    const QImage& bild() const { return m_bild; }
    QSize groesse() const { return m_size; }

    QImage* pixels() override { return &m_bild; }
    QPoint origin() const override { return {}; }
    QRect clip() const override { return QRect(QPoint(), m_size); }
    void changed(const QRect&) override { }
    qreal ratio() const override { return m_ratio; }

private:
    QImage m_bild;
    QSize m_size;
    qreal m_ratio = 1;
};

} // namespace wb::erkundenzu
