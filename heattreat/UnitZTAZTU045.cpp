// Isothermal ZTA and continuous ZTU diagram of a steel with 0.45 % C: austenitising, then five cooling rates.
#include "heattreat/UnitZTAZTU045.h"

#include "diagrams/Panels.h"
#include "framework/Figures.h"
#include "model/LessonSteels.h"

#include <array>
#include <cassert>
#include <cmath>
#include <iterator>

namespace wb {

TFormZTAZTU045* FormZTAZTU045 = nullptr;

namespace {

constexpr int kMemoFontHeight = 18;

// clang-format off
constexpr const char* kMemo[] = {
    " Die Darstellung zeigt im Zusammen-",
    " hang eine Austenitisierung ",
    " (isothermes ZTA-Schaubild) ",
    " und die Phasenmwandlung bei ",
    " stetiger Abkühlung ",
    " (kontinuierliches  ZTU-Schaubild) ",
    " am Beispiel eines unlegierten Stahles ",
    " mit 0.45% C. Sie zeigt schematisch ",
    " eine Prozessführung,wie sie bei tech-",
    " nischen Wärmebehandlungspro-",
    " zessen durchgeführt wird. ",
};
static_assert(std::size(kMemo) == 11);

// The layout: the ZTU diagram from (412, 20) to (W − 10, H − 70) on the right; the isothermal
// ZTA diagram takes the place other forms give the EKD corner, from (93, 20) to (W − 337, H − 70).
// Both have six rows of 200 °C and six decades of time.
constexpr ztaztu::LayoutRule kLayout = { 412, 10, 70, 6, 93, 337 };
// The overlay of the cooling curves starts two rows below the ZTU diagram's top (at about
// 806 °C) and reaches 20 pixels beyond its right edge.
constexpr ztaztu::OverlayRule kOverlay = { 2, 0, 20 };

// Step 4: the temperature scale, left of the ZTA diagram.
constexpr ColoredText kTemperaturen[] = {
    { 88, 5, "Temperatur/°C", clBlack }, { 60, 16, "1200", clBlack }, { 63, 84, "1000", clBlack },
    { 63, 152, " 800", clBlack }, { 63, 220, " 600", clYellow }, { 63, 288, " 400", clWhite },
    { 63, 356, " 200", clWhite },
};

// Step 5: the decades under both diagrams, in white, each exponent raised beside its "10".
constexpr TextAt kZeiten[] = {
    { 407, 436, "10" }, { 423, 430, "-1" }, { 461, 436, "1" }, { 515, 436, "10" }, { 569, 436, "10" },
    { 585, 430, "2" }, { 623, 436, "10" }, { 639, 430, "3" }, { 677, 436, "10" }, { 693, 430, "4" },
    { 724, 436, "10" }, { 739, 430, "5" }, { 679, 455, "Zeit/sec" },
    { 142, 436, "10" }, { 158, 430, "-1" }, { 195, 436, "1" }, { 245, 436, "10" }, { 261, 430, "1" },
    { 299, 436, "10" }, { 315, 430, "2" }, { 353, 436, "10" }, { 369, 430, "3" }, { 333, 455, "Zeit/sec" },
};

// Step 6: the transformation lines of the ZTU diagram. The martensite start runs level from the
// left edge; the bainite bay, the pearlite start and end and the ferrite start follow.
constexpr TPoint kMsLinie[] = { { 412, 314 }, { 491, 314 } };
constexpr TPoint kMsAbfall[] = { { 491, 314 }, { 545, 336 } };
constexpr TPoint kPerlitEnde[] = {
    { 585, 430 }, { 571, 420 }, { 566, 410 }, { 555, 382 }, { 520, 226 }, { 521, 223 },
    { 525, 219 }, { 531, 216 }, { 574, 210 }, { 628, 203 }, { 682, 196 }, { 736, 191 },
};
constexpr TPoint kPerlitBeginn[] = {
    { 482, 253 }, { 486, 238 }, { 488, 233 }, { 493, 226 }, { 504, 219 }, { 512, 214 }, { 520, 211 },
    { 521, 210 }, { 525, 209 }, { 531, 208 }, { 574, 202 }, { 628, 195 }, { 682, 188 }, { 736, 184 },
};
constexpr TPoint kFerritBeginn[] = {
    { 736, 170 }, { 682, 175 }, { 628, 180 }, { 574, 186 }, { 520, 193 }, { 509, 196 },
    { 498, 199 }, { 488, 204 }, { 478, 212 }, { 475, 216 }, { 475, 227 }, { 485, 270 },
};
constexpr TPoint kBainitBucht[] = { { 491, 314 }, { 483, 294 }, { 481, 287 }, { 483, 274 }, { 520, 226 } };
constexpr ztaztu::Curve kZtuLinien[] = {
    { 2, { kMsLinie } }, { 2, { kMsAbfall } }, { 2, { kPerlitEnde } },
    { 2, { kPerlitBeginn } }, { 2, { kFerritBeginn } }, { 2, { kBainitBucht } },
};

// Step 7: the phases of the ZTU diagram, in black.
constexpr ColoredText kZtuPhasen[] = {
    { 477, 76, "Austenit", clBlack }, { 494, 199, "Ferrit", clBlack }, { 487, 233, "Perlit", clBlack },
    { 493, 274, "Bainit", clBlack }, { 423, 369, "Martensit", clBlack }, { 444, 301, "Ms", clBlack },
};

// Step 8: the two titles, white on blue over the ZTA diagram and on purple over the ZTU diagram.
struct Titel {
    TColor brush;
    Box box;
    TextAt lines[3];
};
constexpr Titel kTitel[] = {
    { clBlue, { 241, 36, 400, 104 },
        { { 273, 42, "  Austenitisierung" }, { 273, 63, "   im isothermen " }, { 278, 83, " ZTA-Schaubild " } } },
    { clPurple, { 560, 36, 719, 104 },
        { { 598, 42, "  Abkühlung" }, { 592, 63, " im kontinuierlichen " }, { 598, 83, " ZTU-Schaubild " } } },
};

// Step 9: the ZTA diagram's lines A(c1b), A(c1e) and A(c3). Each starts as a short polyline
// that falls a little with time; from a point on it a parabola c − f · (k − k0)² carries it
// on for k = kVon … kBis, at x = k − 270.
constexpr TColor kZtaStift = RGB(0x0A, 0x00, 0x00);
constexpr int kParabelVersatz = 270;
constexpr TPoint kAc1b[] = { { 147, 153 }, { 158, 155 }, { 169, 157 }, { 179, 158 } };
constexpr TPoint kAc1e[] = { { 147, 141 }, { 158, 142 }, { 179, 146 } };
constexpr TPoint kAc3[] = { { 147, 117 }, { 169, 118 }, { 179, 119 }, { 190, 122 }, { 201, 125 } };
// Pen, width, polyline, the parabola's start point, c, f, k0, kVon, kBis and the shift to x.
constexpr ztaztu::ParabolaLine kZtaLinien[] = {
    { kZtaStift, 2, kAc1b, { 160, 156 }, 184, 0.00042, 690, 430, 680, -kParabelVersatz },
    { kZtaStift, 2, kAc1e, { 160, 142 }, 178, 0.0005,  704, 440, 680, -kParabelVersatz },
    { kZtaStift, 2, kAc3,  { 185, 122 }, 166, 0.00044, 775, 455, 640, -kParabelVersatz },
};
// The homogeneity line running into the ZTU diagram at 800 °C, and the line at 1 s.
constexpr Segment kZtaGeraden[] = { { { 368, 157 }, { 412, 161 } }, { { 146, 20 }, { 146, 430 } } };

// Step 10: the ZTA diagram's fields in black, its lines' names white on black.
constexpr TextAt kZtaFelder[] = {
    { 183, 178, " Perlit + Ferrit" }, { 210, 140, " A + F " }, { 173, 42, " Austenit " },
    { 151, 142, "A" }, { 163, 145, "+F" }, { 173, 147, "+K" },
};
constexpr TextAt kZtaLinienNamen[] = { { 103, 127, " A(c1e) " }, { 103, 144, " A(c1b) " }, { 103, 110, " A(c3) " } };

// The austenitising stage on PaintBoxHaupt: heating from (93, 430) while x < 144, redrawn from
// its start each tick, then holding at 800 °C (y = 158) across the ZTA diagram until x reaches
// W − 337, its right edge. Where the holding line crosses A(c1b), A(c1e) and A(c3) a dot marks it.
constexpr TPoint kHeizStart = { 93, 430 };
constexpr int kHaltenAb = 144;
constexpr float kHalteY = 158;
constexpr int kZtaRand = 337;
constexpr int kStufenWeite = 4; // width of the run's red pen
constexpr TColor kGruen = RGB(0x00, 0x80, 0x00);
constexpr int kHeizTextX = 98;
constexpr TextAt kHeizText[] = {
    { 2, 235, "   Aufheiz-   " }, { 2, 250, "   geschwindigkeit   " }, { 2, 265, "   = 130 °C/sec   " },
};
constexpr int kHalteTextX = 143;
constexpr TextAt kHalteText[] = { { 260, 190, "   isothermes Halten   " }, { 260, 205, "   bei T = 800°C " } };
struct HalteMarke {
    int x;
    TColor fill;
};
constexpr HalteMarke kHalteMarken[] = { { 176, clBlack }, { 240, clBlack }, { 380, clWhite } };

// While the first cooling stage starts, two lines on PaintBoxHaupt say what follows.
constexpr int kAbkuehlTextBis = 20;
constexpr TextAt kAbkuehlText[] = {
    { 420, 120, "   kontinuierliche Abkühlung von T = 800°C   " },
    { 420, 135, "   mit unterschiedlichen mittleren Geschwindigkeiten v  " },
};

// The cooling stages on PaintBoxLog, whose origin is the ZTU diagram's left edge at 806 °C.
// Each bends its cooling line where the steel transforms: level while it turns, steeper after.
using Kind = ztaztu045::Section::Kind;
using ztaztu045::Mark;
using ztaztu045::Section;
constexpr int kOpen = ztaztu::kOpen;
constexpr int kNoEnd = ztaztu::kNoEnd;

constexpr Section kSections004[] = {
    { kOpen, 238, 2, Kind::Curve, 2 },
    { 238, kNoEnd, 1, Kind::Curve },
};
constexpr Mark kMarks004[] = {
    { 234, clBlack, { 224, 19, 230, 25 } },
    { 244, clBlack, { 238, 33, 244, 39 } },
    { 248, clWhite, { 242, 39, 248, 45 } },
};
constexpr Section kSections06[] = {
    { kOpen, 168, 2, Kind::Curve, 2 },
    { 168, 230, 1, Kind::LineThenStep, 0, 91, 3.3, -214 },
};
constexpr Mark kMarks06[] = {
    { 164, clBlack, { 154, 27, 160, 33 } },
    { 172, clBlack, { 167, 43, 173, 49 } },
    { 176, clWhite, { 170, 51, 176, 57 } },
};
constexpr Section kSections20[] = {
    { kOpen, 100, 3, Kind::Curve, 2 },
    { 100, 113, 2, Kind::Line, 0, 0, 0, 58 },
    { 113, 170, 2, Kind::Line, 0, 0, 4, -392 },
};
constexpr Mark kMarks20[] = {
    { 96, clBlack, { 87, 39, 93, 45 } },
    { 104, clBlack, { 97, 55, 103, 61 } },
    { 118, clWhite, { 111, 60, 117, 67 } },
};
constexpr Section kSections60[] = {
    { kOpen, 73, 3, Kind::Curve, -2 },
    { 73, 80, 2, Kind::Line, 0, 0, 0, 81 },
    { 80, 150, 2, Kind::Line, 0, 88, 3.35, 110 },
};
constexpr Mark kMarks60[] = {
    { 72, clBlack, { 62, 54, 68, 60 } },
    { 83, clBlack, { 73, 77, 79, 83 } },
    { 91, clBlack, { 83, 97, 89, 103 } },
    { 109, clWhite, { 102, 166, 108, 172 } },
};
constexpr Section kSections600[] = {
    { kOpen, 44, 3, Kind::Curve },
    { 44, 80, 3, Kind::Line, 0, 93, 2.4, 277 },
};
constexpr Mark kMarks600[] = {
    { 51, clBlack, { 42, 156, 48, 162 } },
};

// The stages are the rates of C45's continuous diagram, each line's factor from the steel's drawn
// rate on rows of 68 pixels.
constexpr double kFromSteel = 0;
constexpr double kZeile = 68;
constexpr ztaztu045::CoolingStage kStages[] = {
    { kFromSteel, kSections004, kMarks004, 50, -40, 0, " v = 0.04°C/s " },
    { kFromSteel, kSections06, kMarks06, 50, -20, -20, " v = 0.6°C/s " },
    { kFromSteel, kSections20, kMarks20, 50, 5, 7, " v = 15°C/s " },
    { kFromSteel, kSections60, kMarks60, 30, -30, 10, " v = 60°C/s " },
    { kFromSteel, kSections600, kMarks600, 40, -70, 0, " v = 600°C/s " },
};
static_assert(std::size(kStages) == ztaztu045::kStageCount);
constexpr int kLabelHeight = 8;
// clang-format on

} // namespace

namespace ztaztu045 {

float heizY(int x)
{
    return float(925 - 5.33 * x);
}

const CoolingStage& stage(int index)
{
    static const auto stages = [] {
        std::array<CoolingStage, kStageCount> s;
        const auto coolings = model::c45().coolings;
        assert(coolings.size() == kStageCount);
        for (size_t i = 0; i < s.size(); ++i) {
            s[i] = kStages[i];
            s[i].a = ztaztu::curveFactor(coolings[i].drawnRate, kZeile);
        }
        return s;
    }();
    return stages[size_t(index)];
}

StageTick coolingTick(const CoolingStage& stage, int& x, float& y, int logHeight)
{
    StageTick t;
    y = float(stage.a * ztaztu::logTime(x));
    for (const Section& s : stage.sections) {
        if (!(x > s.above && x <= s.upTo))
            continue;
        switch (s.kind) {
        case Section::Kind::Curve:
            t.lines[t.lineCount++] = { x, Round(double(y) + s.dy) };
            x += s.step;
            break;
        case Section::Kind::Line:
            y = float((x - s.a) * s.slope + s.offset);
            t.lines[t.lineCount++] = { x, Round(y) };
            x += s.step;
            break;
        case Section::Kind::LineThenStep:
            y = float((x - s.a) * s.slope + s.offset);
            x += s.step;
            t.lines[t.lineCount++] = { x, Round(y) };
            break;
        }
    }
    for (const Mark& m : stage.marks)
        if (m.x == x)
            t.mark = &m;
    t.ended = y > logHeight - stage.limitInset;
    t.label = { x + stage.labelDx, Round(double(y) + stage.labelDy) };
    return t;
}

} // namespace ztaztu045

TFormZTAZTU045::TFormZTAZTU045()
    : TLessonForm(QStringLiteral("FormZTAZTU045"),
        { .caption = QStringLiteral(" ZTA/ZTU-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) "),
            .status = status::S2 })
{
    PaintBoxLog.SetBounds(417, 161, 348, 274);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.Lines.setTable(kMemo);
    MemoErlaeuterung.SetVisible(false);
}

void TFormZTAZTU045::FormCreate()
{
    PaintBoxHaupt.SetBounds(5, 5, 750, 500);
    MemoErlaeuterung.SetBounds(160, 230, 250, 200);
    MemoErlaeuterung.Font.SetHeight(kMemoFontHeight);
}

void TFormZTAZTU045::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    const int w = PaintBoxHaupt.Width();
    const int h = PaintBoxHaupt.Height();
    m_state.geometry = ztaztu::computeLayout(kLayout, w, h);
    const ztaztu::DiagramLayout& l = m_state.geometry;
    m_state.ZtaDekade = (l.EkdRechts - l.EkdLinks) / ztaztu::kDekaden;
    // The holding line goes on from where the run left the pen, whatever the picture moved it to.
    const TPoint runPen = c.PenPos();

