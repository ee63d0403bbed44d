// Exploring the binary phase diagrams: any alloy at any temperature, its phases by the lever rule,
// its constituents and micrograph, and its own cooling curve.
#include "phase/UnitErkundenZu.h"

#include "framework/Application.h"
#include "phase/ErkundenZuText.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <map>

namespace wb {

TFormErkundenZu* FormErkundenZu = nullptr;

namespace {

using namespace erkundenzu;
using M = micrograph::Constituent;
using model::ConstituentKind;

// clang-format off
constexpr const char* kTitel = "Zustandsschaubilder erkunden";
constexpr const char* kStatus =
    "Pfeiltasten: Punkt bewegen (mit Umschalttaste um 10), Eingabetaste: Legierung wählen, Alt+A: Abkühlen, "
    "Leertaste: Pause, ESC = Abbruch";

// The form's layout in client coordinates: the cooling curve and the diagram side by side at
// the top, the read-out and the micrograph below them.
struct Platz {
    int links, oben, breite, hoehe;
};
constexpr Platz kKurvePlatz       = {   4,   4, kKurveGroesse.width(), kKurveGroesse.height() };
constexpr Platz kDiagrammPlatz    = { 290,   4, kDiagrammGroesse.width(), kDiagrammGroesse.height() };
constexpr Platz kKonzentrationText = {   8, 422, 0, 0 };
constexpr Platz kKonzentrationFeld = {  76, 419, 56, 22 };
constexpr Platz kTemperaturText   = {   8, 450, 0, 0 };
constexpr Platz kTemperaturFeld   = {  76, 447, 56, 22 };
constexpr Platz kPhasenText       = { 140, 418, 0, 0 };
constexpr Platz kPhasenFeld       = { 140, 434, 236, 100 };
constexpr Platz kGefuegeText      = { 382, 418, 0, 0 };
constexpr Platz kGefuegeFeld      = { 382, 434, 262, 100 };
constexpr Platz kGefuegeBild      = { 650, 418, 132, 116 };

constexpr const char* kKonzentrationBeschriftung = "B in %";
constexpr const char* kTemperaturBeschriftung = "T in °C";
constexpr const char* kPhasenBeschriftung = "Phasen (Hebelgesetz)";
constexpr const char* kGefuegeBeschriftung = "Gefüge nach langsamer Abkühlung";
// clang-format on

// The first opening's point: type 1's alloy of 40 % B in its two-phase field.
constexpr int kSchritteJeLauf = 200;
constexpr double kGrosserSchritt = 10;

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

void platziere(TControl& c, const Platz& p)
{
    if (p.breite > 0)
        c.SetBounds(p.links, p.oben, p.breite, p.hoehe);
    else
        c.SetBounds(p.links, p.oben, c.Width(), c.Height());
}

// The picture a constituent shows in the micrograph. What precipitated from a solid solution is
// too fine for it: it shows as its host. The beta of a type 4 alloy that met the peritectic line
// keeps the look of the peritectic rim it grew from.
M bildVon(const model::Constituent& c, const std::vector<model::Constituent>& alle, int typ, bool peritektisch)
{
    switch (c.kind) {
    case ConstituentKind::Melt:
        return M::Melt;
    case ConstituentKind::Eutectic:
        return typ == 2 ? M::EutecticAB : M::EutecticAlphaBeta;
    case ConstituentKind::Peritectic:
    case ConstituentKind::FromMelt:
        return M::PeritecticBeta;
    case ConstituentKind::Precipitate:
        return bildVon(alle[size_t(c.host)], alle, typ, peritektisch);
    default:
        break;
    }
    switch (c.phase) {
    case model::Phase::A:
        return M::PrimaryA;
    case model::Phase::B:
        return M::PrimaryB;
    case model::Phase::Beta:
        return peritektisch ? M::PeritecticBeta : M::PrimaryBeta;
    default:
        return typ == 1 ? M::SolidSolution : M::PrimaryAlpha;
    }
}

// One arrangement per alloy: the picture changes with the shares as the point moves, and a new
// one only comes with another alloy or another type.
std::uint64_t saatVon(int typ, std::optional<double> legierung)
{
    const std::uint64_t alloy = legierung ? std::uint64_t(std::llround(*legierung * 10)) + 1 : 0;
    return 0x9E3779B97F4A7C15ull * std::uint64_t(typ) + 0x100000001B3ull * alloy + 1;
}

} // namespace

TFormErkundenZu::TFormErkundenZu()
    : TLessonForm(QStringLiteral("FormErkundenZu"), { .caption = utf8(kTitel), .status = utf8(kStatus) })
{
    SetKeyPreview(true);
    PaintBoxDiagramm.OnMouseMove = [this](int x, int y, TShiftState) { PaintBoxDiagrammMouseMove(x, y); };
    PaintBoxDiagramm.OnMouseDown = [this](int x, int y, TShiftState) { PaintBoxDiagrammMouseDown(x, y); };
    const std::pair<TLabel*, const char*> beschriftungen[] = {
        { &LabelKonzentration, kKonzentrationBeschriftung },
        { &LabelTemperatur, kTemperaturBeschriftung },
        { &LabelPhasen, kPhasenBeschriftung },
        { &LabelGefuege, kGefuegeBeschriftung },
    };
    for (const auto& [label, text] : beschriftungen) {
        label->SetCaption(utf8(text));
        label->Font.SetColor(clWhite);
        label->SetTransparent(true);
    }
    for (TEdit* edit : { &EditKonzentration, &EditTemperatur })
        edit->Font.SetHeight(-13);
    for (TMemo* memo : { &MemoPhasen, &MemoGefuege }) {
        memo->SetReadOnly(true);
        memo->SetTabStop(false);
        memo->SetWordWrap(false);
        memo->SetColor(kMemoColor);
    }
}

void TFormErkundenZu::FormCreate()
{
    // Outer size and centring are done by the lesson base before this runs.
    platziere(PaintBoxAbkuehlkurve, kKurvePlatz);
    platziere(PaintBoxDiagramm, kDiagrammPlatz);
    platziere(PaintBoxGefuege, kGefuegeBild);
    platziere(LabelKonzentration, kKonzentrationText);
    platziere(LabelTemperatur, kTemperaturText);
    platziere(LabelPhasen, kPhasenText);
    platziere(LabelGefuege, kGefuegeText);
    platziere(EditKonzentration, kKonzentrationFeld);
    platziere(EditTemperatur, kTemperaturFeld);
    platziere(MemoPhasen, kPhasenFeld);
    platziere(MemoGefuege, kGefuegeFeld);
    schreibeAnzeige();
}

void TFormErkundenZu::FormClose()
{
    // Closing ends a run; the type, the point and the alloy stay for the next opening. The
    // pictures kept for the pointer are given up with the window.
    beendeLauf();
    m_kurve.reset();
    m_synthese.clear();
    m_diagramm.freigeben();
    m_diagrammTyp = 0;
}

double TFormErkundenZu::zeitschritt() const
{
    return model::coolingTimeScale(diagramm()) / kSchritteJeLauf;
}

// --- The point, the alloy and the run ---------------------------------------------------------

void TFormErkundenZu::setzePunkt(double w, double t)
{
    if (m_state.Abkuehlung == Lauf::Laeuft)
        return;
    const model::PhaseDiagram& d = diagramm();
    m_state.Konzentration = std::clamp(std::round(w * 10) / 10, 0.0, 100.0);
    m_state.Temperatur = std::clamp(std::round(t), d.tBottom, d.tTop);
    zeige();
}

void TFormErkundenZu::waehleLegierung()
{
    beendeLauf();
    m_kurve.reset();
    m_state.Legierung = m_state.Konzentration;
    PaintBoxAbkuehlkurvePaint();
    zeige();
}

void TFormErkundenZu::beendeLauf()
{
    TimerAbkuehlen.SetEnabled(false);
    m_state.Abkuehlung = Lauf::Keiner;
    m_state.Zeit = 0;
}

double TFormErkundenZu::fortschritt() const
{
    if (m_state.Abkuehlung == Lauf::Keiner || !m_kurve || !m_state.Legierung)
        return 0;
    // Only while the point is the run's: paused, the student may look elsewhere.
    if (m_state.Konzentration != *m_state.Legierung || m_state.Temperatur != m_kurve->temperatureAt(m_state.Zeit))
        return 0;
    return m_kurve->progressAt(m_state.Zeit);
}

bool TFormErkundenZu::uebernimmEingabe()
{
    const model::PhaseDiagram& d = diagramm();
    const QString wText = EditKonzentration.Text();
    const std::optional<double> w = liesZahl(wText);
    const double wGerundet = w ? std::round(*w * 10) / 10 : 0;
    if (!w || wGerundet < 0 || wGerundet > 100) {
        Application.ShowError(konzentrationFalsch(wText));
        return false;
    }
    const QString tText = EditTemperatur.Text();
    const std::optional<double> t = liesZahl(tText);
    const double tGerundet = t ? std::round(*t) : 0;
    if (!t || tGerundet < d.tBottom || tGerundet > d.tTop) {
        Application.ShowError(temperaturFalsch(tText, d));
        return false;
    }
    beendeLauf();
    setzePunkt(wGerundet, tGerundet);
    return true;
}

void TFormErkundenZu::waehleTyp(int nummer)
{
    const model::PhaseDiagram& alt = diagramm();
    const double hoehe = (m_state.Temperatur - alt.tBottom) / (alt.tTop - alt.tBottom);
    beendeLauf();
    m_kurve.reset();
    m_state.Typ = nummer;
    // The point keeps its place in the field.
    const model::PhaseDiagram& d = diagramm();
    m_state.Temperatur = std::round(d.tBottom + hoehe * (d.tTop - d.tBottom));
    schreibeAnzeige();
    Refresh();
}

void TFormErkundenZu::ErkTyp1Click()
{
    waehleTyp(1);
}

void TFormErkundenZu::ErkTyp2Click()
{
    waehleTyp(2);
}

void TFormErkundenZu::ErkTyp3Click()
{
    waehleTyp(3);
}

void TFormErkundenZu::ErkTyp4Click()
{
    waehleTyp(4);
}

void TFormErkundenZu::AbkuehlenClick()
{
    // Without a chosen alloy, the point's composition is cooled.
    if (!m_state.Legierung)
        m_state.Legierung = m_state.Konzentration;
    beendeLauf();
    m_kurve = model::coolingCurve(diagramm(), *m_state.Legierung);
    m_state.Abkuehlung = Lauf::Laeuft;
    m_state.Zeit = 0;
    m_state.Konzentration = *m_state.Legierung;
    m_state.Temperatur = m_kurve->temperatureAt(0);
    PaintBoxAbkuehlkurvePaint();
    zeige();
    TimerAbkuehlen.SetEnabled(true);
}

void TFormErkundenZu::NeuClick()
{
    beendeLauf();
    m_kurve.reset();
    m_state.Temperatur = std::round(m_state.Temperatur);
    PaintBoxAbkuehlkurvePaint();
    zeige();
}

void TFormErkundenZu::TimerAbkuehlenTimer()
{
    if (m_state.Abkuehlung != Lauf::Laeuft || !m_kurve) {
        TimerAbkuehlen.SetEnabled(false);
        return;
    }
    const double vorher = m_state.Zeit;
    m_state.Zeit = std::min(m_state.Zeit + zeitschritt(), m_kurve->endTime());
    m_state.Konzentration = *m_state.Legierung;
    m_state.Temperatur = m_kurve->temperatureAt(m_state.Zeit);
    zeichneKurve(PaintBoxAbkuehlkurve.Canvas(), typ(), *m_kurve, vorher, m_state.Zeit);
    zeige();
    if (m_state.Zeit >= m_kurve->endTime()) {
        m_state.Abkuehlung = Lauf::Fertig;
        TimerAbkuehlen.SetEnabled(false);
    }
}

// --- Input -------------------------------------------------------------------------------------

void TFormErkundenZu::PaintBoxDiagrammMouseMove(int x, int y)
{
    const Punkt p = punktBei(typ(), x, y);
    setzePunkt(p.w, p.t);
}

void TFormErkundenZu::PaintBoxDiagrammMouseDown(int x, int y)
{
    // A click chooses the alloy under the pointer, also while another one cools.
    beendeLauf();
    const Punkt p = punktBei(typ(), x, y);
    setzePunkt(p.w, p.t);
    waehleLegierung();
}

bool TFormErkundenZu::tipptGerade() const
{
    // Only the program's windows have a keyboard focus; the headless driver's keys always move
    // the point.
    const QWidget* fokus = QApplication::focusWidget();
    return fokus && (fokus == EditKonzentration.childHost() || fokus == EditTemperatur.childHost());
}

void TFormErkundenZu::FormKeyDown(int& key, TShiftState shift)
{
    const double schritt = shift.shift ? kGrosserSchritt : 1;
    // While a value is being typed, Left and Right move within it.
    if ((key == VK_LEFT || key == VK_RIGHT) && tipptGerade())
        return;
    switch (key) {
    case VK_LEFT:
        setzePunkt(m_state.Konzentration - schritt, m_state.Temperatur);
        break;
    case VK_RIGHT:
        setzePunkt(m_state.Konzentration + schritt, m_state.Temperatur);
        break;
    case VK_UP:
        setzePunkt(m_state.Konzentration, m_state.Temperatur + schritt);
        break;
    case VK_DOWN:
        setzePunkt(m_state.Konzentration, m_state.Temperatur - schritt);
        break;
    case VK_RETURN:
        if (uebernimmEingabe())
            waehleLegierung();
        break;
    case VK_SPACE:
        if (m_state.Abkuehlung == Lauf::Laeuft) {
            m_state.Abkuehlung = Lauf::Angehalten;
            TimerAbkuehlen.SetEnabled(false);
        } else if (m_state.Abkuehlung == Lauf::Angehalten && m_kurve) {
            // Back to the run's point, wherever the student has looked meanwhile.
            m_state.Abkuehlung = Lauf::Laeuft;
            m_state.Konzentration = *m_state.Legierung;
            m_state.Temperatur = m_kurve->temperatureAt(m_state.Zeit);
            zeige();
            TimerAbkuehlen.SetEnabled(true);
        }
        break;
    default:
        // Digits, signs and separators go on to the edit being typed in.
        return;
    }
    key = 0;
}

// --- Drawing -----------------------------------------------------------------------------------

void TFormErkundenZu::zeige()
{
    zeichneDiagramm();
    schreibeAnzeige();
    zeichneGefuege();
}

void TFormErkundenZu::zeichneDiagramm()
{
    TCanvas& c = PaintBoxDiagramm.Canvas();
    const qreal ratio = c.target() ? c.target()->ratio() : 1;
    if (m_diagramm.bereite(kDiagrammGroesse, ratio) || m_diagrammTyp != m_state.Typ) {
        erkundenzu::zeichneDiagramm(m_diagramm.canvas, typ());
        m_diagrammTyp = m_state.Typ;
    }
    c.copyDevicePicture(0, 0, kDiagrammGroesse, m_diagramm.bild());
    const model::PhaseState phasen
        = model::phasesAt(diagramm(), m_state.Konzentration, m_state.Temperatur, fortschritt());
    zeichneZeiger(c, typ(), m_state.Konzentration, m_state.Temperatur, m_state.Legierung, phasen);
}

void TFormErkundenZu::schreibeAnzeige()
{
    const double w = m_state.Konzentration;
    const double t = m_state.Temperatur;
    const double p = fortschritt();
    EditKonzentration.SetText(zahl(w, 1));
    EditTemperatur.SetText(zahl(t));
    const QStringList phasen = phasenZeilen(model::phasesAt(diagramm(), w, t, p), t);
    if (phasen != MemoPhasen.Lines.list())
        MemoPhasen.Lines.setList(phasen);
    const QStringList gefuege = gefuegeZeilen(model::constituentsAt(diagramm(), w, t, p));
    if (gefuege != MemoGefuege.Lines.list())
        MemoGefuege.Lines.setList(gefuege);
}

void TFormErkundenZu::zeichneGefuege()
{
    const model::PhaseDiagram& d = diagramm();
    const double w = m_state.Konzentration;
    const std::vector<model::Constituent> bestandteile = model::constituentsAt(d, w, m_state.Temperatur, fortschritt());
    const bool peritektisch = model::solidification(d, w).invariant != nullptr;
    std::map<M, double> anteile;
    for (const model::Constituent& c : bestandteile)
        anteile[bildVon(c, bestandteile, m_state.Typ, peritektisch)] += c.share;
    micrograph::Request r;
    r.width = PaintBoxGefuege.Width();
    r.height = PaintBoxGefuege.Height();
    TCanvas& c = PaintBoxGefuege.Canvas();
    r.ratio = c.target() ? c.target()->ratio() : 1;
    r.seed = saatVon(m_state.Typ, m_state.Legierung);
    for (const auto& [bestandteil, anteil] : anteile)
        r.parts.push_back({ bestandteil, anteil });
    const micrograph::Micrograph bild = m_synthese.render(r);
    c.copyDevicePicture(0, 0, QSize(r.width, r.height), bild.image);
}

void TFormErkundenZu::PaintBoxDiagrammPaint()
{
    zeichneDiagramm();
}

void TFormErkundenZu::PaintBoxGefuegePaint()
{
    // The first paint of an opening also makes the micrograph's arrangement, which the pointer's
    // pictures then only fill.
    zeichneGefuege();
}

void TFormErkundenZu::PaintBoxAbkuehlkurvePaint()
{
    TCanvas& c = PaintBoxAbkuehlkurve.Canvas();
    zeichneKurvenRahmen(c, typ(), m_state.Legierung);
    if (m_kurve && m_state.Abkuehlung != Lauf::Keiner)
        zeichneKurve(c, typ(), *m_kurve, -1, m_state.Zeit);
}

} // namespace wb
