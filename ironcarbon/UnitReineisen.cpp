// Pure iron: the cooling and heating curves with their arrests and the changes of the crystal lattice.
#include "ironcarbon/UnitReineisen.h"

#include "framework/Figures.h"

#include <climits>
#include <span>

namespace wb {

TFormReineisen* FormReineisen = nullptr;

using reineisen::TPunkt;
using reineisen::TPunkte;

namespace {

// Colours as the lesson writes them, #RRGGBB.
constexpr TColor Hex(int rrggbb)
{
    return RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

constexpr TColor kGruen = Hex(0x358200);
constexpr TColor kDunkelrot = Hex(0x6F0000);

// --- Layout ------------------------------------------------------------------------------------

struct Bounds {
    int left, top, width, height;
};
constexpr Bounds kHaupt { 20, 10, 500, 400 }; // PaintBoxHaupt and PaintBoxHilfslinien
constexpr Bounds kUmwandlung { 520, 10, 250, 520 };
constexpr Bounds kMemo { 20, 410, 500, 120 };

// clang-format off
constexpr const char* kMemoZeilen[] = {
    " Die Umwandlung des kubisch-raumzentrierten (krz) in das kubisch-flächenzentrierte",
    " (kfz) Eisengitter und umgekehrt ist ein diffusionsloser Vorgang.",
    " Es handelt sich um ein Umklappen der Gitterstruktur.",
    " Die Atome legen bei der Umwandlung nur sehr kleine Wege zurück.",
    " Stellt man zwei kfz-Zellen aufeinander, so wird ersichtlich, dass die Atome der",
    " Flächenmitten eine kleinere krz-Zelle bilden. ",
};
// clang-format on
static_assert(std::size(kMemoZeilen) == 6);

// --- Curve segments ----------------------------------------------------------------------------

// One segment of a curve: where it starts, the X at which it ends (the last segment: the X at
// which the run ends), y(x) = a - b * (x - c)^2 (a plateau has b = 0) and its pen colour.
struct CurvePiece {
    TPunkt start;
    int endX;
    double a, b, c;
    TColor color;

    double y(double x) const { return a - b * (x - c) * (x - c); }
};

// clang-format off
constexpr CurvePiece kSegmenteAb[] = {
    { { 32, 20 },   38, 1100, 0.01,  360, kGruen },     // melt cooling
    { { 38, 65 },   65,   65, 0,       0, kGruen },     // solidification at 1536 °C
    { { 65, 65 },   73, 1383, 0.007, 500, clBlue },      // δ-iron cooling
    { { 73, 113 },  87,  113, 0,       0, clBlack },   // δ → γ at 1392 °C
    { { 85, 113 }, 115, 1313, 0.007, 500, kDunkelrot }, // γ-iron cooling, one pixel back behind the plateau's end
    { { 115, 275 }, 125, 275, 0,       0, clBlack },   // γ → α at 906 °C
    { { 125, 275 }, 135, 1253, 0.007, 500, clBlue },     // α-iron cooling
    { { 135, 320 }, 145, 320, 0,       0, clBlue },      // magnetic change at 769 °C
    { { 145, 320 }, 151, 1200, 0.007, 500, clBlue },     // magnetic α-iron cooling; the run ends when X > 150
};

constexpr CurvePiece kSegmenteAuf[] = {
    { { 320, 347 }, 325,  550, 0.032, 240, clBlue },     // magnetic α-iron heating
    { { 325, 320 }, 335,  320, 0,       0, clBlue },     // magnetic change at 769 °C
    { { 335, 320 }, 345,  505, 0.025, 250, clBlue },     // α-iron heating
    { { 345, 273 }, 355,  273, 0,       0, clBlack },  // α → γ at 911 °C
    { { 355, 273 }, 383,  554, 0.025, 250, kDunkelrot },// γ-iron heating
    { { 383, 113 }, 397,  113, 0,       0, clBlack },  // γ → δ at 1392 °C
    { { 397, 113 }, 405,  547, 0.02,  250, clBlue },     // δ-iron heating
    { { 405, 65 },  433,   65, 0,       0, kGruen },    // melting at 1536 °C
    { { 433, 65 },  438, 1080, 0.03,  250, kGruen },    // melt heating; the run ends at X = 438
};
// clang-format on
static_assert(std::size(kSegmenteAb) == 9 && std::size(kSegmenteAuf) == 9);

// --- Temperature lines and labels --------------------------------------------------------------

// A row is drawn on every tick on which PunktAb[punkt].X (PunktAuf[punkt].X) equals x: the
// temperature line (none when lineY is 0), then the texts with that brush and font colour.
struct LabelRow {
    int punkt; // 1 ... 9
    int x;
    int lineX1, lineX2, lineY;
    TColor brush, font;
    std::array<TextAt, 3> texts; // empty slots draw nothing
};

// clang-format off
constexpr LabelRow kBeschriftungAb[] = {
    { 1,  33,  0,   0,   0, clYellow,      clBlack, { { { 205, 30, "Schmelze" } } } },
    { 1,  38, 20, 200,  65, clYellow,      clBlack, { { { 23, 70, "1536°C" }, { 80, 60, "Erstarrungspunkt" } } } },
    { 2,  65,  0,   0,   0, clBlue,      clYellow,    { { { 210, 77, "DELTA-Fe" }, { 190, 92, "kubisch-raumzentriert" } } } },
    { 3,  73, 20, 200, 113, Hex(0xFFCD00), clBlack, { { { 26, 98, "Ar(4)" }, { 23, 118, "1392°C" } } } },
    { 4,  87,  0,   0,   0, Hex(0xDE0000), clYellow, { { { 215, 180, "GAMMA-Fe" }, { 190, 200, "kubisch-flächenzentriert" } } } },
    { 5, 115, 20, 200, 275, Hex(0xFE0000), clYellow, { { { 26, 260, "Ar(3)" }, { 23, 280, "906°C" } } } },
    { 6, 125,  0,   0,   0, clBlue,      clYellow,    { { { 210, 280, "ALPHA-Fe" }, { 190, 300, "kubisch-raumzentriert" } } } },
    { 7, 135, 20, 200, 320, Hex(0xFE0000), clYellow, { { { 26, 305, "Ar(2)" }, { 23, 325, "769°C" }, { 60, 312, "Curiepunkt" } } } },
    { 8, 145,  0,   0,   0, clBlue,      clYellow,    { { { 195, 330, "Eisen magnetisch" } } } },
};

// The first condition changes the brush halfway through its texts: two rows, in that order.
constexpr LabelRow kBeschriftungAuf[] = {
    { 1, 325, 260, 450, 320, clBlue,      clYellow,    { { { 195, 330, "Eisen magnetisch" }, { 210, 280, "ALPHA-Fe" }, { 190, 300, "kubisch-raumzentriert" } } } },
    { 1, 325,   0,   0,   0, Hex(0xFE0000), clYellow, { { { 340, 312, "Curiepunkt" }, { 416, 305, "Ac(2)" }, { 413, 325, "769°C" } } } },
    { 3, 345, 260, 450, 273, Hex(0xFE0000), clYellow, { { { 413, 278, "911°C" }, { 416, 258, "Ac(3)" } } } },
    { 4, 355,   0,   0,   0, Hex(0xDE0000), clYellow, { { { 215, 180, "GAMMA-Fe" }, { 190, 200, "kubisch-flächenzentriert" } } } },
    { 5, 383, 260, 450, 113, Hex(0xFFCD00), clBlack, { { { 406, 118, "1392°C" }, { 416, 98, "Ac(4)" } } } },
    { 6, 397,   0,   0,   0, clBlue,      clYellow,    { { { 210, 77, "DELTA-Fe" }, { 190, 92, "kubisch-raumzentriert" } } } },
    { 7, 405, 260, 450,  65, clYellow,      clBlack, { { { 407, 70, "1536°C" }, { 310, 60, "Schmelzpunkt" } } } },
    { 8, 432,   0,   0,   0, clYellow,      clBlack, { { { 205, 30, "Schmelze" } } } },
};
// clang-format on
static_assert(std::size(kBeschriftungAb) == 9 && std::size(kBeschriftungAuf) == 8);

// --- Lattice pictures --------------------------------------------------------------------------

enum class Figur { Rahmen, Vollstaendig, Kfz };

// A cleared rectangle of the lattice box. kBoxRight stands for the box width less 5.
constexpr int kBoxRight = INT_MIN;
constexpr Box kNone { 0, 0, 0, 0 };

constexpr TColor kInForce = -1; // the canvas font colour stays as it is

// The distortions of the cell during the changes, one per X of the row's range.
constexpr int kDelta[] = { 12 };
constexpr int kDeltaZuGamma[] = { 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1 }; // k = 86 - X
constexpr int kGammaZuAlpha[] = { 0, 1, 2, 3, 4, 6, 8, 10 };
constexpr int kAlphaZuGamma[] = { 9, 8, 7, 6, 5, 4, 3, 2 }; // k = 355 - X
constexpr int kGammaZuDelta[] = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }; // k = X - 384
constexpr int kDeltaAufheiz[] = { 11 };

// Drawn on every tick on which PunktAb[punkt].X (PunktAuf[punkt].X) lies in xFrom ... xTo: a solid
// pen if asked, the font colour, the clears, the text, then the figure with its base line and the
// distortion for that X.
struct LatticeRow {
    int punkt;
    int xFrom, xTo;
    bool penSolid;
    TColor font;
    std::array<Box, 2> clears;
    TextAt text;
    Figur figur;
    int base;
    std::span<const int> k;
};

// clang-format off
constexpr LatticeRow kGitterAb[] = {
    { 1,  38,  38, true,  kInForce, { { { 5, 2, 247, 518 }, { 10, 370, kBoxRight, 520 } } }, { 20, 30, "krz-Gitter" }, Figur::Vollstaendig, 20, kDelta },
    { 4,  74,  74, false, kInForce, { { kNone, kNone } }, {}, Figur::Rahmen, 200, kDelta },
    { 4,  75,  85, false, kInForce, { { { 10, 150, kBoxRight, 400 }, kNone } }, {}, Figur::Rahmen, 200, kDeltaZuGamma },
    { 4,  86,  86, false, clRed,     { { { 10, 150, kBoxRight, 400 }, kNone } }, { 20, 150, "kfz-Gitter" }, Figur::Kfz, 0, {} },
    { 6, 116, 123, false, kInForce, { { { 10, 370, kBoxRight, 520 }, kNone } }, {}, Figur::Rahmen, 400, kGammaZuAlpha },
    { 6, 124, 124, true,  clBlue,    { { { 10, 370, kBoxRight, 520 }, kNone } }, { 20, 430, "krz-Gitter" }, Figur::Vollstaendig, 400, kDelta },
};

constexpr LatticeRow kGitterAuf[] = {
    { 1, 321, 321, true,  kInForce, { { { 5, 2, 247, 518 }, { 10, 370, kBoxRight, 520 } } }, { 20, 430, "krz-Gitter" }, Figur::Vollstaendig, 400, kDelta },
    { 4, 346, 353, false, kInForce, { { { 10, 150, kBoxRight, 330 }, kNone } }, {}, Figur::Rahmen, 200, kAlphaZuGamma },
    { 4, 354, 354, false, clRed,     { { { 5, 2, 247, 330 }, kNone } }, { 20, 150, "kfz-Gitter" }, Figur::Kfz, 0, {} },
    { 6, 384, 394, false, kInForce, { { { 10, 0, kBoxRight, 133 }, kNone } }, {}, Figur::Rahmen, 20, kGammaZuDelta },
    { 6, 395, 395, true,  clBlue,    { { { 10, 0, kBoxRight, 133 }, kNone } }, { 20, 30, "krz-Gitter" }, Figur::Vollstaendig, 20, kDeltaAufheiz },
};
// clang-format on

// Every cell row has one distortion per X of its range; the fcc rows need none.
constexpr bool distortionsFit(std::span<const LatticeRow> rows)
{
    for (const LatticeRow& r : rows)
        if (r.figur != Figur::Kfz && r.k.size() != size_t(r.xTo - r.xFrom + 1))
            return false;
    return true;
}
static_assert(std::size(kGitterAb) == 6 && distortionsFit(kGitterAb));
static_assert(std::size(kGitterAuf) == 5 && distortionsFit(kGitterAuf));

// --- The two runs ------------------------------------------------------------------------------

struct RunData {
    std::span<const CurvePiece, 9> segmente;
    std::span<const LabelRow> beschriftung;
    std::span<const LatticeRow> gitter;
    // The cooling run leaves the diagram's pen at the heating curve's start.
    bool penToOtherStart;
};

constexpr RunData kRuns[] = {
    { kSegmenteAb, kBeschriftungAb, kGitterAb, true },
    { kSegmenteAuf, kBeschriftungAuf, kGitterAuf, false },
};

TPunkte startPunkte(std::span<const CurvePiece, 9> segmente)
{
    TPunkte p;
    for (size_t i = 0; i < p.size(); ++i)
        p[i] = segmente[i].start;
    return p;
}

// A retired segment is moved out of every condition's reach.
constexpr float kRetired = 1000;

// The run is over (and counts as completed until "&Neu") once its last segment reached its end.
bool completed(const TPunkte& p, const RunData& run)
{
    return p[8].X >= float(run.segmente[8].endX);
}

// --- Lattice figures ---------------------------------------------------------------------------

// The corners of the cell C(k, B), in the order left, front, back, right, top face first.
struct Cell {
    TPoint top[4];
    TPoint bottom[4];
    TPoint centre;
};

Cell cellOf(int k, int B)
{
    return {
        { { 120 - k, B + k }, { 150 + k, B + 10 + k }, { 190 - k, B - 10 + k }, { 220 + k, B + k } },
        { { 120 - k, B + 100 - k }, { 150 + k, B + 110 - k }, { 190 - k, B + 90 - k }, { 220 + k, B + 100 - k } },
        { 170, B + 50 },
    };
}

enum Corner { kLeft, kFront, kBack, kRight };

void line(TCanvas& c, TPoint a, TPoint b)
{
    c.MoveTo(a.X, a.Y);
    c.LineTo(b.X, b.Y);
}

void atom(TCanvas& c, TPoint p)
{
    c.Ellipse(p.X - 3, p.Y - 3, p.X + 3, p.Y + 3);
}

void cellAtoms(TCanvas& c, const Cell& z)
{
    for (const TPoint& p : z.top)
        atom(c, p);
    for (const TPoint& p : z.bottom)
        atom(c, p);
    atom(c, z.centre);
}

void cellEdges(TCanvas& c, const Cell& z)
{
    for (int i = 0; i < 4; ++i)
        line(c, z.top[i], z.bottom[i]);
    for (const TPoint* face : { z.top, z.bottom }) {
        line(c, face[kLeft], face[kBack]);
        line(c, face[kFront], face[kRight]);
        line(c, face[kLeft], face[kFront]);
        line(c, face[kBack], face[kRight]);
    }
}

void cellColours(TCanvas& c)
{
    c.Pen.SetColor(clBlue);
    c.Pen.SetWidth(1);
    c.Brush.SetColor(clBlue);
}

// During a change: the atoms, then the edges. The pen style stays as it is; with pen and brush
// of one colour a dotted pen's gaps fill in and the edges look solid either way.
void drawFrame(TCanvas& c, int k, int B)
{
    const Cell z = cellOf(k, B);
    cellColours(c);
    cellAtoms(c, z);
    cellEdges(c, z);
}

// A finished body-centred lattice: the edges, the dotted body diagonals through the centre atom,
// then the atoms on top.
void drawComplete(TCanvas& c, int k, int B)
{
    const Cell z = cellOf(k, B);
    cellColours(c);
    cellEdges(c, z);
    c.Brush.SetColor(clYellow);
    c.Pen.SetStyle(psDot);
    line(c, z.bottom[kLeft], z.top[kRight]);
    line(c, z.top[kLeft], z.bottom[kRight]);
    line(c, z.bottom[kFront], z.top[kBack]);
    line(c, z.top[kFront], z.bottom[kBack]);
    c.Pen.SetStyle(psSolid);
    c.Brush.SetColor(clBlue);
    cellAtoms(c, z);
}

// Two face-centred cubes stacked, in oblique view (the back face shifted by (+40, -20)), upper
// first, then the blue body-centred cell whose corners are the side-face centres of both cubes.
void drawFcc(TCanvas& c)
{
    c.Pen.SetColor(clRed);
    c.Pen.SetWidth(1);
    for (int d : { 0, 100 }) {
        const bool upper = d == 0;
        // Front face: top-left, top-right, bottom-right, bottom-left; back face the same, shifted.
        const TPoint f[4] = { { 100, 160 + d }, { 200, 160 + d }, { 200, 260 + d }, { 100, 260 + d } };
        const TPoint b[4] = { { 140, 140 + d }, { 240, 140 + d }, { 240, 240 + d }, { 140, 240 + d } };
        c.Brush.SetColor(clYellow);
        c.Pen.SetStyle(psSolid);
        c.Rectangle(f[0].X, f[0].Y, f[2].X, f[2].Y);
        // The visible edges that do not belong to the front face.
        line(c, f[0], b[0]);
        line(c, b[0], b[1]);
        line(c, f[1], b[1]);
        line(c, b[1], b[2]);
        line(c, f[2], b[2]);
        // Diagonals of the front, top (the lower cube's top is the shared face) and right faces.
        line(c, f[0], f[2]);
        line(c, f[1], f[3]);
        if (upper) {
            line(c, f[0], b[1]);
            line(c, f[1], b[0]);
        }
        line(c, f[1], b[2]);
        line(c, b[1], f[2]);
        // The hidden corner's three edges and the diagonals of the left, back and bottom faces.
        c.Brush.SetColor(Hex(0xFFFFFF));
        c.Pen.SetStyle(psDot);
        line(c, b[3], b[2]);
        line(c, b[3], b[0]);
        line(c, b[3], f[3]);
        line(c, f[0], b[3]);
        line(c, b[0], f[3]);
        line(c, b[0], b[2]);
        line(c, b[1], b[3]);
        line(c, f[3], b[2]);
        line(c, f[2], b[3]);
        // Atoms at the eight corners and the six face centres.
        c.Brush.SetColor(clRed);
        for (const TPoint& p : f)
            atom(c, p);
        for (const TPoint& p : b)
            atom(c, p);
        for (const TPoint p : { TPoint { 150, 210 + d }, TPoint { 190, 190 + d }, TPoint { 170, 150 + d },
                 TPoint { 170, 250 + d }, TPoint { 120, 200 + d }, TPoint { 220, 200 + d } })
            atom(c, p);
    }
    drawFrame(c, 0, 200);
}

} // namespace

reineisen::TPunkte reineisen::startPunkteAb()
{
    return startPunkte(kSegmenteAb);
}

reineisen::TPunkte reineisen::startPunkteAuf()
{
    return startPunkte(kSegmenteAuf);
}

TFormReineisen::TFormReineisen()
    : TLessonForm(QStringLiteral("FormReineisen"),
        { .caption = QStringLiteral("Reines Eisen: Abkühl- und Aufheizkurve"),
            .height = 605,
            .centring = Centring::OnPaint,
            .fontHeight = -10 })
{
    PaintBoxUmwandlung.SetColor(clYellow);
    MemoErlaeuterung.SetReadOnly(true);
    MemoErlaeuterung.SetTabStop(false);
    MemoErlaeuterung.SetColor(kMemoColor);
    MemoErlaeuterung.Font.SetHeight(18);
    // Six lines at this height, two of them wrapping, do not fit the 120 pixels of the memo:
    // a vertical scroll bar lets the last lines be read.
    MemoErlaeuterung.SetScrollBars(ssVertical);
    // The description's bounds; the paint handler sets them again at every paint.
    Layout();
}

void TFormReineisen::Layout()
{
    PaintBoxHaupt.SetBounds(kHaupt.left, kHaupt.top, kHaupt.width, kHaupt.height);
    PaintBoxHilfslinien.SetBounds(kHaupt.left, kHaupt.top, kHaupt.width, kHaupt.height);
    PaintBoxUmwandlung.SetBounds(kUmwandlung.left, kUmwandlung.top, kUmwandlung.width, kUmwandlung.height);
}

void TFormReineisen::FormPaint()
{
    // Size and centring have just been done by the lesson base, before this handler.
    Layout();
    TCanvas& haupt = PaintBoxHaupt.Canvas();
    haupt.Pen.SetWidth(2);
    haupt.Pen.SetColor(clBlack);
    haupt.Pen.SetStyle(psSolid);
    haupt.Font.SetHeight(10);
    haupt.Font.SetColor(clBlack);
    TCanvas& umwandlung = PaintBoxUmwandlung.Canvas();
    umwandlung.Pen.SetWidth(1);
    umwandlung.Pen.SetColor(clRed);
    umwandlung.Pen.SetStyle(psSolid);
    umwandlung.Brush.SetColor(clYellow);
    umwandlung.Font.SetHeight(10);
    umwandlung.Font.SetColor(clBlack);

    MemoErlaeuterung.SetBounds(kMemo.left, kMemo.top, kMemo.width, kMemo.height);
    // The form's font at a larger size.
    MemoErlaeuterung.Font.Assign(Font);
    MemoErlaeuterung.Font.SetHeight(18);
    MemoErlaeuterung.Lines.setTable(kMemoZeilen);
}

void TFormReineisen::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    // The picture leaves the pen's position where the curve left it, so that a run repainted
    // midway goes on from its last point rather than from the end of the time axis caption.
    const TPoint kurve = c.PenPos();
    c.Brush.SetColor(Hex(0xA6A6FF));
    c.Rectangle(0, 0, 500, 400);
    c.Brush.SetColor(Hex(0xFFFFFF));
    c.Rectangle(20, 20, 450, 370);
    // The white field as a colour scale of temperature: yellow, through orange to red, then red
    // darkening towards the bottom.
    c.Pen.SetWidth(1);
    for (int y = 21; y <= 370; ++y) {
        if (y <= 69)
            c.Pen.SetColor(clYellow);
        else if (y <= 324)
            c.Pen.SetColor(RGB(255, 325 - y, 0));
        else
            c.Pen.SetColor(RGB(905 - 2 * y, 0, 0));
        c.MoveTo(20, y);
        c.LineTo(450, y);
    }
    c.Brush.SetStyle(bsClear);
    c.TextOut(10, 3, QStringLiteral("Temperatur/T"));
    c.TextOut(210, 380, QStringLiteral("Zeit/t   ----------->"));
    c.MoveTo(kurve.X, kurve.Y);
}

