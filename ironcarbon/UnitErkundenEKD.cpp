// Exploring the iron–carbon diagram: any steel or cast iron at any temperature, its phases and
// constituents with their shares by the lever rule, the micrograph at those shares, the shares over
// the whole carbon range, and any alloy cooled from the melt with its cooling curve.
#include "ironcarbon/UnitErkundenEKD.h"

#include "framework/Application.h"
#include "ironcarbon/ExplorerReadout.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace wb {

namespace {

namespace mek = model::ekd;
namespace ex = ekderkunden;

// clang-format off
constexpr const char* kUeberschrift = "Eisen-Kohlenstoff-Schaubild erkunden";
constexpr const char* kStatus = "Punkt: Maus, Pfeiltasten (Umschalttaste: zehnfache Schritte), Eingabe + Enter  /  "
                                "Klick: Legierung wählen  /  Leertaste: Pause  /  ESC = Abbruch";
constexpr const char* kKohlenstoffText = "Kohlenstoff in %";
constexpr const char* kTemperaturText = "Temperatur in °C";
constexpr const char* kLegierungText = "Legierung: %1 % C";
constexpr const char* kSystemTexte[] = { "metastabiles System", "stabiles System" };

// Where everything lies: the diagram with the shares under it on the left, the micrograph with the
// entries, the read-out and the cooling curve on the right.
struct Ort { int left, top, width, height; };
constexpr Ort kDiagramm { 0, 0, 512, 372 };
constexpr Ort kAnteile { 0, 374, 512, 162 };
constexpr Ort kGefuege { 516, 4, 160, 160 };
constexpr Ort kPhasen { 516, 168, 272, 70 };
constexpr Ort kGefuegeText { 516, 242, 272, 104 };
constexpr Ort kKurve { 516, 350, 272, 186 };
constexpr int kEingabeLinks = 684;
constexpr int kEingabeBreite = 64;
// clang-format on

// The three lessons' alloys.
constexpr double kStahl06 = 0.6;
constexpr double kStahl12 = 1.2;
constexpr double kGusseisen30 = 3.0;

// The steps of the arrow keys, and with Shift.
constexpr double kKohlenstoffSchritt = 0.01;
constexpr double kKohlenstoffSchrittGross = 0.1;
constexpr double kTemperaturSchritt = 1;
constexpr double kTemperaturSchrittGross = 10;

// A tick of the run is 50 ms of the clock and 50 ms of the cooling curve.
constexpr double kTakt = 0.05;

// Every constituent of the iron–carbon diagram in a structure solidified from the melt and in one
// formed in the solid state: the pictures that make the synthesis ready for any point.
using MC = micrograph::Constituent;
constexpr micrograph::Part kErstarrt[] = {
    { MC::Melt, 1 },
    { MC::DeltaFerrite, 1 },
    { MC::Austenite, 1 },
    { MC::Ledeburite, 1 },
    { MC::TransformedLedeburite, 1 },
    { MC::PrimaryCementite, 1 },
    { MC::Pearlite, 1 },
    { MC::SecondaryCementite, 1 },
    { MC::Graphite, 1 },
};
constexpr micrograph::Part kFest[] = {
    { MC::Ferrite, 1 },
    { MC::TertiaryCementite, 1 },
    { MC::Pearlite, 1 },
    { MC::SecondaryCementite, 1 },
    { MC::Austenite, 1 },
    { MC::Graphite, 1 },
};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void place(TControl& c, const Ort& o)
{
    c.SetBounds(o.left, o.top, o.width, o.height);
}

void setLines(TMemo& memo, const QStringList& lines)
{
    // A memo lays its text out anew at every fill: only a changed text is filled in.
    if (memo.Lines.list() != lines)
        memo.Lines.setList(lines);
}

void setText(TEdit& edit, const QString& t)
{
    if (edit.Text() != t)
        edit.SetText(t);
}

double roundedCarbon(double c)
{
    return std::clamp(std::round(c * 100) / 100, ex::kKohlenstoffMin, ex::kKohlenstoffMax);
}

} // namespace

TFormErkundenEKD* FormErkundenEKD = nullptr;