    ztaztu::drawBackground(c, w, h);
    ztaztu::drawFrames(c, l);
    // Both diagrams have their rows of 200 °C and a dotted line at every decade from their left edge.
    const int rows = int((l.ZtuUnten - l.ZtuOben) / l.ZtuZeile);
    diagrams::drawGrid(
        c, { { l.ZtuLinks, l.ZtuOben, l.ZtuRechts, l.ZtuUnten }, rows, l.ZtuZeile, 0, ztaztu::kDekaden, l.ZtuDekade });
    diagrams::drawGrid(c,
        { { l.EkdLinks, l.EkdOben, l.EkdRechts, l.EkdUnten }, rows, l.EkdZeile, 0, ztaztu::kDekaden,
            double(m_state.ZtaDekade) });
    ztaztu::drawColoredTexts(c, kTemperaturen);
    c.Font.SetColor(clWhite);
    drawAll(c, kZeiten);
    ztaztu::drawCurves(c, kZtuLinien);
    ztaztu::drawColoredTexts(c, kZtuPhasen);

    c.Pen.SetColor(clBlack);
    c.Pen.SetWidth(1);
    c.Font.SetColor(clWhite);
    for (const Titel& t : kTitel) {
        c.Brush.SetColor(t.brush);
        draw(c, t.box);
        drawAll(c, t.lines);
    }