void TFormReineisen::PaintBoxUmwandlungPaint()
{
    TCanvas& c = PaintBoxUmwandlung.Canvas();
    c.Brush.SetColor(clYellow);
    c.Rectangle(0, 0, 250, 520);
    m_state.Breite = PaintBoxUmwandlung.Width();
}

reineisen::TPunkte& TFormReineisen::Punkte(Lauf lauf)
{
    return lauf == Abkuehlen ? m_state.PunktAb : m_state.PunktAuf;
}

TTimer& TFormReineisen::Timer(Lauf lauf)
{
    return lauf == Abkuehlen ? TimerAbkuehl : TimerAufheiz;
}

void TFormReineisen::AbkuehlungClick()
{
    StartRun(Abkuehlen);
}

void TFormReineisen::AufheizungClick()
{
    StartRun(Aufheizen);
}

void TFormReineisen::StartRun(Lauf lauf)
{
    const RunData& run = kRuns[lauf];
    Timer(lauf).SetEnabled(true);
    Punkte(lauf) = startPunkte(run.segmente);
    const TPunkt& start = run.segmente[0].start;
    PaintBoxHaupt.Canvas().MoveTo(Round(start.X), Round(start.Y));
    LockRun({ &Ende, &Neu, &Abkuehlung, &Aufheizung });
}