TFormErkundenEKD::TFormErkundenEKD()
    : TLessonForm(QStringLiteral("FormErkundenEKD"), { .caption = text(kUeberschrift), .status = text(kStatus) })
{
    PaintBoxDiagramm.OnMouseMove = [this](int x, int y, TShiftState) {
        if (const std::optional<mek::State> p = ex::pointAt(x, y))
            movePoint(p->carbon, p->celsius);
    };
    PaintBoxDiagramm.OnMouseDown = [this](int x, int y, TShiftState) {
        if (const std::optional<mek::State> p = ex::pointAt(x, y))
            chooseAlloy(p->carbon, p->celsius);
    };
    // Over the shares the pointer chooses the carbon content at the temperature shown.
    PaintBoxAnteile.OnMouseMove = [this](int x, int, TShiftState) {
        if (const std::optional<double> c = ex::carbonAtColumn(x))
            movePoint(*c, m_state.Temperatur);
    };
    PaintBoxAnteile.OnMouseDown = [this](int x, int, TShiftState) {
        if (const std::optional<double> c = ex::carbonAtColumn(x))
            chooseAlloy(*c, std::round(m_state.Temperatur));
    };
    LabelKohlenstoff.SetCaption(text(kKohlenstoffText));
    LabelTemperatur.SetCaption(text(kTemperaturText));
    for (TLabel* l : { &LabelKohlenstoff, &LabelTemperatur, &LabelLegierung, &LabelSystem }) {
        l->SetColor(clWhite);
        l->SetTransparent(false);
    }
    for (TMemo* m : { &MemoPhasen, &MemoGefuege }) {
        m->SetColor(kMemoColor);
        m->SetReadOnly(true);
        m->SetWordWrap(false);
    }
    EditKohlenstoff.SetColor(clWhite);
    EditTemperatur.SetColor(clWhite);
}

void TFormErkundenEKD::FormCreate()
{
    SetKeyPreview(true);
    place(PaintBoxDiagramm, kDiagramm);
    place(PaintBoxAnteile, kAnteile);
    place(PaintBoxGefuege, kGefuege);
    place(MemoPhasen, kPhasen);
    place(MemoGefuege, kGefuegeText);
    place(PaintBoxAbkuehlkurve, kKurve);
    LabelKohlenstoff.SetBounds(kEingabeLinks, kGefuege.top, 100, 16);
    EditKohlenstoff.SetBounds(kEingabeLinks, kGefuege.top + 16, kEingabeBreite, 20);
    LabelTemperatur.SetBounds(kEingabeLinks, kGefuege.top + 42, 100, 16);
    EditTemperatur.SetBounds(kEingabeLinks, kGefuege.top + 58, kEingabeBreite, 20);
    LabelLegierung.SetBounds(kEingabeLinks, kGefuege.top + 90, 100, 16);
    LabelSystem.SetBounds(kEingabeLinks, kGefuege.top + 110, 100, 16);
    showTexts();
}

const mek::CoolingCurve& TFormErkundenEKD::curve()
{
    if (!m_curve || m_curve->carbon != m_state.Legierung || m_curve->system != m_state.System)
        m_curve = mek::coolingCurve(m_state.System, m_state.Legierung);
    return *m_curve;
}

std::uint64_t TFormErkundenEKD::seed() const
{
    return 20240611u + std::uint64_t(std::llround(m_state.Legierung * 100));
}

// --- Painting --------------------------------------------------------------------------------

void TFormErkundenEKD::PaintBoxDiagrammPaint()
{
    TCanvas& c = PaintBoxDiagramm.Canvas();
    ex::drawDiagram(c, PaintBoxDiagramm.Width(), PaintBoxDiagramm.Height(), m_state.System, m_state.Legierung);
    m_marks = ex::marksAt(m_state.System, m_state.Kohlenstoff, moment());
    ex::toggleMarks(c, *m_marks);
}

void TFormErkundenEKD::PaintBoxAnteilePaint()
{
    TCanvas& c = PaintBoxAnteile.Canvas();
    ex::drawShares(c, PaintBoxAnteile.Width(), PaintBoxAnteile.Height(), m_state.System, m_state.Temperatur);
    m_anteileBei = m_state.Temperatur;
    ex::toggleShareMarker(c, PaintBoxAnteile.Height(), m_state.Kohlenstoff);
    m_anteileMarke = m_state.Kohlenstoff;
}

void TFormErkundenEKD::PaintBoxGefuegePaint()
{
    drawMicrograph();
}

void TFormErkundenEKD::PaintBoxAbkuehlkurvePaint()
{
    TCanvas& c = PaintBoxAbkuehlkurve.Canvas();
    const int w = PaintBoxAbkuehlkurve.Width(), h = PaintBoxAbkuehlkurve.Height();
    ex::drawCoolingCurve(c, w, h, curve(), m_state.Laufzeit);
    ex::toggleCurveMarker(c, w, h, m_state.Temperatur);
    m_kurvenMarke = m_state.Temperatur;
}

