// Slow cooling through the binary phase diagrams: phases, constituents and the cooling curve.
#include "model/PhaseCooling.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <limits>

namespace wb::model {

namespace {

// A point this close to a line's or a melting point's temperature lies on it.
constexpr double kOnLine = 1e-9;
// The cooling curve's steps: at most this share of the diagram's span each.
constexpr int kStepsPerSpan = 1400;

bool pure(double w)
{
    return w <= 0 || w >= 100;
}

double meltingPoint(const PhaseDiagram& d, double w)
{
    return w <= 0 ? d.meltingA : d.meltingB;
}

// The solid a pure component is below its melting point: the phase at its edge of the diagram's
// lowest field.
Phase pureSolid(const PhaseDiagram& d, double w)
{
    const FieldAt f = fieldAt(d, w, d.tBottom);
    return w <= 0 ? f.phases.left : f.phases.right;
}

// The phase of a field that is not the melt.
Phase solidOf(const Phases& p)
{
    return p.left == Phase::Melt ? p.right : p.left;
}

// The lowest temperature in (lo, hi] at which `above` holds, for a property that holds above a
// boundary and not below it: halving down to neighbouring numbers.
template <class Above> double boundary(double lo, double hi, Above above)
{
    for (int i = 0; i < 200; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        (above(mid) ? hi : lo) = mid;
    }
    return hi;
}

// The invariant line through (w, t) that an alloy of composition w crosses (its three phases
// lie on both sides of it), or null.
const Invariant* lineCrossedAt(const PhaseDiagram& d, double w, double t)
{
    for (const Invariant& inv : d.invariants)
        if (std::abs(t - inv.t) <= kOnLine && inv.left.w < w && w < inv.right.w)
            return &inv;
    return nullptr;
}

// The shares of an invariant's three phases (left, middle, right) for an alloy of composition w
// when it arrives on the line and when the reaction has run.
struct LineShares {
    std::array<double, 3> before;
    std::array<double, 3> after;
};

// Two of the line's phases by the lever rule, at their compositions on the line; the third 0.
std::array<double, 3> lever(const Invariant& inv, double w, int a, int b)
{
    const double ws[3] = { inv.left.w, inv.middle.w, inv.right.w };
    std::array<double, 3> s {};
    s[size_t(b)] = (w - ws[a]) / (ws[b] - ws[a]);
    s[size_t(a)] = 1 - s[size_t(b)];
    return s;
}

// The middle phase with the outer one on w's side (the middle alone at its own composition).
std::array<double, 3> middleAndSide(const Invariant& inv, double w)
{
    if (w == inv.middle.w)
        return { 0, 1, 0 };
    return w < inv.middle.w ? lever(inv, w, 0, 1) : lever(inv, w, 1, 2);
}

LineShares lineShares(const Invariant& inv, double w)
{
    // A eutectic or eutectoid splits its middle phase into the outer two; a peritectic makes its
    // middle phase from the outer two.
    if (inv.reaction == Reaction::Peritectic)
        return { lever(inv, w, 0, 2), middleAndSide(inv, w) };
    return { middleAndSide(inv, w), lever(inv, w, 0, 2) };
}

// Builds a list of constituents, leaving out those of no share.
class Constituents {
public:
    int add(ConstituentKind kind, Phase phase, double share, int host = -1)
    {
        if (share <= 0)
            return -1;
        m_list.push_back({ kind, phase, share, {}, {}, host });
        return int(m_list.size()) - 1;
    }
    void addEutectic(double share, const PhaseShare& left, const PhaseShare& right)
    {
        if (share > 0)
            m_list.push_back({ ConstituentKind::Eutectic, left.phase, share, left, right, -1 });
    }
    // Crystals of composition wc that precipitate the other phase of their field at t: the
    // crystals keep their own share less what precipitated, the precipitate follows them.
    void addWithPrecipitate(const PhaseDiagram& d, ConstituentKind kind, Phase phase, double wc, double share, double t)
    {
        double precipitated = 0;
        Phase other = phase;
        if (const std::optional<TieLine> tl = tieLine(d, wc, t)) {
            const bool left = tl->left.phase == phase;
            precipitated = left ? tl->shareRight : tl->shareLeft;
            other = left ? tl->right.phase : tl->left.phase;
        }
        const int host = add(kind, phase, share * (1 - precipitated));
        if (host >= 0)
            add(ConstituentKind::Precipitate, other, share * precipitated, host);
    }
    std::vector<Constituent> take() { return std::move(m_list); }

private:
    std::vector<Constituent> m_list;
};

// A solid alloy that was one solid solution throughout: that solution, and what has precipitated
// from it where the field has two phases (the solution is the larger share).
void homogeneous(const PhaseDiagram& d, double w, double t, Constituents& out)
{
    const std::optional<TieLine> tl = tieLine(d, w, t);
    if (!tl) {
        out.add(ConstituentKind::Homogeneous, fieldAt(d, w, t).phases.left, 1);
        return;
    }
    const bool leftIsMatrix = tl->shareLeft >= tl->shareRight;
    const PhaseAt& matrix = leftIsMatrix ? tl->left : tl->right;
    const PhaseAt& other = leftIsMatrix ? tl->right : tl->left;
    const double otherShare = leftIsMatrix ? tl->shareRight : tl->shareLeft;
    const int host = out.add(ConstituentKind::Homogeneous, matrix.phase, 1 - otherShare);
    out.add(ConstituentKind::Precipitate, other.phase, otherShare, host);
}

} // namespace

double meltShare(const PhaseDiagram& d, double w, double t)
{
    if (pure(w))
        return t >= meltingPoint(d, w) ? 1 : 0;
    const FieldAt f = fieldAt(d, w, t);
    if (!f.phases.two())
        return f.phases.left == Phase::Melt ? 1 : 0;
    if (f.phases.left != Phase::Melt && f.phases.right != Phase::Melt)
        return 0;
    const double wc = std::clamp(w, f.wLeft, f.wRight);
    const double shareLeft = (f.wRight - wc) / (f.wRight - f.wLeft);
    return f.phases.left == Phase::Melt ? shareLeft : 1 - shareLeft;
}

Solidification solidification(const PhaseDiagram& d, double w)
{
    Solidification s {};
    s.w = w;
    if (pure(w)) {
        const double m = meltingPoint(d, w);
        s.liquidusT = s.solidusT = s.arrestT = m;
        s.arrest = true;
        s.solidAbove = 0;
        s.solidBelow = 1;
        return s;
    }
    // Far enough beyond the diagram that the alloy is all melt above and all solid below.
    const double span = d.tTop - d.tBottom;
    const double lo = d.tBottom - span;
    const double hi = d.tTop + span;
    s.liquidusT = boundary(lo, hi, [&](double t) { return meltShare(d, w, t) >= 1; });
    s.solidusT = boundary(lo, s.liquidusT, [&](double t) { return meltShare(d, w, t) > 0; });
    for (const Invariant& inv : d.invariants) {
        if (inv.reaction == Reaction::Eutectoid || !(inv.left.w < w && w < inv.right.w))
            continue;
        if (inv.t <= s.liquidusT + kOnLine && inv.t >= s.solidusT - kOnLine)
            s.invariant = &inv;
    }
    if (s.invariant) {
        s.arrest = true;
        s.arrestT = s.invariant->t;
        s.solidAbove = 1 - meltShare(d, w, s.arrestT);
        s.solidBelow = 1 - meltShare(d, w, std::nextafter(s.arrestT, -std::numeric_limits<double>::infinity()));
        return s;
    }
    // Where the drawing lets the solidus cross the liquidus, the field of crystals and melt has
    // no width: the alloy passes from the melt straight into the solid solution, at once.
    const FieldAt below = fieldAt(d, w, s.liquidusT - span * 1e-9);
    if (!below.phases.two() && below.phases.left != Phase::Melt) {
        s.arrest = true;
        s.arrestT = s.liquidusT;
        s.solidAbove = 0;
        s.solidBelow = 1;
        s.solidusT = s.liquidusT;
    }
    return s;
}

PhaseState phasesAt(const PhaseDiagram& d, double w, double t, double progress)
{
    PhaseState st;
    const double p = std::clamp(progress, 0.0, 1.0);
    if (pure(w)) {
        const double m = meltingPoint(d, w);
        const Phase solid = pureSolid(d, w);
        if (std::abs(t - m) <= kOnLine) {
            st.melting = true;
            st.phases = { { solid, w, p }, { Phase::Melt, w, 1 - p } };
        } else {
            st.phases = { { t > m ? Phase::Melt : solid, w, 1 } };
        }
        return st;
    }
    if (const Invariant* inv = lineCrossedAt(d, w, t)) {
        st.invariant = inv;
        const LineShares s = lineShares(*inv, w);
        const PhaseAt at[3] = { inv->left, inv->middle, inv->right };
        for (size_t i = 0; i < 3; ++i)
            st.phases.push_back({ at[i].phase, at[i].w, s.before[i] + p * (s.after[i] - s.before[i]) });
        return st;
    }
    if (const std::optional<TieLine> tl = tieLine(d, w, t)) {
        st.phases = { { tl->left.phase, tl->left.w, tl->shareLeft }, { tl->right.phase, tl->right.w, tl->shareRight } };
        return st;
    }
    st.phases = { { fieldAt(d, w, t).phases.left, w, 1 } };
    return st;
}

std::vector<Constituent> constituentsAt(const PhaseDiagram& d, double w, double t, double progress)
{
    using K = ConstituentKind;
    const double p = std::clamp(progress, 0.0, 1.0);
    const Solidification s = solidification(d, w);
    Constituents out;
    if (pure(w)) {
        const double solid = std::abs(t - s.arrestT) <= kOnLine ? p : (t < s.arrestT ? 1 : 0);
        out.add(K::Homogeneous, pureSolid(d, w), solid);
        out.add(K::Melt, Phase::Melt, 1 - solid);
        return out.take();
    }
    const Invariant* inv = s.invariant;
    if (t > s.liquidusT + kOnLine) {
        out.add(K::Melt, Phase::Melt, 1);
        return out.take();
    }
    if (s.arrest && !inv && std::abs(t - s.arrestT) <= kOnLine) {
        // Solidifying at once at the liquidus.
        const double solid = s.solidAbove + p * (s.solidBelow - s.solidAbove);
        out.add(K::Crystals, solidOf(fieldAt(d, w, t - 1).phases), solid);
        out.add(K::Melt, Phase::Melt, 1 - solid);
        return out.take();
    }
    if (!inv || t > inv->t + kOnLine) {
        const double m = meltShare(d, w, t);
        if (m > 0 || t >= s.solidusT) {
            out.add(inv ? K::Primary : K::Crystals, solidOf(fieldAt(d, w, t).phases), 1 - m);
            out.add(K::Melt, Phase::Melt, m);
        } else {
            homogeneous(d, w, t, out);
        }
        return out.take();
    }

    const bool onLine = std::abs(t - inv->t) <= kOnLine;
    const LineShares ls = lineShares(*inv, w);
    if (inv->reaction == Reaction::Peritectic) {
        const Phase alpha = inv->left.phase;
        const Phase beta = inv->middle.phase;
        const double primaryBefore = ls.before[0];
        const double primaryAfter = ls.after[0];
        const double peritectic = ls.after[1];
        if (onLine) {
            out.add(K::Primary, alpha, primaryBefore + p * (primaryAfter - primaryBefore));
            out.add(K::Peritectic, beta, p * peritectic);
            out.add(K::Melt, Phase::Melt, (1 - p) * ls.before[2] + p * ls.after[2]);
            return out.take();
        }
        if (w <= inv->middle.w) {
            // Primary crystals with their peritectic rim, each precipitating the other phase.
            out.addWithPrecipitate(d, K::Primary, alpha, inv->left.w, primaryAfter, t);
            out.addWithPrecipitate(d, K::Peritectic, beta, inv->middle.w, peritectic, t);
            return out.take();
        }
        // The melt left on the line goes on solidifying as the peritectic phase.
        const double m = meltShare(d, w, t);
        if (m > 0 || t >= s.solidusT) {
            out.add(K::Peritectic, beta, peritectic);
            out.add(K::FromMelt, beta, std::max(0.0, 1 - peritectic - m));
            out.add(K::Melt, Phase::Melt, m);
        } else {
            homogeneous(d, w, t, out);
        }
        return out.take();
    }

    // A eutectic: the primary crystals of the side w lies on, and the eutectic of the rest.
    const bool leftSide = w < inv->middle.w;
    const PhaseAt& primary = leftSide ? inv->left : inv->right;
    const double primaryShare = leftSide ? ls.before[0] : ls.before[2];
    const double eutectic = 1 - primaryShare;
    if (onLine) {
        const double toLeft = (inv->right.w - inv->middle.w) / (inv->right.w - inv->left.w);
        out.add(K::Primary, primary.phase, primaryShare);
        out.addEutectic(
            p * eutectic, { inv->left.phase, inv->left.w, toLeft }, { inv->right.phase, inv->right.w, 1 - toLeft });
        out.add(K::Melt, Phase::Melt, (1 - p) * eutectic);
        return out.take();
    }
    out.addWithPrecipitate(d, K::Primary, primary.phase, primary.w, primaryShare, t);
    const std::optional<TieLine> own = tieLine(d, inv->middle.w, t);
    assert(own);
    out.addEutectic(eutectic, { own->left.phase, own->left.w, own->shareLeft },
        { own->right.phase, own->right.w, own->shareRight });
    return out.take();
}

// --- The cooling curve --------------------------------------------------------------------

CoolingLaw coolingLaw(const PhaseDiagram& d)
{
    const double span = d.tTop - d.tBottom;
    return { 100, d.tBottom - 0.25 * span, 0.3 * span };
}

double CoolingCurve::temperatureAt(double time) const
{
    if (time <= points.front().time)
        return points.front().t;
    if (time >= points.back().time)
        return points.back().t;
    const auto after = std::upper_bound(
        points.begin(), points.end(), time, [](double v, const CurvePoint& p) { return v < p.time; });
    const CurvePoint& b = *after;
    const CurvePoint& a = *(after - 1);
    if (b.time == a.time)
        return b.t;
    return a.t + (b.t - a.t) * ((time - a.time) / (b.time - a.time));
}

double CoolingCurve::progressAt(double time) const
{
    if (!path.arrest || time <= arrestStart)
        return 0;
    if (time >= arrestEnd)
        return 1;
    return (time - arrestStart) / (arrestEnd - arrestStart);
}

double CoolingCurve::timeAt(double t) const
{
    const auto at
        = std::lower_bound(points.begin(), points.end(), t, [](const CurvePoint& p, double v) { return p.t > v; });
    if (at == points.begin())
        return points.front().time;
    if (at == points.end())
        return points.back().time;
    const CurvePoint& b = *at;
    const CurvePoint& a = *(at - 1);
    return a.time + (b.time - a.time) * ((a.t - t) / (a.t - b.t));
}

CoolingCurve coolingCurve(const PhaseDiagram& d, double w)
{
    CoolingCurve c;
    c.path = solidification(d, w);
    const Solidification& s = c.path;
    const CoolingLaw law = coolingLaw(d);
    const double maxStep = (d.tTop - d.tBottom) / kStepsPerSpan;

    // The corners, hottest first.
    std::vector<double> marks { d.tTop, d.tBottom };
    for (double t : { s.liquidusT, s.solidusT, s.arrestT })
        if (t > d.tBottom && t < d.tTop)
            marks.push_back(t);
    std::sort(marks.begin(), marks.end(), std::greater<>());
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());

