// The explorer's pictures: the scaled diagram with its room-temperature strip, the moving marks,
// the shares over the carbon range and the cooling curve.
#include "ironcarbon/ExplorerDiagram.h"

#include "framework/Figures.h"
#include "ironcarbon/ExplorerReadout.h"
#include "ironcarbon/IronCarbonDiagram.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <span>
#include <vector>

namespace wb::ekderkunden {

namespace {

using ekd::kBlau;
using ekd::kDunkelrot;
using ekd::kSchwarz;
using ekd::kWeiss;

// --- The projection --------------------------------------------------------------------------

// The chapter's diagram's pixels taken to the explorer's: scaled about the field's top-left
// corner.
int scaledX(int x)
{
    return ekd::roundPixel(kFeldLinks + (x - ekd::kFieldLeft) * kMassstab);
}

int scaledY(int y)
{
    return ekd::roundPixel(kFeldOben + (y - ekd::kFieldTop) * kMassstab);
}

struct Scaled {
    std::vector<ekd::Row> rows;
    std::vector<ekd::Placed> placed;
    std::vector<ekd::VertexAt> vertexAt;
    ekd::Projection projection;
};

Scaled makeScaled()
{
    const ekd::Projection& d = ekd::diagramProjection();
    Scaled s;
    for (const ekd::Row& r : d.rows)
        s.rows.push_back({ r.celsius, scaledY(r.y) });
    for (const ekd::Placed& p : d.placed)
        s.placed.push_back({ p.point, { scaledX(p.at.X), scaledY(p.at.Y) } });
    for (const ekd::VertexAt& v : d.vertexAt)
        s.vertexAt.push_back({ v.line, v.vertex, { scaledX(v.at.X), scaledY(v.at.Y) } });
    const ekd::Scale scale { kFeldLinks, d.scale.perPercent * kMassstab,
        kFeldOben + (d.scale.baseY - ekd::kFieldTop) * kMassstab, d.scale.baseCelsius, d.scale.perDegree * kMassstab };
    s.projection = { scale, s.rows, s.placed, s.vertexAt, d.lowest, d.highest };
    return s;
}

const Scaled& scaled()
{
    static const Scaled s = makeScaled();
    return s;
}

// The strip lies a break below the field and is as high as a line of text.
constexpr int kStreifenAbstand = 7;
constexpr int kStreifenHoehe = 16;

// --- Texts -----------------------------------------------------------------------------------

// A text on the diagram beside a point, by its offset from the point's pixel.
struct Beschriftung {
    mek::Point point;
    int dx;
    int dy;
    const char* text;
};
// A text at a place given in % C and °C.
struct TextBei {
    double carbon;
    double celsius;
    int dy;
    const char* text;
};

using enum mek::Point;

// clang-format off
// The letters of the metastable system. At this size H, the δ-ferrite end of the peritectic,
// would stand on the temperature axis; it is left out.
constexpr Beschriftung kBuchstabenMetastabil[] = {
    { A, 3, -14, "A" }, { B, -2, -17, "B" }, { J, 1, 1, "J" }, { N, 3, -4, "N" },
    { G, 3, -15, "G" }, { P, 3, 1, "P" }, { S, 2, 1, "S" }, { K, 4, 1, "K" }, { E, 5, 1, "E" },
    { C, 4, 1, "C" }, { F, 4, -8, "F" }, { D, 4, -8, "D" }, { Q, 3, -17, "Q" },
};
constexpr Beschriftung kBuchstabenStabil[] = {
    { A, 3, -14, "A" }, { B, -2, -17, "B" }, { J, 1, 1, "J" }, { N, 3, -4, "N" },
    { G, 3, -15, "G" }, { Ps, 3, 1, "P´" }, { Ss, 2, 1, "S´" }, { Ks, 4, -8, "K´" }, { Es, -16, -14, "E´" },
    { Cs, 3, -16, "C´" }, { Fs, 4, -8, "F´" }, { Ds, -18, 0, "D´" }, { Q, 3, -17, "Q" },
};
// The temperatures of the horizontals, and the big fields.
constexpr TextBei kTexteMetastabil[] = {
    { 1.0, 1493, -16, "1493°C" }, { 3.0, 1147, 1, "1147°C" }, { 3.0, 723, 1, "723°C" },
    { 2.6, 1500, -8, "Schmelze" }, { 0.55, 1050, -8, "Austenit" },
};
constexpr TextBei kTexteStabil[] = {
    { 1.0, 1493, -16, "1493°C" }, { 3.0, 1153, -16, "1153°C" }, { 3.0, 738, -16, "738°C" },
    { 2.6, 1500, -8, "Schmelze" }, { 0.55, 1050, -8, "Austenit" },
};
// clang-format on

constexpr const char* kRaumtemperatur = "Raumtemperatur";
constexpr const char* kTemperaturAchse = "%1°C";
constexpr const char* kKohlenstoffAchse = "% C";
constexpr const char* kPhasenTitel = "Phasenanteile bei %1 °C";
constexpr const char* kGefuegeTitel = "Gefügeanteile bei %1 °C (nach langsamer Abkühlung)";
constexpr const char* kHundert = "100 %";
constexpr const char* kNull = "0 %";
constexpr const char* kKurvenTitel = "Abkühlkurve bei %1 % C (%2)";
constexpr const char* kMetastabil = "metastabil";
constexpr const char* kStabil = "stabil";
constexpr const char* kKurvenTemperatur = "%1 °C";
constexpr const char* kZeit = "Zeit";

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void timesFont(TCanvas& c, TColor color)
{
    c.Font.SetName(QStringLiteral("Times New Roman"));
    c.Font.SetHeight(15);
    c.Font.SetBold(false);
    c.Font.SetColor(color);
}

void sansFont(TCanvas& c, TColor color)
{
    c.Font.SetName(QStringLiteral("MS Sans Serif"));
    c.Font.SetHeight(-11);
    c.Font.SetBold(false);
    c.Font.SetColor(color);
}

void pen(TCanvas& c, TColor color, int width, TPenStyle style = psSolid)
{
    c.Pen.SetMode(pmCopy);
    c.Pen.SetColor(color);
    c.Pen.SetWidth(width);
    c.Pen.SetStyle(style);
}

void line(TCanvas& c, int x0, int y0, int x1, int y1)
{
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
}

// The chapter's background behind the field: yellow, then orange to red, then dark red bands; the
// texts on it are black down to where the orange turns red, white below.
TColor textColourAt(int y)
{
    return y < 200 ? kSchwarz : kWeiss;
}

// The last of the background's dark bands that starts inside a box of this height.
int lastBand(int height)
{
    int i = ekd::kFirstBand;
    while (ekd::bandY(i + 1) < height)
        ++i;
    return i;
}

// --- Shares ----------------------------------------------------------------------------------

struct Farbe {
    int kind; // the enumeration's value
    TColor color;
};

// clang-format off
// Bottom to top, as the areas of the classic chart stack: the lean phases first.
constexpr Farbe kPhasenFarben[] = {
    { int(mek::Phase::Ferrit), RGB(0xF4, 0xF0, 0xDC) },
    { int(mek::Phase::DeltaFerrit), RGB(0x9F, 0xD8, 0xE8) },
    { int(mek::Phase::Austenit), RGB(0xB8, 0x73, 0x3D) },
    { int(mek::Phase::Schmelze), RGB(0xE2, 0x22, 0x1A) },
    { int(mek::Phase::Zementit), RGB(0x9C, 0x9C, 0x9C) },
    { int(mek::Phase::Graphit), RGB(0x3C, 0x3C, 0x44) },
};
constexpr Farbe kGefuegeFarben[] = {
    { int(mek::Constituent::Ferrit), RGB(0xF4, 0xF0, 0xDC) },
    { int(mek::Constituent::VoreutektoiderFerrit), RGB(0xF4, 0xF0, 0xDC) },
    { int(mek::Constituent::DeltaFerrit), RGB(0x9F, 0xD8, 0xE8) },
    { int(mek::Constituent::Austenit), RGB(0xB8, 0x73, 0x3D) },
    { int(mek::Constituent::Perlit), RGB(0x5A, 0x50, 0x48) },
    { int(mek::Constituent::Tertiaerzementit), RGB(0xE4, 0xE4, 0xE4) },
    { int(mek::Constituent::Sekundaerzementit), RGB(0xC8, 0xC8, 0xC8) },
    { int(mek::Constituent::Schmelze), RGB(0xE2, 0x22, 0x1A) },
    { int(mek::Constituent::Ledeburit), RGB(0xC4, 0x9A, 0x6C) },
    { int(mek::Constituent::UmgewandelterLedeburit), RGB(0x8E, 0x86, 0x76) },
    { int(mek::Constituent::Primaerzementit), RGB(0xA8, 0xA8, 0xA8) },
    { int(mek::Constituent::Sekundaergraphit), RGB(0x55, 0x55, 0x5E) },
    { int(mek::Constituent::Graphiteutektikum), RGB(0x9A, 0x6A, 0x4A) },
    { int(mek::Constituent::Primaergraphit), RGB(0x3C, 0x3C, 0x44) },
    { int(mek::Constituent::Graphit), RGB(0x3C, 0x3C, 0x44) },
};
// clang-format on
static_assert(std::size(kPhasenFarben) == int(mek::Phase::Graphit) + 1);
static_assert(std::size(kGefuegeFarben) == int(mek::Constituent::Graphit) + 1);

constexpr int kTitelHoehe = 15;
constexpr int kBandHoehe = 56;
constexpr int kBandAbstand = 6;
constexpr TColor kAnteileGrund = RGB(0xFF, 0xFF, 0xFF);

// A column's piece of one area: its rows, top inclusive, bottom exclusive.
struct Piece {
    int top = 0;
    int bottom = 0;
};

// One band: for every column of the field the pieces of each area, and the areas' names.
struct Band {
    std::vector<std::vector<Piece>> pieces; // [area][column]
};

bool dark(TColor c)
{
    const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return r * 299 + g * 587 + b * 114 < 128000;
}

// Stacks one column's shares (kind, share) in the order of `colours` between `top` and `bottom`.
template <class Share, class KindOf>
void stackColumn(TCanvas& c, int x, int top, int bottom, const std::vector<Share>& shares, KindOf kindOf,
    std::span<const Farbe> colours, int column, Band& band)
{
    double below = 0;
    const int h = bottom - top;
    for (size_t a = 0; a < colours.size(); ++a) {
        for (const Share& s : shares) {
            if (kindOf(s) != colours[a].kind)
                continue;
            const int y0 = bottom - ekd::roundPixel(below * h);
            below += s.share;
            const int y1 = bottom - ekd::roundPixel(std::min(below, 1.0) * h);
            band.pieces[a][column] = { y1, y0 };
            if (y1 < y0) {
                c.Pen.SetColor(colours[a].color);
                line(c, x, y1, x, y0);
            }
        }
    }
}

// Each area's name where it fits: tried on the columns where the area is highest first (every
// fourth column), centred there, and written at the first place where the area holds the whole text.
void nameAreas(TCanvas& c, const Band& band, std::span<const Farbe> colours, QString (*name)(int))
{
    constexpr int kSchritt = 4;
    sansFont(c, kSchwarz);
    c.Brush.SetStyle(bsClear);
    const int th = c.TextHeight(QStringLiteral("Ag"));
    for (size_t a = 0; a < colours.size(); ++a) {
        const std::vector<Piece>& p = band.pieces[a];
        const int columns = int(p.size());
        auto height = [&](int x) { return p[size_t(x)].bottom - p[size_t(x)].top; };
        std::vector<int> candidates;
        for (int x = 0; x < columns; x += kSchritt)
            if (height(x) >= th + 2)
                candidates.push_back(x);
        if (candidates.empty())
            continue;
        std::stable_sort(candidates.begin(), candidates.end(), [&](int l, int r) { return height(l) > height(r); });
        const QString t = name(colours[a].kind);
        const int tw = c.TextWidth(t);
        if (tw > columns)
            continue;
        for (const int x : candidates) {
            const int ty = (p[size_t(x)].top + p[size_t(x)].bottom - th) / 2;
            const int left = std::clamp(x - tw / 2, 0, columns - tw);
            bool fits = true;
            for (int i = left; fits && i < left + tw; ++i)
                fits = p[size_t(i)].top <= ty && p[size_t(i)].bottom >= ty + th;
            if (!fits)
                continue;
            c.Font.SetColor(dark(colours[a].color) ? kWeiss : kSchwarz);
            c.TextOut(kFeldLinks + left, ty, t);
            break;
        }
    }
}

QString phaseNameOf(int kind)
{
    return phaseName(mek::Phase(kind));
}

QString constituentNameOf(int kind)
{
    return constituentName(mek::Constituent(kind));
}

// --- Cooling curve ---------------------------------------------------------------------------

constexpr int kKurveLinks = 50;
constexpr int kKurveRechtsRand = 10;
constexpr int kKurveOben = 24;
constexpr int kKurveUntenRand = 20;
constexpr double kKurveMaxC = 1600;
constexpr int kKurveSchritt = 400; // °C between the axis texts
constexpr TColor kKurveGrund = RGB(0xFF, 0xFF, 0xFF);
constexpr TColor kKurveFarbe = RGB(0x80, 0x80, 0x80);
constexpr TColor kLaufFarbe = RGB(0xFF, 0x00, 0x00);

int curveY(int height, double celsius)
{
    const int bottom = height - kKurveUntenRand;
    return ekd::roundPixel(bottom - celsius / kKurveMaxC * (bottom - kKurveOben));
}

} // namespace

// --- The diagram -----------------------------------------------------------------------------

const ekd::Projection& explorerProjection()
{
    return scaled().projection;
}

int fieldRight()
{
    return ekd::carbonX(explorerProjection(), mek::kZementitC);
}

int fieldBottom()
{
    return ekd::temperatureY(explorerProjection(), mek::kTiefsteTemperatur);
}

int stripTop()
{
    return fieldBottom() + kStreifenAbstand;
}

int stripBottom()
{
    return stripTop() + kStreifenHoehe;
}

int stripRow()
{
    return stripTop() + kStreifenHoehe / 2;
}

std::optional<double> carbonAtColumn(int x)
{
    if (x < kFeldLinks || x > fieldRight())
        return std::nullopt;
    const double c = std::round(ekd::carbonOf(explorerProjection(), x) * 100) / 100;
    return std::clamp(c, 0.0, mek::kZementitC);
}

std::optional<mek::State> pointAt(int x, int y)
{
    const std::optional<double> c = carbonAtColumn(x);
    if (!c)
        return std::nullopt;
    if (y >= kFeldOben && y <= fieldBottom()) {
        const double t = std::round(ekd::celsiusOf(explorerProjection(), y));
        return mek::State { *c, std::clamp(t, mek::kTiefsteTemperatur, double(kTemperaturMax)) };
    }
    if (y >= stripTop() && y < stripBottom())
        return mek::State { *c, mek::kRaumtemperatur };
    return std::nullopt;
}

TPoint pixelAt(mek::State s)
{
    if (s.celsius < mek::kTiefsteTemperatur)
        return { ekd::carbonX(explorerProjection(), s.carbon), stripRow() };
    return ekd::pixelOf(explorerProjection(), s);
}

void drawDiagram(TCanvas& c, int width, int height, mek::System s, double legierung)
{
    const bool metastabil = s == mek::System::Metastable;
    const ekd::View view = metastabil ? ekd::View::Metastable : ekd::View::Stable;
    const ekd::Projection& p = explorerProjection();
    const int right = fieldRight(), bottom = fieldBottom();
    const TColor beschriftung = metastabil ? kBlau : kDunkelrot;

    pen(c, ekd::kGelb, 1);
    c.Brush.SetColor(ekd::kGelb);
    c.Rectangle(0, 0, width, height);
    ekd::drawBackground(c, width, lastBand(height));

    // The field and the strip in the view's colours, the temperature axis broken between them.
    const ekd::FieldColours field = ekd::fieldColours(view);
    pen(c, field.frame, 2);
    c.Brush.SetColor(field.fill);
    c.Rectangle(kFeldLinks, kFeldOben, right, bottom);
    c.Rectangle(kFeldLinks, stripTop(), right, stripBottom());
    pen(c, field.frame, 1);
    for (const int x : { kFeldLinks, right }) {
        line(c, x - 4, bottom + 4, x + 5, bottom + 1);
        line(c, x - 4, stripTop() - 1, x + 5, stripTop() - 4);
    }

    ekd::drawLines(c, p, ekd::viewLines(view), 1);
    // The verticals under S, E and C reach into the strip too.
    if (metastabil) {
        pen(c, kBlau, 1, psDash);
        for (const mek::Point q : { S, E, C }) {
            const int x = ekd::pixelOf(p, q).X;
            line(c, x, stripTop(), x, stripBottom());
        }
    }
    // The chosen alloy.
    pen(c, kSchwarz, 1, psDot);
    const int ax = ekd::carbonX(p, legierung);
    line(c, ax, kFeldOben + 1, ax, bottom);
    line(c, ax, stripTop() + 1, ax, stripBottom() - 1);
    pen(c, kSchwarz, 1);

    c.Brush.SetStyle(bsClear);
    // Temperatures every 100 °C left of the field, room temperature beside the strip.
    timesFont(c, kSchwarz);
    const int th = c.TextHeight(QStringLiteral("0"));
    auto axisText = [&](int y, const QString& t) {
        c.Font.SetColor(textColourAt(y));
        c.TextOut(kFeldLinks - 3 - c.TextWidth(t), y - th / 2, t);
    };
    for (int t = 500; t <= kTemperaturMax; t += 100)
        axisText(ekd::temperatureY(p, t), text(kTemperaturAchse).arg(t));
    axisText(stripRow(), text(kTemperaturAchse).arg(int(mek::kRaumtemperatur)));
    // Carbon every per cent under the strip.
    c.Font.SetColor(kWeiss);
    for (int i = 0; i <= 6; ++i) {
        const QString t = QString::number(i);
        c.TextOut(ekd::carbonX(p, i) - c.TextWidth(t) / 2, stripBottom() + 1, t);
    }
    const QString einheit = text(kKohlenstoffAchse);
    c.TextOut(std::min(right - c.TextWidth(einheit) / 2, width - c.TextWidth(einheit)), stripBottom() + 1, einheit);

    // Letters, temperatures and fields in the view's colour.
    c.Font.SetColor(beschriftung);
    for (const Beschriftung& b : metastabil ? std::span(kBuchstabenMetastabil) : std::span(kBuchstabenStabil)) {
        const TPoint at = ekd::pixelOf(p, b.point);
        c.TextOut(at.X + b.dx, at.Y + b.dy, text(b.text));
    }
    for (const TextBei& t : metastabil ? std::span(kTexteMetastabil) : std::span(kTexteStabil)) {
        const TPoint at = ekd::pixelOf(p, mek::State { t.carbon, t.celsius });
        c.TextOut(at.X, at.Y + t.dy, text(t.text));
    }
    sansFont(c, beschriftung);
    const QString raum = text(kRaumtemperatur);
    c.TextOut(right - 6 - c.TextWidth(raum), stripTop() + (kStreifenHoehe - c.TextHeight(raum)) / 2, raum);
}

Marks marksAt(mek::System s, double carbon, mek::CoolingMoment m)
{
    const ekd::Projection& p = explorerProjection();
    Marks out;
    out.point = pixelAt({ carbon, m.celsius });
    const std::optional<mek::TieLine> tie = mek::tieLineAt(s, carbon, m);
    if (!tie)
        return out;
    out.tie = true;
    if (m.celsius < mek::kTiefsteTemperatur) {
        out.lean = { ekd::carbonX(p, tie->lean.carbon), stripRow() };
        out.rich = { ekd::carbonX(p, std::min(tie->rich.carbon, mek::kZementitC)), stripRow() };
    } else {
        out.lean = ekd::tieEnd(p, tie->lean, tie->leanLine, m.celsius);
        out.rich = ekd::tieEnd(p, tie->rich, tie->richLine, m.celsius);
    }
    // Graphite, pure carbon, lies far right of the field: the line ends at the field's edge.
    if (tie->rich.carbon > mek::kZementitC) {
        out.rich.X = fieldRight();
        out.richCut = true;
    }
    return out;
}

void toggleMarks(TCanvas& c, const Marks& m)
{
    // Inverted pixels: NOT (pen XOR under) with a black pen. No pixel is drawn twice, so each is
    // inverted once, and drawing the marks again restores the picture.
    c.Pen.SetMode(pmNotXor);
    c.Pen.SetColor(kSchwarz);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psSolid);
    c.Brush.SetColor(kSchwarz);
    const int x = m.point.X, y = m.point.Y;
    c.Rectangle(x - 2, y - 2, x + 3, y + 3);
    if (m.tie) {
        if (m.lean.X <= x - 3)
            line(c, m.lean.X, y, x - 2, y);
        if (m.rich.X >= x + 3)
            line(c, x + 3, y, m.rich.X + 1, y);
        line(c, m.lean.X, y - 3, m.lean.X, y);
        line(c, m.lean.X, y + 1, m.lean.X, y + 4);
        if (m.richCut) {
            line(c, m.rich.X - 4, y - 3, m.rich.X - 1, y);
            line(c, m.rich.X - 4, y + 3, m.rich.X - 1, y);
        } else {
            line(c, m.rich.X, y - 3, m.rich.X, y);
            line(c, m.rich.X, y + 1, m.rich.X, y + 4);
        }
    }
    c.Pen.SetMode(pmCopy);
}