void TFormErkundenEKD::drawMicrograph()
{
    TCanvas& c = PaintBoxGefuege.Canvas();
    const qreal ratio = c.target() ? c.target()->ratio() : 1.0;
    const QSize size(PaintBoxGefuege.Width(), PaintBoxGefuege.Height());
    if (!m_warm) {
        // The window opens: the layouts of both arrangements and the texture of every constituent
        // the diagram can show are made now, so that the pointer moving into another field does
        // not wait for them. A chosen alloy's seed is not warmed so: a click would wait for it.
        for (const std::span<const micrograph::Part> parts :
            { std::span<const micrograph::Part>(kErstarrt), std::span<const micrograph::Part>(kFest) })
            m_synthesis.render({ size.width(), size.height(), ratio, seed(), { parts.begin(), parts.end() } });
        m_warm = true;
    }
    m_bild = m_synthesis.render({ size.width(), size.height(), ratio, seed(),
        ex::micrographParts(mek::constituentsAt(m_state.System, m_state.Kohlenstoff, moment())) });
    c.copyDevicePicture(0, 0, size, m_bild.image);
}

void TFormErkundenEKD::showTexts()
{
    const mek::CoolingMoment m = moment();
    setLines(MemoPhasen, ex::phaseLines(m_state.System, m_state.Kohlenstoff, m));
    setLines(MemoGefuege, ex::constituentLines(m_state.System, m_state.Kohlenstoff, m));
    setText(EditKohlenstoff, ex::carbonText(m_state.Kohlenstoff));
    setText(EditTemperatur, ex::celsiusText(m_state.Temperatur));
    const QString legierung = text(kLegierungText).arg(ex::carbonText(m_state.Legierung));
    if (LabelLegierung.Caption() != legierung)
        LabelLegierung.SetCaption(legierung);
    const QString system = text(kSystemTexte[m_state.System == mek::System::Metastable ? 0 : 1]);
    if (LabelSystem.Caption() != system)
        LabelSystem.SetCaption(system);
    Metastabil.SetEnabled(m_state.System != mek::System::Metastable);
    Stabil.SetEnabled(m_state.System != mek::System::Stable);
}

void TFormErkundenEKD::showPoint()
{
    showTexts();
    if (!Visible())
        return; // the paint at the next opening draws it all
    // The marks come off before anything is drawn under them, and go on again after.
    const ex::Marks marks = ex::marksAt(m_state.System, m_state.Kohlenstoff, moment());
    if (m_marks != marks) {
        TCanvas& c = PaintBoxDiagramm.Canvas();
        if (m_marks)
            ex::toggleMarks(c, *m_marks);
        ex::toggleMarks(c, marks);
        m_marks = marks;
    }
    if (m_anteileBei != m_state.Temperatur) {
        PaintBoxAnteilePaint();
    } else if (m_anteileMarke != m_state.Kohlenstoff) {
        TCanvas& c = PaintBoxAnteile.Canvas();
        if (m_anteileMarke)
            ex::toggleShareMarker(c, PaintBoxAnteile.Height(), *m_anteileMarke);
        ex::toggleShareMarker(c, PaintBoxAnteile.Height(), m_state.Kohlenstoff);
        m_anteileMarke = m_state.Kohlenstoff;
    }
    if (m_kurvenMarke != m_state.Temperatur) {
        TCanvas& c = PaintBoxAbkuehlkurve.Canvas();
        const int w = PaintBoxAbkuehlkurve.Width(), h = PaintBoxAbkuehlkurve.Height();
        if (m_kurvenMarke)
            ex::toggleCurveMarker(c, w, h, *m_kurvenMarke);
        ex::toggleCurveMarker(c, w, h, m_state.Temperatur);
        m_kurvenMarke = m_state.Temperatur;
    }
    drawMicrograph();
}

// --- Choosing the point ----------------------------------------------------------------------

void TFormErkundenEKD::movePoint(double carbon, double celsius)
{
    // A run holds the point, also while it is paused.
    if (m_state.Laeuft)
        return;
    if (carbon == m_state.Kohlenstoff && celsius == m_state.Temperatur && m_state.Reaktion == 1)
        return;
    m_state.Kohlenstoff = carbon;
    m_state.Temperatur = celsius;
    m_state.Reaktion = 1;
    showPoint();
}

void TFormErkundenEKD::stopRun()
{
    TimerAbkuehlen.SetEnabled(false);
    m_state.Laeuft = false;
    m_state.Laufzeit = 0;
    m_state.Reaktion = 1;
}

void TFormErkundenEKD::chooseAlloy(double carbon, double celsius)
{
    stopRun();
    m_state.Legierung = carbon;
    m_state.Kohlenstoff = carbon;
    m_state.Temperatur = celsius;
    showTexts();
    // The alloy's line, its cooling curve and its micrograph's layout are new: everything anew.
    Refresh();
}