    // The ZTA lines' pen is dashed, but at width 2 it draws solid, as the shared parabola lines
    // draw. The pen stays dashed for the lines at 1 s and for the dots of the run.
    for (const ztaztu::ParabolaLine& linie : kZtaLinien)
        draw(c, linie);
    c.Pen.SetStyle(psDash);
    drawAll(c, kZtaGeraden);

    c.Brush.SetStyle(bsClear);
    c.Font.SetColor(clBlack);
    drawAll(c, kZtaFelder);
    c.Brush.SetColor(clBlack);
    c.Font.SetColor(clWhite);
    drawAll(c, kZtaLinienNamen);
    c.MoveTo(runPen.X, runPen.Y);
}

void TFormZTAZTU045::PaintBoxLogPaint()
{
    // Draws nothing: it only takes its place over the ZTU diagram just painted.
    const QRect r = ztaztu::overlayBounds(m_state.geometry, PaintBoxHaupt.BoundsRect(), kOverlay);
    PaintBoxLog.SetBounds(r.x(), r.y(), r.width(), r.height());
}

void TFormZTAZTU045::AustenitisierungClick()
{
    TimerZTA.SetEnabled(true);
    LockRun({ &Austenitisierung });
    m_state.ProzessX = kHeizStart.X;
    m_state.ProzessY = kHeizStart.Y;
    PaintBoxHaupt.Canvas().MoveTo(kHeizStart.X, kHeizStart.Y);
}

