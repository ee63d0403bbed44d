// Information page: the contents of the course, notes on the screen settings and the
// background picture, and who is responsible for the presentation.
#include "shell/UnitInfo.h"

#include "framework/Application.h"

#include <iterator>

namespace wb {

TFormInfo* FormInfo = nullptr;

namespace {

struct PageLine {
    int y;
    const char* text;
};

// The page below its welcome line, at x = 10 and font height 18.
// clang-format off
constexpr PageLine kLines[] = {
    { 60, "Inhalt:" },
    { 80, "- Zweistofflegierungen allgemein" },
    { 100, "- Eisen-Kohlenstoff-Diagramm (metastabil und stabil)" },
    { 120, "  im Gleichgewichtszustand." },
    { 140, "- temperatur- und zeitabhängige Phasenveränderungen im System Eisen-Kohlenstoff" },
    { 160, "  Zeit-Temperatur-Austenitisierungs-Schaubilder " },
    { 180, "  Zeit-Temperatur-Umwandlungs-Schaubilder" },
    { 220, "Anmerkungen zum Programm:" },
    { 240, "Bildschirmeinstellung: 800x600 oder 1024x768 Pixel (kleine Schriftart)" },
    { 260, "(Siehe Windows Systemsteuerung/Anzeige/Einstellungen)" },
    { 280, "Hintergrund zeigt: unlegierter Stahl, ferritisch/perlitisches Gefüge" },
    { 320, "Verantwortlich für diese Präsentation:" },
    { 340, "Dr.-Ing. Henrike Adelsberger" },
    { 360, "Freiberg, Oktober 2025" },
};
// clang-format on
static_assert(std::size(kLines) == 14);

} // namespace

TFormInfo::TFormInfo()
    : TForm(QStringLiteral("FormInfo"))
{
    SetCaption(QStringLiteral("Information"));
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
    canvas.TextOut(10, 20, QStringLiteral("Herzlich Willkommen zu den Grundlagen der Wärmebehandlung! "));
    canvas.Font.SetHeight(18);
    for (const PageLine& line : kLines)
        canvas.TextOut(10, line.y, QString::fromUtf8(line.text));
}

} // namespace wb