void TFormErkundenEKD::chooseSystem(mek::System s)
{
    stopRun();
    m_state.System = s;
    showTexts();
    Refresh();
}

void TFormErkundenEKD::takeEntries()
{
    const QString typedC = EditKohlenstoff.Text(), typedT = EditTemperatur.Text();
    const std::optional<double> carbon = ex::readCarbon(typedC);
    if (!carbon) {
        Application.ShowError(ex::carbonRefused(typedC));
        return;
    }
    const std::optional<int> celsius = ex::readCelsius(typedT);
    if (!celsius) {
        Application.ShowError(ex::celsiusRefused(typedT));
        return;
    }
    chooseAlloy(*carbon, *celsius);
}

void TFormErkundenEKD::FormKeyDown(int& key, TShiftState shift)
{
    const double c = m_state.Kohlenstoff, t = std::round(m_state.Temperatur);
    const double dc = shift.shift ? kKohlenstoffSchrittGross : kKohlenstoffSchritt;
    const double dt = shift.shift ? kTemperaturSchrittGross : kTemperaturSchritt;
    // Below the field lies room temperature only: from 500 °C down is room temperature, from
    // there up 500 °C.
    const double unten = mek::kTiefsteTemperatur;
    switch (key) {
    case VK_LEFT:
        movePoint(roundedCarbon(c - dc), m_state.Temperatur);
        break;
    case VK_RIGHT:
        movePoint(roundedCarbon(c + dc), m_state.Temperatur);
        break;
    case VK_UP:
        movePoint(c, t < unten ? unten : std::min(t + dt, double(ex::kTemperaturMax)));
        break;
    case VK_DOWN:
        movePoint(c, t <= unten ? double(ex::kTemperaturMin) : std::max(t - dt, unten));
        break;
    case VK_RETURN:
        takeEntries();
        break;
    case VK_SPACE:
        // Pauses a run, and lets it go on.
        if (m_state.Laeuft)
            TimerAbkuehlen.SetEnabled(!TimerAbkuehlen.Enabled());
        break;
    default:
        return;
    }
    key = 0;
}

// --- The run ---------------------------------------------------------------------------------

void TFormErkundenEKD::AbkuehlenClick()
{
    stopRun();
    m_state.Laeuft = true;
    m_state.Kohlenstoff = m_state.Legierung;
    m_state.Temperatur = curve().points.front().celsius;
    // The curve without a run on it, then the point at the start.
    if (Visible())
        PaintBoxAbkuehlkurvePaint();
    showPoint();
    TimerAbkuehlen.SetEnabled(true);
}

void TFormErkundenEKD::TimerAbkuehlenTimer()
{
    const mek::CoolingCurve& k = curve();
    const double from = m_state.Laufzeit;
    m_state.Laufzeit = std::min(from + kTakt, k.duration());
    const mek::CoolingMoment m = mek::momentAt(k, m_state.Laufzeit);
    if (Visible()) {
        // The run's piece goes under the temperature's mark.
        TCanvas& c = PaintBoxAbkuehlkurve.Canvas();
        const int w = PaintBoxAbkuehlkurve.Width(), h = PaintBoxAbkuehlkurve.Height();
        if (m_kurvenMarke)
            ex::toggleCurveMarker(c, w, h, *m_kurvenMarke);
        m_kurvenMarke.reset();
        ex::drawRunPart(c, w, h, k, from, m_state.Laufzeit);
    }
    m_state.Temperatur = m.celsius;
    m_state.Reaktion = m.reacted;
    if (m_state.Laufzeit >= k.duration()) {
        TimerAbkuehlen.SetEnabled(false);
        m_state.Laeuft = false;
        m_state.Reaktion = 1;
    }
    showPoint();
}

void TFormErkundenEKD::NeuClick()
{
    stopRun();
    Refresh();
}

void TFormErkundenEKD::Legierung06Click()
{
    chooseAlloy(kStahl06, std::round(m_state.Temperatur));
}

void TFormErkundenEKD::Legierung12Click()
{
    chooseAlloy(kStahl12, std::round(m_state.Temperatur));
}

void TFormErkundenEKD::Legierung30Click()
{
    chooseAlloy(kGusseisen30, std::round(m_state.Temperatur));
}

void TFormErkundenEKD::MetastabilClick()
{
    chooseSystem(mek::System::Metastable);
}

void TFormErkundenEKD::StabilClick()
{
    chooseSystem(mek::System::Stable);
}

void TFormErkundenEKD::FormClose()
{
    stopRun();
    // A closed window need not keep the micrograph's layouts; the next opening makes them anew.
    m_synthesis.clear();
    m_warm = false;
}

} // namespace wb
