// Your own cooling on the ZTU diagrams: any rate, a quenched round bar or an isothermal hold, with
// the constituents, the hardness and a micrograph of the result, and the end-quench test.
#include "timetemp/UnitErkundenZTU.h"

#include "framework/Application.h"
#include "framework/FormAccess.h"
#include "steel/NamedSteels.h"
#include "timetemp/ErkundenZTUZeichnung.h"

#include <cmath>

namespace wb {

TFormErkundenZTU* FormErkundenZTU = nullptr;

namespace {

using namespace erkundenztu;

const QString kStatus = QStringLiteral("Pfeiltasten am Schieber ändern die Abkühlgeschwindigkeit / Tab = nächstes "
                                       "Feld / Menü Abkühlung: Art der Abkühlung / ESC = Abbruch");

// clang-format off
// The left column: what the student sets, then the result.
struct Platz {
    int x, y, w, h;
};
constexpr Platz kLabelStahl { 6, 4, 238, 16 };
constexpr Platz kLabelRate { 6, 24, 238, 16 }, kEditRate { 6, 42, 70, 21 }, kScrollBarRate { 82, 43, 162, 19 };
constexpr Platz kLabelDurchmesser { 6, 68, 238, 16 }, kEditDurchmesser { 6, 86, 70, 21 }, kLabelMittel { 82, 89, 162, 16 };
constexpr Platz kLabelHalten { 6, 112, 238, 16 }, kEditHaltetemperatur { 6, 130, 70, 21 }, kEditHaltezeit { 82, 130, 80, 21 };
constexpr Platz kLabelAbstand { 6, 156, 238, 16 }, kEditAbstand { 6, 174, 70, 21 };
constexpr Platz kLabelGefuege { 6, 202, 238, 16 }, kMemoGefuege { 6, 220, 238, 104 };
constexpr Platz kLabelHaerte { 6, 331, 60, 16 }, kEditHaerte { 66, 328, 178, 21 };
constexpr Platz kPaintBoxGefuege { 6, 354, 238, 178 };
// The right column: the diagram, a line of notes, the end-quench test.
constexpr Platz kPaintBoxZTU { 250, 4, 538, 326 }, kLabelHinweis { 252, 332, 536, 16 };
constexpr Platz kPaintBoxJominy { 250, 350, 538, 182 };

constexpr const char* kLabelTexte[] = {
    "Abkühlgeschwindigkeit in °C/s",
    "Rundstab: Durchmesser in mm",
    "Isothermes Halten: Temperatur in °C, Zeit in s",
    "Stirnabschreckprobe: Abstand in mm",
    "Gefüge nach der Abkühlung",
    "Härte",
};
// clang-format on

void setze(TControl& c, const Platz& p)
{
    c.SetBounds(p.x, p.y, p.w, p.h);
}

QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

const char* mittelText(steel::Quenchant q)
{
    switch (q) {
    case steel::Quenchant::Water:
        return "in Wasser";
    case steel::Quenchant::Oil:
        return "in Öl";
    case steel::Quenchant::Air:
        return "an Luft";
    }
    return "";
}

const char* ortText(Ort o)
{
    switch (o) {
    case Ort::Rand:
        return "Rand";
    case Ort::HalberRadius:
        return "halber Radius";
    case Ort::Kern:
        return "Kern";
    }
    return "";
}

micrograph::Request gefuegeBild(const Ergebnis& e, int w, int h, qreal ratio, quint64 saat)
{
    using micrograph::Constituent;
    micrograph::Request r { w, h, ratio, saat, {} };
    const std::pair<Constituent, double> teile[]
        = { { Constituent::Ferrite, e.ferrit }, { Constituent::Pearlite, e.perlit }, { Constituent::Bainite, e.bainit },
              { Constituent::Martensite, e.martensit }, { Constituent::RetainedAustenite, e.restaustenit } };
    for (const auto& [c, anteil] : teile)
        if (anteil > 0)
            r.parts.push_back({ c, anteil });
    return r;
}

} // namespace

TFormErkundenZTU::TFormErkundenZTU()
    : TLessonForm(QStringLiteral("FormErkundenZTU"), { .caption = u8("Abkühlung selbst wählen"), .status = kStatus })
    , m_stahl(std::make_unique<erkundenztu::Stahl>(erkundenztu::Stahl::lehrstahl(model::c45(), QStringLiteral("C45"))))
{
    // "Beliebiger Stahl": the steel calculator's named steels with their nominal compositions.
    for (const steel::NamedSteel& s : steel::namedSteels()) {
        const QString name = QString::fromUtf8(s.name);
        auto item = std::make_unique<TMenuItem>(StahlBeliebig, QStringLiteral("Beliebig") + name, name);
        const steel::Composition c = s.composition;
        item->OnClick = [this, c, name] { setComposition(c, name); };
        m_beliebig.push_back(std::move(item));
    }
    EditRate.OnChange = [this] { eingabe(EditRate, kRate, &Einstellung::rate, Art::Geschwindigkeit); };
    EditDurchmesser.OnChange
        = [this] { eingabe(EditDurchmesser, kDurchmesser, &Einstellung::durchmesser, Art::Rundstab); };
    EditHaltetemperatur.OnChange
        = [this] { eingabe(EditHaltetemperatur, kHalteTemperatur, &Einstellung::halteTemperatur, Art::Halten); };
    EditHaltezeit.OnChange = [this] { eingabe(EditHaltezeit, kHalteZeit, &Einstellung::halteZeit, Art::Halten); };
    EditAbstand.OnChange = [this] { eingabe(EditAbstand, kAbstand, &Einstellung::abstand, Art::Stirnabschreck); };
    ScrollBarRate.OnScroll = [this](int position) { schieber(position); };
    PaintBoxJominy.OnMouseDown = [this](int x, int, TShiftState) { stirnZeiger(x); };
}

TFormErkundenZTU::~TFormErkundenZTU() = default;

void TFormErkundenZTU::FormCreate()
{
    setze(LabelStahl, kLabelStahl);
    TLabel* const labels[]
        = { &LabelRate, &LabelDurchmesser, &LabelHalten, &LabelAbstand, &LabelGefuege, &LabelHaerte };
    const Platz labelPlaetze[]
        = { kLabelRate, kLabelDurchmesser, kLabelHalten, kLabelAbstand, kLabelGefuege, kLabelHaerte };
    static_assert(std::size(kLabelTexte) == std::size(labels));
    for (size_t i = 0; i < std::size(labels); ++i) {
        labels[i]->SetCaption(u8(kLabelTexte[i]));
        labels[i]->SetTransparent(true);
        setze(*labels[i], labelPlaetze[i]);
    }
    for (TLabel* l : { &LabelStahl, &LabelMittel, &LabelHinweis })
        l->SetTransparent(true);
    setze(LabelMittel, kLabelMittel);
    setze(LabelHinweis, kLabelHinweis);
    setze(EditRate, kEditRate);
    setze(ScrollBarRate, kScrollBarRate);
    ScrollBarRate.SetMin(0);
    ScrollBarRate.SetMax(kSchieberMax);
    ScrollBarRate.SetSmallChange(1);
    ScrollBarRate.SetLargeChange(20); // a quarter decade
    setze(EditDurchmesser, kEditDurchmesser);
    setze(EditHaltetemperatur, kEditHaltetemperatur);
    setze(EditHaltezeit, kEditHaltezeit);
    setze(EditAbstand, kEditAbstand);
    setze(MemoGefuege, kMemoGefuege);
    MemoGefuege.SetReadOnly(true);
    MemoGefuege.SetColor(kMemoColor);
    MemoGefuege.SetTabStop(false);
    setze(EditHaerte, kEditHaerte);
    EditHaerte.SetReadOnly(true);
    EditHaerte.SetColor(clBtnFace);
    EditHaerte.SetTabStop(false);
    setze(PaintBoxGefuege, kPaintBoxGefuege);
    setze(PaintBoxZTU, kPaintBoxZTU);
    setze(PaintBoxJominy, kPaintBoxJominy);
    fuelleEingaben();
    waehleStahl(erkundenztu::Stahl::lehrstahl(model::c45(), QStringLiteral("C45")));
}

void TFormErkundenZTU::setComposition(const steel::Composition& composition, const QString& name)
{
    waehleStahl(erkundenztu::Stahl::beliebig(composition, name));
}

void TFormErkundenZTU::waehleStahl(erkundenztu::Stahl stahl)
{
    *m_stahl = std::move(stahl);
    ++m_stahlNummer;
    LabelStahl.SetCaption(m_stahl->istLehrstahl()
            ? QStringLiteral("Stahl: %1 (schematische Schaubilder)").arg(m_stahl->name())
            : QStringLiteral("Stahl: %1 (berechnete Schaubilder)").arg(m_stahl->name()));
    m_stirnGemessen = stirnKurve(*m_stahl);
    m_stirnSchaubild = stirnKurveAusSchaubild(*m_stahl);
    berechne();
}

void TFormErkundenZTU::StahlC45Click()
{
    waehleStahl(erkundenztu::Stahl::lehrstahl(model::c45(), QStringLiteral("C45")));
}

void TFormErkundenZTU::StahlC70Click()
{
    waehleStahl(erkundenztu::Stahl::lehrstahl(model::c70(), QStringLiteral("C70")));
}

void TFormErkundenZTU::waehleArt(Art art)
{
    m_state.einstellung.art = art;
    berechne();
}

void TFormErkundenZTU::ArtRateClick()
{
    waehleArt(Art::Geschwindigkeit);
}

void TFormErkundenZTU::ArtRundstabClick()
{
    waehleArt(Art::Rundstab);
}

void TFormErkundenZTU::ArtHaltenClick()
{
    waehleArt(Art::Halten);
}

void TFormErkundenZTU::ArtStirnClick()
{
    waehleArt(Art::Stirnabschreck);
}

void TFormErkundenZTU::MittelWasserClick()
{
    m_state.einstellung.mittel = steel::Quenchant::Water;
    waehleArt(Art::Rundstab);
}

void TFormErkundenZTU::MittelOelClick()
{
    m_state.einstellung.mittel = steel::Quenchant::Oil;
    waehleArt(Art::Rundstab);
}

void TFormErkundenZTU::MittelLuftClick()
{
    m_state.einstellung.mittel = steel::Quenchant::Air;
    waehleArt(Art::Rundstab);
}

void TFormErkundenZTU::OrtRandClick()
{
    m_state.einstellung.ort = erkundenztu::Ort::Rand;
    waehleArt(Art::Rundstab);
}

void TFormErkundenZTU::OrtHalbClick()
{
    m_state.einstellung.ort = erkundenztu::Ort::HalberRadius;
    waehleArt(Art::Rundstab);
}

void TFormErkundenZTU::OrtKernClick()
{
    m_state.einstellung.ort = erkundenztu::Ort::Kern;
    waehleArt(Art::Rundstab);
}

void TFormErkundenZTU::fuelleEingaben()
{
    const Einstellung& e = m_state.einstellung;
    m_fuellen = true;
    EditRate.SetText(rateText(e.rate));
    ScrollBarRate.SetPosition(schieberAusRate(e.rate));
    EditDurchmesser.SetText(zahl(e.durchmesser, 1));
    EditHaltetemperatur.SetText(zahl(e.halteTemperatur, 0));
    EditHaltezeit.SetText(zahl(e.halteZeit, 1));
    EditAbstand.SetText(zahl(e.abstand, 1));
    m_fuellen = false;
}

void TFormErkundenZTU::eingabe(TEdit& edit, const Eingabe& feld, double Einstellung::*wert, Art art)
{
    if (m_fuellen)
        return;
    const QString typed = edit.Text();
    const Gelesen gelesen = lies(feld, typed);
    if (gelesen.art == Lesart::Unvollstaendig)
        return; // nothing changes until the entry can be a number in its range
    if (gelesen.art == Lesart::Falsch) {
        // A wrong entry changes nothing: the edit shows the value in force again.
        fuelleEingaben();
        Application.ShowError(meldung(feld, typed));
        return;
    }
    m_state.einstellung.*wert = gelesen.wert;
    if (wert == &Einstellung::rate) {
        m_fuellen = true;
        ScrollBarRate.SetPosition(schieberAusRate(gelesen.wert));
        m_fuellen = false;
    }
    waehleArt(art);
}

void TFormErkundenZTU::schieber(int position)
{
    if (m_fuellen)
        return;
    m_state.einstellung.rate = rateAusSchieber(position);
    m_fuellen = true;
    EditRate.SetText(rateText(m_state.einstellung.rate));
    m_fuellen = false;
    waehleArt(Art::Geschwindigkeit);
}

void TFormErkundenZTU::stirnZeiger(int x)
{
    const StirnLayout l = stirnLayout(PaintBoxJominy.Width(), PaintBoxJominy.Height());
    m_state.einstellung.abstand = std::clamp(std::round(l.mm(x) * 2) / 2, kAbstand.min, kAbstand.max);
    m_fuellen = true;
    EditAbstand.SetText(zahl(m_state.einstellung.abstand, 1));
    m_fuellen = false;
    waehleArt(Art::Stirnabschreck);
}

void TFormErkundenZTU::berechne()
{
    const Einstellung& e = m_state.einstellung;
    m_ergebnis = erkundenztu::berechne(*m_stahl, e);
    MemoGefuege.Lines.setList(gefuegeZeilen(m_ergebnis));
    EditHaerte.SetText(haerteText(m_ergebnis));
    LabelMittel.SetCaption(QStringLiteral("%1, %2").arg(u8(mittelText(e.mittel)), u8(ortText(e.ort))));
    QString hinweis = m_ergebnis.hinweis;
    if (m_ergebnis.haerteAusserhalb)
        hinweis += u8(" – * außerhalb des Gültigkeitsbereichs");
    LabelHinweis.SetCaption(hinweis);
    zeichneNeu();
}

void TFormErkundenZTU::zeichneNeu()
{
    // A hidden form keeps no pixels: it draws everything when it is shown.
    if (!Visible())
        return;
    PaintBoxZTU.paint();
    PaintBoxGefuege.paint();
    if (m_stirnGezeichnet != std::pair { m_stahlNummer, m_state.einstellung.abstand })
        PaintBoxJominy.paint();
}

void TFormErkundenZTU::PaintBoxZTUPaint()
{
    TCanvas& c = PaintBoxZTU.Canvas();
    const int w = PaintBoxZTU.Width(), h = PaintBoxZTU.Height();
    Grund grund { m_stahlNummer, m_ergebnis.isotherm, QSize(w, h), FormAccess::ratio(*this), Color(), {} };
    if (grund == m_grund && !m_grund.bild.isNull()) {
        c.copyDevicePicture(0, 0, QSize(w, h), m_grund.bild);
    } else {
        c.fillRect(QRect(0, 0, w, h), Color());
        zeichneZtuGrund(c, w, h, *m_stahl, m_ergebnis.isotherm);
        // Kept only when the whole diagram was drawn (a repaint of part of the form clips it).
        const QRect box = PaintBoxZTU.BoundsRect();
        if (!FormAccess::painting(*this) || FormAccess::paintClip(*this).contains(box)) {
            grund.bild = FormAccess::surface(*this).copy(deviceRect(box, grund.ratio));
            m_grund = std::move(grund);
        }
    }
    zeichneZtuKurven(c, w, h, m_ergebnis);
}

void TFormErkundenZTU::PaintBoxGefuegePaint()
{
    TCanvas& c = PaintBoxGefuege.Canvas();
    const int w = PaintBoxGefuege.Width(), h = PaintBoxGefuege.Height();
    // Drawn at the surface's own resolution, so that the picture is sharp at every zoom.
    const micrograph::Micrograph bild
        = m_synthese.render(gefuegeBild(m_ergebnis, w, h, FormAccess::ratio(*this), m_stahl->gefuegeSaat()));
    c.copyDevicePicture(0, 0, QSize(w, h), bild.image);
}

void TFormErkundenZTU::PaintBoxJominyPaint()
{
    m_stirnGezeichnet = { m_stahlNummer, m_state.einstellung.abstand };
    TCanvas& c = PaintBoxJominy.Canvas();
    c.fillRect(QRect(0, 0, PaintBoxJominy.Width(), PaintBoxJominy.Height()), Color());
    zeichneStirn(c, PaintBoxJominy.Width(), PaintBoxJominy.Height(), m_stirnGemessen, m_stirnSchaubild,
        m_state.einstellung.abstand);
}

} // namespace wb