void TFormZTAZTU045::TimerZTATimer()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;
    c.Pen.SetWidth(kStufenWeite);
    c.Pen.SetColor(clRed);
    c.Font.SetColor(clWhite);
    c.Brush.SetColor(kGruen);

    if (x < kHaltenAb) {
        c.MoveTo(kHeizStart.X, kHeizStart.Y);
        ++x;
        c.LineTo(x, Round(y));
        y = ztaztu045::heizY(x);
    }
    if (x == kHeizTextX || x == kHalteTextX) {
        c.Brush.SetColor(clBlue);
        if (x == kHeizTextX)
            drawAll(c, kHeizText);
        else
            drawAll(c, kHalteText);
        c.MoveTo(x - 2, Round(double(y) + 3));
    }
    for (const HalteMarke& m : kHalteMarken) {
        if (m.x != x)
            continue;
        c.Brush.SetColor(m.fill);
        c.Pen.SetWidth(1);
        c.Pen.SetColor(clBlue);
        c.Ellipse(x - 10, Round(double(y) - 3), x - 4, Round(double(y) + 3));
    }
    if (x >= kHaltenAb) {
        c.LineTo(x, Round(y));
        ++x;
        y = kHalteY;
    }

    if (x + kZtaRand == PaintBoxHaupt.Width()) {
        Timer004.SetEnabled(true);
        m_state.ProzessX = 0;
        m_state.ProzessY = 0;
        PaintBoxLog.Canvas().MoveTo(0, 0);
        TimerZTA.SetEnabled(false);
    }
}