// --- The shares over the carbon range --------------------------------------------------------

int bandTop(int band)
{
    return kTitelHoehe + band * (kTitelHoehe + kBandHoehe + kBandAbstand);
}

int bandBottom(int band)
{
    return bandTop(band) + kBandHoehe;
}

void drawShares(TCanvas& c, int width, int height, mek::System s, double celsius)
{
    const ekd::Projection& p = explorerProjection();
    pen(c, kAnteileGrund, 1);
    c.Brush.SetColor(kAnteileGrund);
    c.Rectangle(0, 0, width, height);

    const int columns = fieldRight() - kFeldLinks + 1;
    Band phasen { std::vector<std::vector<Piece>>(std::size(kPhasenFarben), std::vector<Piece>(size_t(columns))) };
    Band gefuege { std::vector<std::vector<Piece>>(std::size(kGefuegeFarben), std::vector<Piece>(size_t(columns))) };
    for (int i = 0; i < columns; ++i) {
        const int x = kFeldLinks + i;
        const double carbon = std::clamp(ekd::carbonOf(p, x), 0.0, mek::kZementitC);
        const mek::State at { carbon, celsius };
        stackColumn(
            c, x, bandTop(0), bandBottom(0), mek::phases(s, at),
            [](const mek::PhaseShare& ph) { return int(ph.phase); }, kPhasenFarben, i, phasen);
        stackColumn(
            c, x, bandTop(1), bandBottom(1), mek::constituents(s, at),
            [](const mek::ConstituentShare& k) { return int(k.constituent); }, kGefuegeFarben, i, gefuege);
    }

    // Frames, titles and the scale of each band.
    pen(c, kSchwarz, 1);
    c.Brush.SetStyle(bsClear);
    sansFont(c, kSchwarz);
    const QString grad = celsiusText(celsius);
    const QString titel[] = { text(kPhasenTitel).arg(grad), text(kGefuegeTitel).arg(grad) };
    for (int band = 0; band < 2; ++band) {
        c.Rectangle(kFeldLinks - 1, bandTop(band) - 1, fieldRight() + 2, bandBottom(band) + 1);
        c.TextOut(kFeldLinks, bandTop(band) - kTitelHoehe, titel[band]);
        const QString hundert = text(kHundert), null = text(kNull);
        c.TextOut(kFeldLinks - 4 - c.TextWidth(hundert), bandTop(band) - 1, hundert);
        c.TextOut(kFeldLinks - 4 - c.TextWidth(null), bandBottom(band) - c.TextHeight(null) + 1, null);
    }
    nameAreas(c, phasen, kPhasenFarben, phaseNameOf);
    // The constituents' names are written in the lower band's rows.
    nameAreas(c, gefuege, kGefuegeFarben, constituentNameOf);
}