    double time = 0;
    double solid = 1 - meltShare(d, w, d.tTop);
    c.points.push_back({ 0, d.tTop });
    for (size_t k = 0; k + 1 < marks.size(); ++k) {
        const double from = marks[k];
        const double to = marks[k + 1];
        const bool toArrest = s.arrest && to == s.arrestT;
        const int n = std::max(1, int(std::ceil((from - to) / maxStep)));
        double t1 = from;
        for (int i = 1; i <= n; ++i) {
            const double t2 = i == n ? to : from - (from - to) * i / n;
            // Arriving at an arrest, the solid share it starts with; solid never melts again.
            const double solid2 = std::max(solid, toArrest && i == n ? s.solidAbove : 1 - meltShare(d, w, t2));
            time += law.tau * std::log((t1 - law.environment) / (t2 - law.environment))
                + law.tau * law.latent * (solid2 - solid) / ((t1 + t2) / 2 - law.environment);
            c.points.push_back({ time, t2 });
            solid = solid2;
            t1 = t2;
        }
        if (toArrest) {
            // The temperature holds while the heat of the share that solidifies here flows out.
            c.arrestStart = time;
            time += law.tau * law.latent * (s.solidBelow - s.solidAbove) / (s.arrestT - law.environment);
            c.arrestEnd = time;
            c.points.push_back({ time, s.arrestT });
            solid = s.solidBelow;
        }
    }
    return c;
}

double coolingTimeScale(const PhaseDiagram& d)
{
    // Every alloy's latent heat is out at the latest when it reaches its solidus: the lowest
    // solidus of the diagram bounds the time all of it can take.
    static std::array<double, 6> lowestSolidus = [] {
        std::array<double, 6> lowest {};
        for (int type = 1; type <= 6; ++type) {
            const PhaseDiagram& pd = phaseDiagram(type);
            double t = pd.tTop;
            // Near a pure component the solidus can lie below the pure component's melting point.
            for (double w : { 1e-6, 100 - 1e-6 })
                t = std::min(t, solidification(pd, w).solidusT);
            for (int w = 0; w <= 100; ++w)
                t = std::min(t, solidification(pd, w).solidusT);
            lowest[size_t(type - 1)] = t;
        }
        return lowest;
    }();
    const CoolingLaw law = coolingLaw(d);
    const double release = std::max(lowestSolidus[size_t(d.type - 1)], d.tBottom);
    return law.tau * std::log((d.tTop - law.environment) / (d.tBottom - law.environment))
        + law.tau * law.latent / (release - law.environment);
}

} // namespace wb::model
