// The binary phase diagrams of types 1 to 6: their fields, characteristic points and the lever rule.
#include "model/PhaseTypes.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <iterator>
#include <limits>

namespace wb::model {

double Curve::compositionAt(double t) const
{
    assert(b <= w0 || b >= w1);
    // a·(w − b)² = t − c; beyond the vertex's temperature no composition has t, and the vertex
    // side's end is the nearer one.
    const double q = (t - c) / a;
    const double r = q > 0 ? std::sqrt(q) : 0;
    const double w = b <= w0 ? b + r : b - r;
    return std::clamp(w, w0, w1);
}

namespace {

constexpr double kBelowAll = -std::numeric_limits<double>::infinity();
constexpr size_t kMostEdges = 8;

using P = Phase;

// clang-format off
namespace t1 {
using namespace typ1;
constexpr const Curve* kCurves[] = { &liquidus, &solidus };
constexpr Edge kEdges[] = { fixedAt(0), on(solidus), onLiquidus(liquidus), fixedAt(100) };
constexpr Phases kFields[] = { { P::Alpha, P::Alpha }, { P::Alpha, P::Melt }, { P::Melt, P::Melt } };
constexpr Band kBands[] = { { kBelowAll, kEdges, kFields } };
} // namespace t1

namespace t2 {
using namespace typ2;
constexpr const Curve* kCurves[] = { &liquidusA, &liquidusB };
constexpr Invariant kInvariants[] = {
    { Reaction::Eutectic, eutecticT, { P::A, 0 }, { P::Melt, eutecticW }, { P::B, 100 } },
};
constexpr Edge kEdgesAbove[] = { fixedAt(0), onLiquidus(liquidusA), onLiquidus(liquidusB), fixedAt(100) };
constexpr Phases kFieldsAbove[] = { { P::A, P::Melt }, { P::Melt, P::Melt }, { P::Melt, P::B } };
constexpr Edge kEdgesBelow[] = { fixedAt(0), fixedAt(100) };
constexpr Phases kFieldsBelow[] = { { P::A, P::B } };
constexpr Band kBands[] = {
    { eutecticT, kEdgesAbove, kFieldsAbove },
    { kBelowAll, kEdgesBelow, kFieldsBelow },
};
} // namespace t2

namespace t3 {
using namespace typ3;
constexpr const Curve* kCurves[] = { &liquidusA, &solidusA, &solvusA, &liquidusB, &solidusB, &solvusB };
constexpr Invariant kInvariants[] = {
    { Reaction::Eutectic, eutecticT, { P::Alpha, 20 }, { P::Melt, 60 }, { P::Beta, 90 } },
};
constexpr Edge kEdgesAbove[] = {
    fixedAt(0), on(solidusA), onLiquidus(liquidusA), onLiquidus(liquidusB), on(solidusB), fixedAt(100),
};
constexpr Phases kFieldsAbove[] = {
    { P::Alpha, P::Alpha }, { P::Alpha, P::Melt }, { P::Melt, P::Melt }, { P::Melt, P::Beta }, { P::Beta, P::Beta },
};
constexpr Edge kEdgesBelow[] = { fixedAt(0), on(solvusA), on(solvusB), fixedAt(100) };
constexpr Phases kFieldsBelow[] = { { P::Alpha, P::Alpha }, { P::Alpha, P::Beta }, { P::Beta, P::Beta } };
constexpr Band kBands[] = {
    { eutecticT, kEdgesAbove, kFieldsAbove },
    { kBelowAll, kEdgesBelow, kFieldsBelow },
};
} // namespace t3

namespace t4 {
using namespace typ4;
constexpr const Curve* kCurves[] = { &liquidus, &liquidusB, &solidusA, &solvusA, &solidusB, &solvusB };
constexpr Invariant kInvariants[] = {
    { Reaction::Peritectic, peritecticT, { P::Alpha, 20 }, { P::Beta, 60 }, { P::Melt, 75 } },
};
constexpr Edge kEdgesAbove[] = { fixedAt(0), on(solidusA), onLiquidus(liquidus), fixedAt(100) };
constexpr Phases kFieldsAbove[] = { { P::Alpha, P::Alpha }, { P::Alpha, P::Melt }, { P::Melt, P::Melt } };
constexpr Edge kEdgesBelow[] = {
    fixedAt(0), on(solvusA), on(solvusB), on(solidusB), onLiquidus(liquidusB), fixedAt(100),
};
constexpr Phases kFieldsBelow[] = {
    { P::Alpha, P::Alpha }, { P::Alpha, P::Beta }, { P::Beta, P::Beta }, { P::Beta, P::Melt }, { P::Melt, P::Melt },
};
constexpr Band kBands[] = {
    { peritecticT, kEdgesAbove, kFieldsAbove },
    { kBelowAll, kEdgesBelow, kFieldsBelow },
};
} // namespace t4

namespace t5 {
using namespace typ5;
constexpr const Curve* kCurves[] = { &liquidusA, &compoundLeft, &compoundRight, &liquidusB };
constexpr double kEutecticLeftT = 240;
constexpr double kEutecticRightT = 410;
constexpr Invariant kInvariants[] = {
    { Reaction::Eutectic, kEutecticLeftT, { P::A, 0 }, { P::Melt, 25 }, { P::Compound, compoundW } },
    { Reaction::Eutectic, kEutecticRightT, { P::Compound, compoundW }, { P::Melt, 80 }, { P::B, 100 } },
};
constexpr Edge kEdgesTop[] = {
    fixedAt(0), onLiquidus(liquidusA), onLiquidus(compoundLeft), fixedAt(compoundW),
    onLiquidus(compoundRight), onLiquidus(liquidusB), fixedAt(100),
};
constexpr Phases kFieldsTop[] = {
    { P::A, P::Melt }, { P::Melt, P::Melt }, { P::Melt, P::Compound }, { P::Compound, P::Melt },
    { P::Melt, P::Melt }, { P::Melt, P::B },
};
constexpr Edge kEdgesMiddle[] = {
    fixedAt(0), onLiquidus(liquidusA), onLiquidus(compoundLeft), fixedAt(compoundW), fixedAt(100),
};
constexpr Phases kFieldsMiddle[] = {
    { P::A, P::Melt }, { P::Melt, P::Melt }, { P::Melt, P::Compound }, { P::Compound, P::B },
};
constexpr Edge kEdgesBottom[] = { fixedAt(0), fixedAt(compoundW), fixedAt(100) };
constexpr Phases kFieldsBottom[] = { { P::A, P::Compound }, { P::Compound, P::B } };
constexpr Band kBands[] = {
    { kEutecticRightT, kEdgesTop, kFieldsTop },
    { kEutecticLeftT, kEdgesMiddle, kFieldsMiddle },
    { kBelowAll, kEdgesBottom, kFieldsBottom },
};
} // namespace t5

namespace t6 {
using namespace typ6;
constexpr const Curve* kCurves[] = { &liquidus, &solidus, &transformationA, &transformationB };
constexpr Invariant kInvariants[] = {
    { Reaction::Eutectoid, eutectoidT, { P::A, 0 }, { P::SolidSolution, 60 }, { P::B, 100 } },
};
constexpr Edge kEdgesMelting[] = { fixedAt(0), on(solidus), onLiquidus(liquidus), fixedAt(100) };
constexpr Phases kFieldsMelting[] = {
    { P::SolidSolution, P::SolidSolution }, { P::SolidSolution, P::Melt }, { P::Melt, P::Melt },
};
constexpr Edge kEdgesSolid[] = { fixedAt(0), on(transformationA), on(transformationB), fixedAt(100) };
constexpr Phases kFieldsSolid[] = {
    { P::A, P::SolidSolution }, { P::SolidSolution, P::SolidSolution }, { P::SolidSolution, P::B },
};
constexpr Edge kEdgesBelow[] = { fixedAt(0), fixedAt(100) };
constexpr Phases kFieldsBelow[] = { { P::A, P::B } };
// Above A's transformation the line A–B has left the diagram, below it the lens has (at B it
// ends a degree higher, at 666 °C).
constexpr Band kBands[] = {
    { transformationA.temperatureAt(0), kEdgesMelting, kFieldsMelting },
    { eutectoidT, kEdgesSolid, kFieldsSolid },
    { kBelowAll, kEdgesBelow, kFieldsBelow },
};
} // namespace t6

const PhaseDiagram kDiagrams[] = {
    { 1, typ1::tBottom, typ1::tTop, typ1::liquidus.temperatureAt(0), typ1::liquidus.temperatureAt(100),
      t1::kCurves, {}, t1::kBands },
    { 2, typ2::tBottom, typ2::tTop, typ2::liquidusA.temperatureAt(0), typ2::liquidusB.temperatureAt(100),
      t2::kCurves, t2::kInvariants, t2::kBands },
    { 3, typ3::tBottom, typ3::tTop, typ3::liquidusA.temperatureAt(0), typ3::liquidusB.temperatureAt(100),
      t3::kCurves, t3::kInvariants, t3::kBands },
    { 4, typ4::tBottom, typ4::tTop, typ4::liquidus.temperatureAt(0), typ4::liquidusB.temperatureAt(100),
      t4::kCurves, t4::kInvariants, t4::kBands },
    { 5, typ5::tBottom, typ5::tTop, typ5::liquidusA.temperatureAt(0), typ5::liquidusB.temperatureAt(100),
      t5::kCurves, t5::kInvariants, t5::kBands },
    { 6, typ6::tBottom, typ6::tTop, typ6::liquidus.temperatureAt(0), typ6::liquidus.temperatureAt(100),
      t6::kCurves, t6::kInvariants, t6::kBands },
};
// clang-format on

const Band& bandAt(const PhaseDiagram& d, double t)
{
    for (const Band& b : d.bands)
        if (t >= b.tLow)
            return b;
    return d.bands.back();
}

} // namespace

const char* phaseName(Phase p)
{
    switch (p) {
    case Phase::Melt:
        return "melt";
    case Phase::Alpha:
        return "alpha";
    case Phase::Beta:
        return "beta";
    case Phase::A:
        return "A";
    case Phase::B:
        return "B";
    case Phase::Compound:
        return "AmBn";
    case Phase::SolidSolution:
        return "solid solution";
    }
    return "?";
}

const PhaseDiagram& phaseDiagram(int type)
{
    assert(type >= 1 && type <= int(std::size(kDiagrams)));
    return kDiagrams[type - 1];
}

FieldAt fieldAt(const PhaseDiagram& d, double w, double t)
{
    const Band& band = bandAt(d, t);
    const size_t n = band.edges.size();
    assert(n == band.fields.size() + 1 && n <= kMostEdges);
    // The edges in order. Where two curves cross in the drawing the field between them has no
    // width; of a solidus crossing the liquidus, the solidus moves to the liquidus.
    double e[kMostEdges];
    for (size_t i = 0; i < n; ++i) {
        e[i] = std::clamp(band.edges[i].at(t), 0.0, 100.0);
        if (i == 0 || e[i] >= e[i - 1])
            continue;
        if (band.edges[i].liquidus && !band.edges[i - 1].liquidus)
            for (size_t k = i; k > 0 && e[k - 1] > e[k]; --k)
                e[k - 1] = e[k];
        else
            e[i] = e[i - 1];
    }
    w = std::clamp(w, 0.0, 100.0);
    for (size_t i = 0; i + 1 < n; ++i)
        if (e[i] < e[i + 1] && w <= e[i + 1])
            return { band.fields[i], e[i], e[i + 1] };
    // The fields with width cover 0 … 100 % B: the loop has found w.
    assert(false);
    return { band.fields.back(), e[n - 2], 100 };
}

std::optional<TieLine> tieLine(const PhaseDiagram& d, double w, double t)
{
    const FieldAt f = fieldAt(d, w, t);
    if (!f.phases.two())
        return std::nullopt;
    w = std::clamp(w, f.wLeft, f.wRight);
    const double shareLeft = (f.wRight - w) / (f.wRight - f.wLeft);
    return TieLine { { f.phases.left, f.wLeft }, { f.phases.right, f.wRight }, shareLeft, 1 - shareLeft };
}

const Invariant* invariantAt(const PhaseDiagram& d, double w, double t, double tolerance)
{
    for (const Invariant& inv : d.invariants)
        if (std::abs(t - inv.t) <= tolerance && w >= inv.left.w && w <= inv.right.w)
            return &inv;
    return nullptr;
}

} // namespace wb::model