void toggleShareMarker(TCanvas& c, int height, double carbon)
{
    const int x = ekd::carbonX(explorerProjection(), carbon);
    c.Pen.SetMode(pmNotXor);
    c.Pen.SetColor(kSchwarz);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psSolid);
    // Across the bars of both bands, not across the lower band's title.
    line(c, x, bandTop(0), x, bandBottom(0));
    line(c, x, bandTop(1), x, std::min(height, bandBottom(1)));
    c.Pen.SetMode(pmCopy);
}

// --- The cooling curve -----------------------------------------------------------------------

TPoint curvePixel(int width, int height, const mek::CoolingCurve& curve, double seconds, double celsius)
{
    const int right = width - kKurveRechtsRand;
    const double u = curve.duration() > 0 ? seconds / curve.duration() : 0;
    return { ekd::roundPixel(kKurveLinks + u * (right - kKurveLinks)), curveY(height, celsius) };
}

void drawCoolingCurve(TCanvas& c, int width, int height, const mek::CoolingCurve& curve, double runSeconds)
{
    const int right = width - kKurveRechtsRand, bottom = height - kKurveUntenRand;
    pen(c, kSchwarz, 1);
    c.Brush.SetColor(kKurveGrund);
    c.Rectangle(0, 0, width, height);
    c.Brush.SetStyle(bsClear);
    sansFont(c, kSchwarz);
    const bool metastabil = curve.system == mek::System::Metastable;
    c.TextOut(6, 3, text(kKurvenTitel).arg(carbonText(curve.carbon), text(metastabil ? kMetastabil : kStabil)));

    // Axes with the temperatures every 400 °C and the time to the right.
    line(c, kKurveLinks, kKurveOben - 4, kKurveLinks, bottom + 1);
    line(c, kKurveLinks, bottom, right + 4, bottom);
    line(c, right + 1, bottom - 3, right + 4, bottom);
    line(c, right + 1, bottom + 3, right + 4, bottom);
    const int th = c.TextHeight(QStringLiteral("0"));
    for (int t = 0; t <= int(kKurveMaxC); t += kKurveSchritt) {
        const int y = curveY(height, t);
        const QString label = text(kKurvenTemperatur).arg(t);
        c.TextOut(kKurveLinks - 5 - c.TextWidth(label), y - th / 2, label);
        line(c, kKurveLinks - 3, y, kKurveLinks, y);
    }
    const QString zeit = text(kZeit);
    c.TextOut(right + 4 - c.TextWidth(zeit), bottom + 2, zeit);

    // The whole curve, then its arrests' temperatures.
    pen(c, kKurveFarbe, 1);
    std::vector<TPoint> points;
    for (const mek::CurvePoint& q : curve.points)
        points.push_back(curvePixel(width, height, curve, q.seconds, q.celsius));
    draw(c, Polyline { points });
    c.Font.SetColor(kBlau);
    for (const mek::Arrest& a : curve.arrests) {
        const TPoint end = curvePixel(width, height, curve, a.end, a.celsius);
        c.TextOut(std::min(end.X + 3, right - c.TextWidth(text(kKurvenTemperatur).arg(int(a.celsius)))), end.Y - th,
            text(kKurvenTemperatur).arg(int(a.celsius)));
    }
    if (runSeconds > 0)
        drawRunPart(c, width, height, curve, 0, runSeconds);
}

void drawRunPart(TCanvas& c, int width, int height, const mek::CoolingCurve& curve, double from, double to)
{
    std::vector<TPoint> points { curvePixel(width, height, curve, from, mek::momentAt(curve, from).celsius) };
    for (const mek::CurvePoint& q : curve.points)
        if (q.seconds > from && q.seconds < to)
            points.push_back(curvePixel(width, height, curve, q.seconds, q.celsius));
    points.push_back(curvePixel(width, height, curve, to, mek::momentAt(curve, to).celsius));
    pen(c, kLaufFarbe, 2);
    draw(c, Polyline { points });
    pen(c, kSchwarz, 1);
}

void toggleCurveMarker(TCanvas& c, int width, int height, double celsius)
{
    const int y = curveY(height, celsius);
    c.Pen.SetMode(pmNotXor);
    c.Pen.SetColor(kSchwarz);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psSolid);
    line(c, kKurveLinks + 1, y, width - kKurveRechtsRand + 1, y);
    c.Pen.SetMode(pmCopy);
}

} // namespace wb::ekderkunden
