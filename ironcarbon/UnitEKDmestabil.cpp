// The metastable iron-carbon diagram: the fields of austenite, ferrite and pearlite.
#include "ironcarbon/UnitEKDmestabil.h"

#include "ironcarbon/IronCarbonDiagram.h"
#include "resources/Pictures.h"

#include <array>

namespace wb {

namespace {

using ekd::LabelEdit;

using ekd::kBlau;
using ekd::kSchwarz;
using ekd::kWeiss;

// --- Unit cells ----------------------------------------------------------------------------------

// A cube in oblique view: the front face from (100, 100) to (200, 200), the back face shifted by
// (40, −20). Corners top-left, top-right, bottom-right, bottom-left.
constexpr std::array<TPoint, 4> kVorne { { { 100, 100 }, { 200, 100 }, { 200, 200 }, { 100, 200 } } };
constexpr std::array<TPoint, 4> kHinten { { { 140, 80 }, { 240, 80 }, { 240, 180 }, { 140, 180 } } };
enum Ecke { kOL, kOR, kUR, kUL };

// The edges seen from the front: the front face is the rectangle itself.
constexpr Segment kSichtbareKanten[] = {
    { kVorne[kOL], kHinten[kOL] },
    { kVorne[kOR], kHinten[kOR] },
    { kHinten[kOL], kHinten[kOR] },
    { kHinten[kOR], kHinten[kUR] },
    { kHinten[kUR], kVorne[kUR] },
};
// The three edges of the hidden back corner.
constexpr Segment kVerdeckteKanten[] = {
    { kVorne[kUL], kHinten[kUL] },
    { kHinten[kUL], kHinten[kUR] },
    { kHinten[kUL], kHinten[kOL] },
};
// Face-centred: the diagonals of the front, top and right faces are seen, those of the left, back
// and bottom faces hidden.
constexpr Segment kKfzSichtbar[] = {
    { kVorne[kOL], kVorne[kUR] },
    { kVorne[kOR], kVorne[kUL] },
    { kVorne[kOL], kHinten[kOR] },
    { kVorne[kOR], kHinten[kOL] },
    { kVorne[kOR], kHinten[kUR] },
    { kHinten[kOR], kVorne[kUR] },
};
constexpr Segment kKfzVerdeckt[] = {
    { kVorne[kOL], kHinten[kUL] },
    { kHinten[kOL], kVorne[kUL] },
    { kHinten[kOL], kHinten[kUR] },
    { kHinten[kOR], kHinten[kUL] },
    { kVorne[kUL], kHinten[kUR] },
    { kVorne[kUR], kHinten[kUL] },
};
// Body-centred: the four body diagonals through the centre atom, all behind the front face.
constexpr Segment kKrzVerdeckt[] = {
    { kVorne[kOL], kHinten[kUR] },
    { kVorne[kUL], kHinten[kOR] },
    { kHinten[kUL], kVorne[kOR] },
    { kVorne[kUR], kHinten[kOL] },
};
// The atoms besides the eight corners.
constexpr TPoint kFlaechenmitten[]
    = { { 150, 150 }, { 220, 140 }, { 120, 140 }, { 170, 90 }, { 170, 190 }, { 190, 130 } };
constexpr TPoint kRaummitte[] = { { 170, 140 } };

// clang-format off
struct ZellenBox {
    TColor hintergrund;
    int bild; // frame of the image list
    std::span<const Segment> sichtbar; // face diagonals seen
    std::span<const Segment> verdeckt; // diagonals behind
    TColor atome;
    std::span<const TPoint> mitten; // atoms besides the corners
    std::array<TextAt, 4> gitterTexte;
};

constexpr ZellenBox kAustenit {
    RGB(0xFF, 0xFF, 0x00), 0, kKfzSichtbar, kKfzVerdeckt, RGB(0x80, 0x00, 0x00), kFlaechenmitten,
    { { { 80, 10, "Austenit  (Gamma-Eisen) " }, { 80, 30, "kubisch-flächenzentriertes-Gitter " },
        { 80, 240, "Gitterkonstante 0,364 nm " }, { 80, 260, "bei 800 °C" } } },
};
constexpr ZellenBox kFerrit {
    RGB(0x1D, 0xE2, 0x00), 1, {}, kKrzVerdeckt, RGB(0x80, 0x80, 0x80), kRaummitte,
    { { { 80, 10, "Ferrit   (Alpha-Eisen) " }, { 80, 30, "kubisch-raumzentriertes-Gitter " },
        { 80, 240, "Gitterkonstante 0,286 nm " }, { 80, 260, "bei Raumtemperatur" } } },
};

// The right half: the solid solution and its picture.
constexpr TextAt kAustenitRechts[] = {
    { 330, 15, "homogener Mischkristall" }, { 330, 30, "scheidet oberhalb der G-S-E Linie aus" },
    { 360, 205, "Gefüge schematisch" }, { 330, 245, "mit gleichmäßig verteiltem Kohlenstoff" },
    { 330, 262, "maximale Kohlenstofflöslichkeit = 2,06%" },
};
constexpr LabelEdit kFerritRechts[] = {
    { { 330, 30, "scheidet oberhalb der G-S-E Linie aus" }, { 330, 30, "begrenzt durch die G-P-Q Linie" } },
    { { 330, 262, "maximale Kohlenstofflöslichkeit = 2,06%" }, { 330, 262, "maximale Kohlenstofflöslichkeit = 0,02%" } },
};

constexpr TextAt kPerlitTexte[] = {
    { 10, 15, "Bei einem C-Gehalt von 0.8 % entsteht" }, { 10, 35, "Perlit bei der Abkühlung bei 723°C" },
    { 10, 55, "durch den eutektoiden Zerfall des" }, { 10, 75, "Austenits." },
    { 10, 95, "Bei Kohlenstoffgehalten < 0.8 % bzw.  " }, { 10, 115, "> 0.8 % bis 2.06% entsteht der Perlit " },
    { 10, 135, "sobald der Austenit 0.8 % Kohlenstoff" }, { 10, 155, "hat." },
    { 10, 185, "Perlit ist härter als Ferrit." }, { 10, 205, "d.h. Steckgrenze und Festigkeit " },
    { 10, 225, "werden mit zunehmenden Perlitanteil" }, { 10, 245, "größer, während die Zähigkeit geringer" },
    { 10, 265, "wird." },
    { 260, 15, "Ferrit- und Perlit liegen abwechselnd nebeneinander" }, { 380, 215, "Gefüge schematisch" },
};
// clang-format on

constexpr int kBoxBreite = 600;
constexpr int kBoxHoehe = 300;
constexpr int kTextHoehe = 18;
constexpr TPoint kBildOrt { 380, 60 };

void atom(TCanvas& c, TPoint p)
{
    c.Ellipse(p.X - 3, p.Y - 3, p.X + 3, p.Y + 3);
}

// A box with a unit cell: the cell in red on the left with its lattice constant measured under
// the front face, the picture and what it shows on the right.
void paintZellenBox(TCanvas& c, TImageList& bilder, const ZellenBox& box, std::span<const TextAt> rechts)
{
    c.Brush.SetColor(box.hintergrund);
    c.Rectangle(0, 0, kBoxBreite, kBoxHoehe);
    bilder.Draw(c, kBildOrt.X, kBildOrt.Y, box.bild);

    // The front face is filled with the background brush; the seen edges and diagonals solid.
    c.Pen.SetColor(RGB(0xFF, 0x00, 0x00));
    c.Pen.SetStyle(psSolid);
    c.Font.SetColor(kBlau);
    c.Rectangle(kVorne[kOL].X, kVorne[kOL].Y, kVorne[kUR].X, kVorne[kUR].Y);
    for (const Segment& s : kSichtbareKanten)
        draw(c, s);
    for (const Segment& s : box.sichtbar)
        draw(c, s);
    // Hidden lines dotted, their gaps white.
    c.Brush.SetColor(kWeiss);
    c.Pen.SetStyle(psDot);
    for (const Segment& s : kVerdeckteKanten)
        draw(c, s);
    for (const Segment& s : box.verdeckt)
        draw(c, s);
    // The atoms keep the dotted pen: their outlines alternate red and the atom colour.
    c.Brush.SetColor(box.atome);
    for (const TPoint& p : kVorne)
        atom(c, p);
    for (const TPoint& p : kHinten)
        atom(c, p);
    for (const TPoint& p : box.mitten)
        atom(c, p);

    c.Brush.SetStyle(bsClear);
    c.Pen.SetStyle(psSolid);
    c.Font.SetHeight(kTextHoehe);
    drawAll(c, box.gitterTexte);

    // The lattice constant: the edge length measured under the front face.
    c.Pen.SetColor(kSchwarz);
    draw(c, Segment { { 100, 200 }, { 100, 230 } });
    draw(c, Segment { { 200, 200 }, { 200, 230 } });
    draw(c, Segment { { 100, 225 }, { 200, 225 } });
    c.Brush.SetColor(kSchwarz);
    c.Polygon({ Point(100, 225), Point(108, 222), Point(108, 228) });
    c.Polygon({ Point(200, 225), Point(192, 222), Point(192, 228) });
    draw(c, Segment { kVorne[kOR], kHinten[kOR] });
    draw(c, Segment { { 300, 0 }, { 300, 310 } });

    c.Brush.SetStyle(bsClear);
    drawAll(c, rechts);
}

} // namespace

void ekdmestabil::paintAustenit(TCanvas& c, TImageList& bilder)
{
    paintZellenBox(c, bilder, kAustenit, kAustenitRechts);
}

void ekdmestabil::paintFerrit(TCanvas& c, TImageList& bilder)
{
    paintZellenBox(c, bilder, kFerrit, ekd::editedLabels(kAustenitRechts, kFerritRechts));
}

void ekdmestabil::paintPerlit(TCanvas& c, TImageList& bilder)
{
    c.Brush.SetColor(RGB(0xFE, 0xB2, 0x00));
    c.Rectangle(0, 0, kBoxBreite, kBoxHoehe);
    bilder.Draw(c, kBildOrt.X, kBildOrt.Y, 2);
    // The texts in the box's own font colour, black.
    c.Brush.SetStyle(bsClear);
    c.Font.SetHeight(kTextHoehe);
    draw(c, Segment { { 250, 0 }, { 250, 310 } });
    drawAll(c, kPerlitTexte);
}

TFORMEKDMETASTABIL* FORMEKDMETASTABIL = nullptr;

TFORMEKDMETASTABIL::TFORMEKDMETASTABIL()
    : TLessonForm(QStringLiteral("FORMEKDMETASTABIL"),
        { .caption = QStringLiteral("Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Austenit, Ferrit und Perlit)"),
            .centring = Centring::OnPaint })
{
    pictures::assignStrip(ImageList1);
    for (TPaintBox* bereich : { &PaintboxBereich1, &PaintBoxBereich2, &PaintBoxBereich3 })
        bereich->SetCursor(crHandPoint);
    for (TPaintBox* box : { &PaintBoxAust, &PaintBoxFerrit, &PaintBoxPerlit })
        box->SetVisible(false);
}

void TFORMEKDMETASTABIL::Layout()
{
    PaintBoxHaupt.SetBounds(0, 0, ClientWidth(), ClientHeight() - StatusBarHint.Height());
    PaintboxBereich1.SetBounds(80, 237, 120, 20);
    PaintBoxBereich2.SetBounds(10, 412, 50, 20);
    PaintBoxBereich3.SetBounds(102, 410, 60, 20);
    for (TPaintBox* box : { &PaintBoxAust, &PaintBoxFerrit, &PaintBoxPerlit })
        box->SetBounds(190, 5, kBoxBreite, kBoxHoehe);
}

void TFORMEKDMETASTABIL::FormPaint()
{
    // Size and centring have just been done by the lesson base, before this handler.
    Layout();
    ekd::drawPlate(PaintBoxHaupt.Canvas(), PaintBoxHaupt.Width(), PaintBoxHaupt.Height(),
        { .austenit = true, .ferrit = true, .perlit = true });
}

void TFORMEKDMETASTABIL::ZeigeBox(TPaintBox* box)
{
    for (TPaintBox* b : { &PaintBoxAust, &PaintBoxFerrit, &PaintBoxPerlit })
        b->SetVisible(b == box);
    // Every showing or hiding repaints the whole form: the diagram, then the visible box.
    Refresh();
}

void TFORMEKDMETASTABIL::PaintboxBereich1Click()
{
    ZeigeBox(&PaintBoxAust);
}

void TFORMEKDMETASTABIL::PaintBoxBereich2Click()
{
    ZeigeBox(&PaintBoxFerrit);
}

void TFORMEKDMETASTABIL::PaintBoxBereich3Click()
{
    ZeigeBox(&PaintBoxPerlit);
}

void TFORMEKDMETASTABIL::FenstercloseClick()
{
    ZeigeBox(nullptr);
}

void TFORMEKDMETASTABIL::PaintBoxAustPaint()
{
    ekdmestabil::paintAustenit(PaintBoxAust.Canvas(), ImageList1);
}

void TFORMEKDMETASTABIL::PaintBoxFerritPaint()
{
    ekdmestabil::paintFerrit(PaintBoxFerrit.Canvas(), ImageList1);
}

void TFORMEKDMETASTABIL::PaintBoxPerlitPaint()
{
    ekdmestabil::paintPerlit(PaintBoxPerlit.Canvas(), ImageList1);
}

void TFORMEKDMETASTABIL::FormClose()
{
    for (TPaintBox* box : { &PaintBoxAust, &PaintBoxFerrit, &PaintBoxPerlit })
        box->SetVisible(false);
}

} // namespace wb
