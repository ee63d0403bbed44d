// Information page: the contents of the course, notes on the screen settings and the
// background picture, and who is responsible for the presentation.
#include "shell/UnitInfo.h"

#include "framework/Application.h"
#include "framework/Figures.h"
#include "framework/Texts.h"

#include <iterator>

namespace wb {

TFormInfo* FormInfo = nullptr;

namespace {

// The page below its welcome line, at x = 10 and font height 18. The continued lines are indented
// by two blanks' width, a margin of their own, so that a translation need not count blanks.
// clang-format off
constexpr TextAt kLines[] = {
    { 10, 60, WB_TR("FormInfo", "Inhalt:") },
    { 10, 80, WB_TR("FormInfo", "- Zweistofflegierungen allgemein") },
    { 10, 100, WB_TR("FormInfo", "- Eisen-Kohlenstoff-Diagramm (metastabil und stabil)") },
    { 10, 120, WB_TR("FormInfo", "im Gleichgewichtszustand."), { 2, 0 } },
    { 10, 140, WB_TR("FormInfo", "- temperatur- und zeitabhängige Phasenveränderungen im System Eisen-Kohlenstoff") },
    { 10, 160, WB_TR("FormInfo", "Zeit-Temperatur-Austenitisierungs-Schaubilder"), { 2, 1 } },
    { 10, 180, WB_TR("FormInfo", "Zeit-Temperatur-Umwandlungs-Schaubilder"), { 2, 0 } },
    { 10, 220, WB_TR("FormInfo", "Anmerkungen zum Programm:") },
    { 10, 240, WB_TR("FormInfo", "Bildschirmeinstellung: 800x600 oder 1024x768 Pixel (kleine Schriftart)") },
    { 10, 260, WB_TR("FormInfo", "(Siehe Windows Systemsteuerung/Anzeige/Einstellungen)") },
    { 10, 280, WB_TR("FormInfo", "Hintergrund zeigt: unlegierter Stahl, ferritisch/perlitisches Gefüge") },
    { 10, 320, WB_TR("FormInfo", "Verantwortlich für diese Präsentation:") },
    { 10, 340, WB_TR("FormInfo", "Dr.-Ing. Henrike Adelsberger") },
    { 10, 360, WB_TR("FormInfo", "Freiberg, Oktober 2025") },
};
// clang-format on
static_assert(std::size(kLines) == 14);

} // namespace

TFormInfo::TFormInfo()
    : TForm(QStringLiteral("FormInfo"))
{
    SetCaption(QStringLiteral(WB_TR("FormInfo", "Information")));
    SetBorderStyle(bsToolWindow);
    SetColor(215); // #D70000, covered completely by the page
    Font.SetName(QStringLiteral("MS Sans Serif"));
    Font.SetHeight(-10);
    ImageText.SetAlign(alClient);
}

void TFormInfo::FormCreate()
{
    // Placed once: a window the user moved opens again where it was left.
    SetWidth(700);
    SetHeight(500);
    SetLeft((Screen.Width() - Width()) / 2);
    SetTop((Screen.Height() - Height()) / 2);
}

void TFormInfo::FormPaint()
{
    TCanvas& canvas = ImageText.Canvas();
    canvas.Brush.SetColor(clYellow);
    canvas.Rectangle(0, 0, ImageText.Width(), ImageText.Height());
    // The solid yellow brush fills every text cell with the page colour.
    canvas.Font.SetHeight(22);
    draw(canvas,
        TextAt { 10, 20, WB_TR("FormInfo", "Herzlich Willkommen zu den Grundlagen der Wärmebehandlung!"), { 0, 1 } });
    canvas.Font.SetHeight(18);
    drawAll(canvas, kLines);
}

} // namespace wb