void TFormReineisen::TimerAbkuehlTimer()
{
    RunTick(Abkuehlen);
}

void TFormReineisen::TimerAufheizTimer()
{
    RunTick(Aufheizen);
}

void TFormReineisen::RunTick(Lauf lauf)
{
    const RunData& run = kRuns[lauf];
    TPunkte& p = Punkte(lauf);

    // The curve: each segment steps while the one before it holds its end value, so a segment
    // reaching its end hands over to the next within the same tick. The first segment steps
    // until it reaches its own end (X takes whole values only).
    TCanvas& kurve = PaintBoxHaupt.Canvas();
    kurve.Pen.SetWidth(3);
    for (size_t i = 0; i < 9; ++i) {
        const CurvePiece& s = run.segmente[i];
        kurve.Pen.SetColor(s.color);
        const bool steps = i == 0 ? p[0].X < float(s.endX) : p[i - 1].X == float(run.segmente[i - 1].endX);
        if (!steps)
            continue;
        // The segment before the previous one is done for good.
        if (i >= 2)
            p[i - 2].X = kRetired;
        p[i].X += 1;
        p[i].Y = float(s.y(p[i].X));
        kurve.LineTo(Round(p[i].X), Round(p[i].Y));
    }

    // The end actions come at once; this tick's labels and pictures are still drawn.
    if (completed(p, run))
        EndRun(lauf);

    TCanvas& hilf = PaintBoxHilfslinien.Canvas();
    hilf.Pen.SetWidth(1);
    hilf.Brush.SetColor(clYellow);
    hilf.Font.SetColor(clBlack);
    for (const LabelRow& row : run.beschriftung) {
        if (p[size_t(row.punkt - 1)].X != float(row.x))
            continue;
        if (row.lineY != 0) {
            hilf.MoveTo(row.lineX1, row.lineY);
            hilf.LineTo(row.lineX2, row.lineY);
        }
        hilf.Brush.SetColor(row.brush);
        hilf.Font.SetColor(row.font);
        drawAll(hilf, row.texts);
    }

    TCanvas& gitter = PaintBoxUmwandlung.Canvas();
    for (const LatticeRow& row : run.gitter) {
        const float x = p[size_t(row.punkt - 1)].X;
        if (x < float(row.xFrom) || x > float(row.xTo))
            continue;
        if (row.penSolid)
            gitter.Pen.SetStyle(psSolid);
        if (row.font != kInForce)
            gitter.Font.SetColor(row.font);
        for (const Box& r : row.clears) {
            if (r.x1 == r.x2)
                continue;
            gitter.Pen.SetColor(clYellow);
            gitter.Brush.SetColor(clYellow);
            gitter.Rectangle(r.x1, r.y1, r.x2 == kBoxRight ? m_state.Breite - 5 : r.x2, r.y2);
            gitter.Pen.SetColor(clBlue);
        }
        draw(gitter, row.text);
        switch (row.figur) {
        case Figur::Rahmen:
            drawFrame(gitter, row.k[size_t(x) - size_t(row.xFrom)], row.base);
            break;
        case Figur::Vollstaendig:
            drawComplete(gitter, row.k[size_t(x) - size_t(row.xFrom)], row.base);
            break;
        case Figur::Kfz:
            drawFcc(gitter);
            break;
        }
    }
}

