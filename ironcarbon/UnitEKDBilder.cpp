// Microstructure series: micrographs of ferrite and of steels with 0.1 % to 0.8 % carbon.
#include "ironcarbon/UnitEKDBilder.h"

#include "framework/Application.h"
#include "ironcarbon/IronCarbonDiagram.h"
#include "ironcarbon/UnitBildC01.h"
#include "ironcarbon/UnitBildC02.h"
#include "ironcarbon/UnitBildC03.h"
#include "ironcarbon/UnitBildC04.h"
#include "ironcarbon/UnitBildC05.h"
#include "ironcarbon/UnitBildC06.h"
#include "ironcarbon/UnitBildC07.h"
#include "ironcarbon/UnitBildC08.h"
#include "ironcarbon/UnitBildFe.h"

#include <array>
#include <iterator>

namespace wb {

namespace {

// The ferrite label's click frame and the row of squares, as the strict bounds of a press.
constexpr int kFerritLinks = 15, kFerritRechts = 50, kFerritOben = 415, kFerritUnten = 430;
constexpr int kQuadratLinks = 50, kQuadratBreite = 10, kQuadratOben = 480, kQuadratUnten = 493;

// clang-format off
constexpr TColor kQuadratFarben[] = {
    RGB(0xFF, 0xFF, 0xFF), RGB(0xE9, 0xE9, 0xE9), RGB(0xD1, 0xD1, 0xD1), RGB(0xC7, 0xC7, 0xC7),
    RGB(0xB7, 0xB7, 0xB7), RGB(0xA4, 0xA4, 0xA4), RGB(0x94, 0x94, 0x94), RGB(0x94, 0x94, 0x94),
};
// clang-format on
static_assert(std::size(kQuadratFarben) == ekdbilder::kBilder - 1);

// The micrograph forms in the order of the cascade.
std::array<TForm*, ekdbilder::kBilder> bilder()
{
    return { FormBildFe, FormBildC01, FormBildC02, FormBildC03, FormBildC04, FormBildC05, FormBildC06, FormBildC07,
        FormBildC08 };
}

} // namespace

int ekdbilder::bildAn(int x, int y)
{
    if (kFerritLinks < x && x < kFerritRechts && kFerritOben < y && y < kFerritUnten)
        return 0;
    if (!(kQuadratOben < y && y < kQuadratUnten))
        return kKeinBild;
    for (int n = 1; n < kBilder; ++n) {
        const int links = kQuadratLinks + kQuadratBreite * (n - 1);
        if (links < x && x < links + kQuadratBreite)
            return n;
    }
    return kKeinBild;
}

bool ekdbilder::handAn(int x, int y)
{
    const int quadrateRechts = kQuadratLinks + kQuadratBreite * (kBilder - 1);
    return (kFerritLinks < x && x < kFerritRechts && kFerritOben < y && y < kFerritUnten)
        || (kQuadratLinks < x && x < quadrateRechts && kQuadratOben < y && y < kQuadratUnten);
}

QPoint ekdbilder::kaskade(QPoint bildschirmMitte, int i)
{
    return { bildschirmMitte.x() + 40 * i - 360, bildschirmMitte.y() + 20 * i - 240 };
}

void ekdbilder::paintQuadrate(TCanvas& c)
{
    c.Pen.SetColor(clBlack);
    c.Pen.SetWidth(1);
    c.Pen.SetStyle(psSolid);
    for (int i = 0; i < kBilder - 1; ++i) {
        c.Brush.SetColor(kQuadratFarben[i]);
        c.Rectangle(
            kQuadratLinks + kQuadratBreite * i, kQuadratOben, kQuadratLinks + kQuadratBreite * (i + 1), kQuadratUnten);
    }
}

TFormEKDBilder* FormEKDBilder = nullptr;

TFormEKDBilder::TFormEKDBilder()
    : TLessonForm(QStringLiteral("FormEKDBilder"),
        { .caption = QStringLiteral(
              "Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Gefügereihe von 0.1% bis 0.8% Kohlenstoff)") })
{
    PaintBoxHaupt.SetAlign(alClient);
    PaintBoxHaupt.SetColor(RGB(0x82, 0x82, 0x82));
    // The mouse handlers take the pointer's position; they are set here.
    PaintBoxHaupt.OnMouseDown = [this](int x, int y, TShiftState) { PaintBoxHauptMouseDown(x, y); };
    PaintBoxHaupt.OnMouseMove = [this](int x, int y, TShiftState) { PaintBoxHauptMouseMove(x, y); };
}

void TFormEKDBilder::FormCreate()
{
    // Size and centring have just been done by the lesson base.
    m_bildschirmMitte = QPoint(Screen.Width() / 2, Screen.Height() / 2);
}

void TFormEKDBilder::PaintBoxHauptPaint()
{
    TCanvas& c = PaintBoxHaupt.Canvas();
    ekd::drawPlate(c, PaintBoxHaupt.Width(), PaintBoxHaupt.Height(), { .ferrit = true });
    ekdbilder::paintQuadrate(c);
}

void TFormEKDBilder::PaintBoxHauptMouseDown(int x, int y)
{
    const int n = ekdbilder::bildAn(x, y);
    if (n != ekdbilder::kKeinBild)
        bilder()[size_t(n)]->Show();
}

void TFormEKDBilder::PaintBoxHauptMouseMove(int x, int y)
{
    SetCursor(ekdbilder::handAn(x, y) ? crHandPoint : crDefault);
}

void TFormEKDBilder::GefgereiheKohlenstoff0108undFerrit1Click()
{
    const auto formen = bilder();
    for (TForm* f : formen)
        f->Show();
    for (int i = 0; i < ekdbilder::kBilder; ++i) {
        const QPoint p = ekdbilder::kaskade(m_bildschirmMitte, i);
        formen[size_t(i)]->SetLeft(p.x());
        formen[size_t(i)]->SetTop(p.y());
    }
}

void TFormEKDBilder::Bildershlieen1Click()
{
    for (TForm* f : bilder())
        f->Close();
}

void TFormEKDBilder::FormClose()
{
    for (TForm* f : bilder())
        f->Close();
}

} // namespace wb