void TFormZTAZTU045::coolingStep(int index, TTimer& own, TTimer* next)
{
    TCanvas& c = PaintBoxLog.Canvas();
    int& x = m_state.ProzessX;
    float& y = m_state.ProzessY;
    const ztaztu045::CoolingStage& s = ztaztu045::stage(index);
    if (index == 0 && x <= kAbkuehlTextBis) {
        TCanvas& haupt = PaintBoxHaupt.Canvas();
        haupt.Font.SetColor(clWhite);
        haupt.Brush.SetColor(clPurple);
        drawAll(haupt, kAbkuehlText);
    }

    const ztaztu045::StageTick t = ztaztu045::coolingTick(s, x, y, PaintBoxLog.Height());
    c.Pen.SetWidth(kStufenWeite);
    c.Pen.SetColor(clRed);
    c.Font.SetColor(clWhite);
    c.Brush.SetColor(clPurple);
    for (int i = 0; i < t.lineCount; ++i)
        c.LineTo(t.lines[i].X, t.lines[i].Y);
    if (t.mark) {
        c.Brush.SetColor(t.mark->fill);
        c.Pen.SetWidth(1);
        c.Pen.SetColor(clBlue);
        c.Ellipse(t.mark->box.x1, t.mark->box.y1, t.mark->box.x2, t.mark->box.y2);
    }
    if (!t.ended)
        return;

    c.Font.SetHeight(kLabelHeight);
    c.Brush.SetColor(clPurple);
    draw(c, TextAt { t.label.X, t.label.Y, s.label });
    if (next)
        next->SetEnabled(true);
    else
        UnlockRun(); // the start item stays disabled until "Löschen / Neu" or closing
    m_state.ProzessX = 0;
    m_state.ProzessY = 0;
    c.MoveTo(0, 0);
    own.SetEnabled(false);
}

void TFormZTAZTU045::Timer004Timer()
{
    coolingStep(0, Timer004, &Timer06);
}

void TFormZTAZTU045::Timer06Timer()
{
    coolingStep(1, Timer06, &Timer20);
}

void TFormZTAZTU045::Timer20Timer()
{
    coolingStep(2, Timer20, &Timer60);
}

void TFormZTAZTU045::Timer60Timer()
{
    coolingStep(3, Timer60, &Timer600);
}

void TFormZTAZTU045::Timer600Timer()
{
    coolingStep(4, Timer600, nullptr);
}

void TFormZTAZTU045::TextClick()
{
    ToggleText(MemoErlaeuterung);
}

void TFormZTAZTU045::NEUClick()
{
    // During a run the form is locked and this item out of reach. Should it be run all the same,
    // the run ends here too, so it cannot go on drawing over the cleared picture.
    StopTimers();
    UnlockRun({ &Austenitisierung });
    Refresh();
}

void TFormZTAZTU045::FormClose()
{
    // Ende, Esc and the close box all end a run here, so the next opening starts idle.
    UnlockRun({ &Austenitisierung });
    MemoErlaeuterung.SetVisible(false);
    StopTimers();
    Refresh();
}

} // namespace wb