void TFormReineisen::EndRun(Lauf lauf)
{
    const Lauf other = lauf == Abkuehlen ? Aufheizen : Abkuehlen;
    Timer(lauf).SetEnabled(false);
    UnlockRun({ &Ende, &Neu });
    if (kRuns[lauf].penToOtherStart) {
        const TPunkt& start = Punkte(other)[0];
        PaintBoxHaupt.Canvas().MoveTo(Round(start.X), Round(start.Y));
    }
    // The other run is offered unless it was completed since the last "&Neu"; this run's own
    // item stays disabled until then.
    if (!completed(Punkte(other), kRuns[other]))
        (other == Abkuehlen ? Abkuehlung : Aufheizung).SetEnabled(true);
}

void TFormReineisen::NeuClick()
{
    Abkuehlung.SetEnabled(true);
    Aufheizung.SetEnabled(true);
    m_state.resetCompleted();
    Refresh();
}

void TFormReineisen::EndeClick()
{
    // Ende and Esc leave the form and all its items usable for the next opening. The points keep
    // an interrupted run's state; the next start reloads them.
    UnlockRun({ &Ende, &Neu, &Abkuehlung, &Aufheizung });
    StopTimers();
    Close();
}

void TFormReineisen::ESCAPEClick()
{
    // Esc also breaks off a run, whose lock had disabled everything but this item.
    UnlockRun({ &Ende, &Neu, &Abkuehlung, &Aufheizung });
    StopTimers();
    Close();
}

} // namespace wb
