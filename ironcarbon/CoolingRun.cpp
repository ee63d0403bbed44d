// The cooling lessons' diagram and the tick that plays their runs.
#include "ironcarbon/CoolingRun.h"

#include "ironcarbon/IronCarbonDiagram.h"

#include <algorithm>

namespace wb::ekd::cooling {

namespace {

// clang-format off
// Above 1000 °C the temperatures stand on the yellow part of the background and are black;
// below they stand on the dark bands and are yellow.
constexpr TextAt kTemperaturenGelb[] = {
    { 5, 442, " 600°C" }, { 5, 399, " 700°C" }, { 5, 356, " 800°C" }, { 5, 313, " 900°C" },
};
constexpr TextAt kTemperaturenSchwarz[] = {
    { 5, 270, "1000°C" }, { 5, 227, "1100°C" }, { 5, 184, "1200°C" }, { 5, 141, "1300°C" },
    { 5, 98, "1400°C" }, { 5, 55, "1500°C" }, { 5, 14, "1600°C" },
};
constexpr int kKohlenstoffY = 455;
constexpr int kZementitY = 475;
// The cementite axis ends with its unit: Fe3C, the 3 as an index.
constexpr TextAt kZementitEnde[] = {
    { 583, kZementitY, "80" }, { 650, kZementitY, "90" }, { 707, kZementitY, "100 % " },
    { 670, kZementitY, "Fe   C" },
};
constexpr TextAt kIndex3 { 682, 480, "3" };

// The field ends at 600 °C here: the lines that run down to the bottom of the whole diagram end on
// its lower edge, P–Q meets the iron axis there.
constexpr double kTiefste = 600;
// The liquidus from A runs on two pixels past B, as in the whole diagram; the line from A to H
// starts where the straight axis puts 1536 °C, six pixels below A.
constexpr VertexAt kVertexAt[] = {
    { mek::Line::AB, 5, { 102, 66 } },
    { mek::Line::AH, 0, { 50, 48 } },
};

using enum mek::Line;
// The metastable lines, one pixel wide, then the dashed ones.
constexpr mek::Line kLinien[] = { PSK, QP, PG, ECF, SE, SG, HJB, BC, CD, JE, AB, AH, HN, JN };
constexpr DiagramLine kGestrichelt[] = {
    { CUnten, kSchwarz, true }, { EUnten, kSchwarz, true }, { SUnten, kSchwarz, true }, { MO, kSchwarz, true },
};

constexpr TextAt kBeschriftung[] = {
    { 53, 27, "A" }, { 100, 49, "B" }, { 488, 217, "C" }, { 720, 135, "D" }, { 260, 218, "E" },
    { 720, 218, "F" }, { 54, 305, "G" }, { 135, 396, "S" }, { 100, 360, "O" }, { 40, 63, "H" },
    { 69, 75, "J" }, { 53, 110, "N" }, { 37, 370, "M" }, { 60, 396, "P" }, { 57, 432, "Q" },
    { 720, 430, "L" }, { 720, 396, "K" },
    { 520, 200, "1147°C" }, { 520, 380, " 723°C" },
    { 420, 70, "Schmelze" }, { 200, 130, "Schmelze + Austenit" }, { 100, 240, "Austenit" },
    { 165, 375, "Sekundärzementit" }, { 170, 400, "Perlit+" }, { 160, 420, "Sekundärzementit" },
    { 75, 400, "Perlit+" }, { 120, 413, "Perlit" }, { 483, 275, "Ledeburit" }, { 380, 300, "+Ledeburit" },
    { 380, 320, "+Sekundärzementit" }, { 580, 280, "Primärzementit+" }, { 580, 300, "Ledeburit" },
    { 258, 400, "Sekundärzementit+" }, { 275, 415, "Perlit+" }, { 270, 430, "Ledeburit" },
    { 540, 400, "Primärzementit+" }, { 540, 420, "Ledeburit" }, { 600, 170, "Schmelze+" },
    { 600, 185, "Primärzementit" }, { 76, 37, "Schmelze" }, { 190, 75, "Liquiduslinie" },
    { 203, 170, "Soliduslinie" },
};
// The solid solutions, in "Symbol": a α, g γ, d δ.
constexpr TextAt kSymbole[] = {
    { 180, 340, "g-MK+" }, { 70, 425, "a-MK" }, { 390, 280, "g-MK" }, { 10, 328, "a-MK+" }, { 16, 339, "g-MK" },
    { 18, 415, "a-MK" }, { 15, 80, "d-MK" }, { 130, 37, "+ d-MK" }, { 65, 88, "d+" }, { 58, 101, "g-MK" },
    { 120, 260, "g-MK" },
};
// clang-format on

// The field is shaded in rows three pixels apart, from yellow at y = 100 to orange at y = 448.
constexpr int kErsteSchattierung = 20;
constexpr int kLetzteSchattierung = 136;

void drawField(TCanvas& c)
{
    // The frame keeps the pen the background left: width 2 in the last band's dark red.
    c.Brush.SetColor(kGelb);
    c.Rectangle(kFieldLeft, kFieldTop, kFieldRight, kFieldBottom);
    c.Pen.SetWidth(3);
    for (int i = kErsteSchattierung; i <= kLetzteSchattierung; ++i) {
        c.Pen.SetColor(RGB(255, 275 - i, 0));
        draw(c, Segment { { 52, 3 * i + 40 }, { 713, 3 * i + 40 } });
    }
}

void drawAxes(TCanvas& c, int height)
{
    c.Font.SetColor(kGelb);
    c.Brush.SetStyle(bsClear);
    c.Pen.SetColor(kSchwarz);
    c.Pen.SetWidth(1);
    drawAll(c, kTemperaturenGelb);
    c.Font.SetColor(kSchwarz);
    drawAll(c, kTemperaturenSchwarz);
    c.Font.SetColor(kGelb);
    // "0,0", "0,5" … "6,0" every half per cent, the text's left edge 8 pixels before its place.
    for (int i = 0; i <= 12; ++i)
        c.TextOut(42 + 50 * i, kKohlenstoffY, QStringLiteral("%1,%2").arg(i / 2).arg(i % 2 == 0 ? 0 : 5));
    c.TextOut(690, kKohlenstoffY, QStringLiteral("6,67 % C"));
    // Cementite in steps of 10 % every 67 pixels; the last ones stand where they fit.
    for (int i = 0; i <= 7; ++i)
        c.TextOut(46 + 67 * i, kZementitY, QString::number(10 * i));
    drawAll(c, kZementitEnde);
    // The index stands so low that in our faces its cell would run past the box's bottom edge and
    // be cut; it moves up just enough to be read whole.
    const QString index = QString::fromUtf8(kIndex3.text);
    c.TextOut(kIndex3.x, std::min(kIndex3.y, height - c.TextHeight(index)), index);
}

void setUp(const Leinwand& on, TColor grund)
{
    on.haupt.Font.SetName(QStringLiteral("Ms Sans Serif"));
    on.umwandlung.Font.SetName(QStringLiteral("Ms Sans Serif"));
    on.haupt.Font.SetColor(kSchwarz);
    on.haupt.Font.SetHeight(14);
    on.haupt.Pen.SetColor(kSchwarz);
    on.haupt.Pen.SetWidth(kStiftBreite);
    on.haupt.Brush.SetColor(grund);
    on.umwandlung.Pen.SetColor(kKonodeGrau);
    on.umwandlung.Pen.SetWidth(kStiftBreite);
    on.umwandlung.Pen.SetMode(pmNotXor);
}

Segment konode(const Punkte& p)
{
    return { { p.links, p.y }, { p.rechts, p.y } };
}

// A stage's rows are its table and, if it has one, the row below it; each is reached at its own y,
// the row below at the marker's end the stage gives.
int rowCount(const Stufe& s)
{
    return int(s.zeilen.size()) + (s.schlussMarke != 0 ? 1 : 0);
}

const Punkte& row(const Stufe& s, int i)
{
    return i < int(s.zeilen.size()) ? s.zeilen[i] : s.schluss;
}

int markeOf(const Stufe& s, int i)
{
    return i < int(s.zeilen.size()) ? s.zeilen[i].y : s.schlussMarke;
}

void trace(const Stufe& s, const Punkte& vorher, const Punkte& p, TCanvas& haupt)
{
    TPoint links { vorher.links, vorher.y };
    TPoint rechts { vorher.rechts, vorher.y };
    for (const SpurVon& v : s.spurVon) {
        if (v.y != p.y)
            continue;
        if (v.keine)
            return;
        links = v.links;
        rechts = v.rechts;
    }
    draw(haupt, Segment { links, { p.links, p.y } });
    draw(haupt, Segment { rechts, { p.rechts, p.y } });
}

// Row i of a stage, reached by the marker's end.
void playRow(const Stufe& s, int i, const Leinwand& on)
{
    const Punkte& p = row(s, i);
    if (i == 0) {
        draw(on.haupt, konode(p));
        return;
    }
    // The first row's tie line is on the diagram, not on the overlay: there is nothing to erase.
    if (i >= 2)
        draw(on.umwandlung, konode(row(s, i - 1)));
    trace(s, row(s, i - 1), p, on.haupt);
    if (i < rowCount(s) - 1)
        draw(on.umwandlung, konode(p));
    else if (s.letzteKonode.from.X != s.letzteKonode.to.X || s.letzteKonode.from.Y != s.letzteKonode.to.Y)
        draw(on.haupt, s.letzteKonode);
    else
        draw(on.haupt, konode(p));
}

void play(const Lauf& lauf, Zustand& z, const Leinwand& on)
{
    const int marke = z.MarkeY;
    for (const Stufe& s : lauf.stufen) {
        for (int i = 0; i < rowCount(s); ++i) {
            if (markeOf(s, i) == marke)
                playRow(s, i, on);
        }
    }
    for (const BildSchritt& b : lauf.bilder) {
        if (b.marke != marke)
            continue;
        TImageList& liste = b.liste == 0 ? on.liste1 : on.liste2;
        int& nr = b.liste == 0 ? z.BildNr : z.BildNr2;
        if (b.nochmal >= 0) {
            liste.Draw(on.haupt, b.at.X, b.at.Y, b.nochmal);
        } else {
            liste.Draw(on.haupt, b.at.X, b.at.Y, nr);
            ++nr;
        }
    }
    for (const Beschriftung& t : lauf.texte) {
        if (t.marke != marke)
            continue;
        on.haupt.Font.SetColor(t.schrift);
        on.haupt.Brush.SetColor(t.grund);
        draw(on.haupt, t.text);
    }
    for (const Strich& s : lauf.striche) {
        if (s.marke == marke)
            draw(on.haupt, s.linie);
    }
    if (lauf.sprungBei != 0 && marke == lauf.sprungBei)
        z.MarkeY = lauf.sprungNach;
}

} // namespace

const Projection& projection()
{
    static const Projection p { diagramProjection().scale, diagramProjection().rows, diagramProjection().placed,
        kVertexAt, kTiefste, diagramProjection().highest };
    return p;
}

void drawDiagram(TCanvas& c, int width, int height)
{
    c.Font.SetName(QStringLiteral("Times New Roman"));
    c.Font.SetHeight(15);
    c.Font.SetColor(kSchwarz);
    c.Pen.SetStyle(psSolid);
    c.Pen.SetWidth(2);
    c.Pen.SetColor(kSchwarz);
    drawBackground(c, width, kLastBand);
    drawField(c);
    drawAxes(c, height);
    for (const mek::Line line : kLinien) {
        const std::vector<TPoint> points = pixelsOf(projection(), line);
        draw(c, Polyline { points });
    }
    drawLines(c, projection(), kGestrichelt, 1);
    drawTimesTexts(c, kBeschriftung, kSchwarz);
    drawSymbolTexts(c, kSymbole, kSchwarz);
}

bool tick(const Lauf& lauf, Zustand& z, const Leinwand& on)
{
    if (z.MarkeY < lauf.endeMarke) {
        setUp(on, lauf.grund);
        on.haupt.MoveTo(lauf.legierungX, z.MarkeY);
        z.MarkeY += kMarkeSchritt;
        on.haupt.LineTo(lauf.legierungX, z.MarkeY);
        play(lauf, z, on);
    }
    return z.MarkeY >= lauf.endeMarke;
}

} // namespace wb::ekd::cooling
