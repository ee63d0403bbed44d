// The steel calculator: any composition's transformation temperatures, ZTU diagrams, end-quench
// curve and tempering chart from the published steel models, recomputed at every change.
#include "heattreat/UnitStahlrechner.h"

#include "framework/Application.h"
#include "framework/Fonts.h"
#include "heattreat/StahlrechnerDiagramme.h"
#include "heattreat/StahlrechnerEingabe.h"
#include "steel/NamedSteels.h"

#include <variant>

namespace wb {

TFormStahlrechner* FormStahlrechner = nullptr;

namespace {

using stahlrechner::kEingaben;

const QString kStatus = QStringLiteral(
    "Zahlen mit Komma oder Punkt, jede Eingabe rechnet sofort neu / Tab = nächstes Feld / ESC = Abbruch");

// clang-format off
// The inputs in two columns of four, the grain size below; each edit right of its label.
struct Platz {
    int x, y;
};
constexpr Platz kEingabePlatz[] = {
    { 6, 24 }, { 6, 48 }, { 6, 72 }, { 6, 96 },          // C, Si, Mn, Cr
    { 100, 24 }, { 100, 48 }, { 100, 72 }, { 100, 96 },  // Ni, Mo, Cu, V
    { 6, 122 },                                          // grain size
};
static_assert(std::size(kEingabePlatz) == std::size(kEingaben));
constexpr int kLabelBreite = 24, kEditBreite = 62, kZeile = 21;

// The outputs: label, unit, edit name.
struct Ausgabe {
    const char* label;
    int y;
};
constexpr Ausgabe kAusgaben[] = {
    { "Ac1 in °C", 174 }, { "Ac3 in °C", 198 }, { "Ms in °C", 222 }, { "Bs in °C", 246 },
    { "DI in mm", 270 }, { "Martensit in HV", 294 },
};
constexpr int kAusgabeEditX = 124;
// What the memo's frame, margins and vertical scroll bar take of its width.
constexpr int kMemoRand = 24;
// clang-format on

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TFormStahlrechner::TFormStahlrechner()
    : TLessonForm(QStringLiteral("FormStahlrechner"), { .caption = QStringLiteral("Stahlrechner"), .status = kStatus })
{
    TMenuItem* const stahlItems[] = { &StahlC15, &StahlC22, &StahlC35, &StahlC45, &StahlC60, &Stahl16MnCr5,
        &Stahl20MnCr5, &Stahl25CrMo4, &Stahl34CrNiMo6, &Stahl41Cr4, &Stahl42CrMo4, &Stahl51CrV4, &Stahl100Cr6 };
    static_assert(std::size(stahlItems) == 13);
    for (TMenuItem* item : stahlItems) {
        // The item's caption is the steel's name in the table of named steels.
        const QByteArray name = item->Caption().toUtf8();
        Q_ASSERT(steel::findNamedSteel(name.constData()));
        item->OnClick = [this, name] { waehleStahl(name.constData()); };
    }
    const auto edits = eingaben();
    for (int i = 0; i < int(edits.size()); ++i)
        edits[i]->OnChange = [this, i] { eingabeGeaendert(i); };

    const auto ablesen = [this](TPaintBox& box, auto lesen) {
        box.OnMouseMove = [this, &box, lesen](int x, int y, TShiftState) { zeigeAblesung(lesen(box, x, y)); };
    };
    ablesen(PaintBoxZTU, [this](TPaintBox& box, int x, int y) {
        const auto l = stahlrechner::ztuLayout(box.Width(), box.Height());
        return m_state.kontinuierlich ? stahlrechner::ablesungKontinuierlich(l, x, y, m_report)
                                      : stahlrechner::ablesungIsotherm(l, x, y, m_report);
    });
    ablesen(PaintBoxJominy, [this](TPaintBox& box, int x, int y) {
        return stahlrechner::ablesungJominy(stahlrechner::jominyDiagramm(box.Width(), box.Height()), x, y, m_report);
    });
    ablesen(PaintBoxAnlassen, [this](TPaintBox& box, int x, int y) {
        return stahlrechner::ablesungAnlassen(
            stahlrechner::anlassDiagramm(box.Width(), box.Height(), m_report), x, y, m_report);
    });
}

std::array<TEdit*, 9> TFormStahlrechner::eingaben()
{
    return { &EditC, &EditSi, &EditMn, &EditCr, &EditNi, &EditMo, &EditCu, &EditV, &EditKorngroesse };
}

void TFormStahlrechner::FormCreate()
{
    LabelZusammensetzung.SetCaption(QStringLiteral("Zusammensetzung in Masse-%"));
    LabelZusammensetzung.SetBounds(6, 4, 188, 16);
    TLabel* const labels[]
        = { &LabelC, &LabelSi, &LabelMn, &LabelCr, &LabelNi, &LabelMo, &LabelCu, &LabelV, &LabelKorngroesse };
    const auto edits = eingaben();
    for (size_t i = 0; i < kEingaben.size(); ++i) {
        const auto [x, y] = kEingabePlatz[i];
        labels[i]->SetCaption(text(kEingaben[i].label));
        labels[i]->SetTransparent(true);
        labels[i]->SetLeft(x);
        labels[i]->SetTop(y + 3);
        const int editX = i + 1 == kEingaben.size() ? 100 + kLabelBreite : x + kLabelBreite;
        edits[i]->SetBounds(editX, y, kEditBreite, kZeile);
    }
    LabelStahl.SetTransparent(true);
    LabelStahl.SetBounds(6, 146, 188, 14);

    LabelErgebnisse.SetCaption(QStringLiteral("Ergebnisse"));
    LabelErgebnisse.SetTransparent(true);
    LabelErgebnisse.SetBounds(6, 160, 100, 14);
    TLabel* const ausgabeLabels[] = { &LabelAc1, &LabelAc3, &LabelMs, &LabelBs, &LabelDI, &LabelHaerteMartensit };
    TEdit* const ausgabeEdits[] = { &EditAc1, &EditAc3, &EditMs, &EditBs, &EditDI, &EditHaerteMartensit };
    static_assert(std::size(ausgabeLabels) == std::size(kAusgaben));
    for (size_t i = 0; i < std::size(kAusgaben); ++i) {
        ausgabeLabels[i]->SetCaption(text(kAusgaben[i].label));
        ausgabeLabels[i]->SetTransparent(true);
        ausgabeLabels[i]->SetLeft(6);
        ausgabeLabels[i]->SetTop(kAusgaben[i].y + 3);
        ausgabeEdits[i]->SetBounds(kAusgabeEditX, kAusgaben[i].y, kEditBreite, kZeile);
        ausgabeEdits[i]->SetReadOnly(true);
        ausgabeEdits[i]->SetColor(clBtnFace);
        ausgabeEdits[i]->SetTabStop(false);
    }

    MemoHinweise.SetBounds(6, 320, 188, 210);
    MemoHinweise.SetReadOnly(true);
    MemoHinweise.SetScrollBars(ssVertical);
    MemoHinweise.SetColor(kMemoColor);

    PaintBoxZTU.SetBounds(200, 4, 588, 300);
    LabelAblesung.SetTransparent(true);
    LabelAblesung.SetBounds(202, 307, 586, 16);
    PaintBoxJominy.SetBounds(200, 326, 292, 206);
    PaintBoxAnlassen.SetBounds(496, 326, 292, 206);

    waehleStahl("C45");
}

void TFormStahlrechner::waehleStahl(const char* name)
{
    const steel::NamedSteel* named = steel::findNamedSteel(name);
    Q_ASSERT(named);
    m_state.zusammensetzung = named->composition;
    m_state.stahl = text(named->name);
    m_state.fuellen = true;
    const auto edits = eingaben();
    for (size_t i = 0; i < kEingaben.size(); ++i) {
        m_state.gueltig[i] = stahlrechner::gehalt(named->composition[kEingaben[i].element]);
        edits[i]->SetText(m_state.gueltig[i]);
    }
    m_state.fuellen = false;
    berechne();
}

void TFormStahlrechner::eingabeGeaendert(int index)
{
    if (m_state.fuellen)
        return;
    TEdit& edit = *eingaben()[index];
    const stahlrechner::Eingabefeld& feld = kEingaben[index];
    const QString typed = edit.Text();
    const stahlrechner::Gelesen gelesen = stahlrechner::lies(feld, typed);
    if (gelesen.art == stahlrechner::Lesart::Unvollstaendig)
        return; // nothing changes until the entry is a number
    steel::Composition next = m_state.zusammensetzung;
    QString fehler;
    if (gelesen.art == stahlrechner::Lesart::Zahl) {
        switch (feld.element) {
        case steel::Element::C:
            next.C = gelesen.wert;
            break;
        case steel::Element::Si:
            next.Si = gelesen.wert;
            break;
        case steel::Element::Mn:
            next.Mn = gelesen.wert;
            break;
        case steel::Element::Cr:
            next.Cr = gelesen.wert;
            break;
        case steel::Element::Ni:
            next.Ni = gelesen.wert;
            break;
        case steel::Element::Mo:
            next.Mo = gelesen.wert;
            break;
        case steel::Element::Cu:
            next.Cu = gelesen.wert;
            break;
        case steel::Element::V:
            next.V = gelesen.wert;
            break;
        default:
            next.grainSize = gelesen.wert;
            break;
        }
        const auto geprueft = steel::Steel::from(next);
        if (const auto* refusal = std::get_if<steel::Refusal>(&geprueft))
            fehler = QString::fromStdString(steel::refusalMessage(*refusal));
    } else {
        fehler = stahlrechner::meldung(feld, typed, gelesen.art);
    }
    if (!fehler.isEmpty()) {
        // A wrong entry changes nothing: the field goes back to its last valid text.
        m_state.fuellen = true;
        edit.SetText(m_state.gueltig[index]);
        m_state.fuellen = false;
        Application.ShowError(fehler);
        return;
    }
    m_state.gueltig[index] = typed;
    if (next[feld.element] != m_state.zusammensetzung[feld.element]) {
        m_state.zusammensetzung = next;
        m_state.stahl.clear();
        berechne();
    }
}

void TFormStahlrechner::berechne()
{
    // Every input is checked before it gets here, so the composition is a steel.
    m_report = steel::recompute(std::get<steel::Steel>(steel::Steel::from(m_state.zusammensetzung)));

    const steel::TransformationTemperatures& t = m_report.temperatures;
    EditAc1.SetText(stahlrechner::ausgabe(t.ac1));
    EditAc3.SetText(stahlrechner::ausgabe(t.ac3));
    EditMs.SetText(stahlrechner::ausgabe(t.ms));
    EditBs.SetText(stahlrechner::ausgabe(t.bs));
    EditDI.SetText(stahlrechner::ausgabe(m_report.idealDiameter));
    steel::Flagged<double> martensit { m_report.martensiteHardness, std::nullopt };
    for (const steel::ModelNote& note : m_report.notes)
        if (note.model == steel::Model::Maynier && !note.outside.empty())
            martensit.outside = note.outside.front();
    EditHaerteMartensit.SetText(stahlrechner::ausgabe(martensit));

    const steel::NamedSteel* named
        = m_state.stahl.isEmpty() ? nullptr : steel::findNamedSteel(m_state.stahl.toUtf8().constData());
    LabelStahl.SetCaption(named ? QStringLiteral("%1 nach %2 (Mittelwerte)").arg(m_state.stahl, text(named->norm))
                                : QStringLiteral("eigene Zusammensetzung"));
    // The memo's lines are broken here, at the width its text has beside the scroll bar, so that each
    // line is whole.
    const ResolvedFont& schrift = fonts::resolve(MemoHinweise.Font);
    MemoHinweise.Lines.setList(stahlrechner::umbrechen(
        stahlrechner::hinweise(m_state.zusammensetzung, m_report),
        [&schrift](const QString& s) { return fonts::textWidth(schrift, s); }, MemoHinweise.Width() - kMemoRand));
    zeigeAblesung(QString());
    zeichneDiagramme();
}

void TFormStahlrechner::zeichneDiagramme()
{
    // A hidden form keeps no pixels: it draws the diagrams when it is shown.
    if (!Visible())
        return;
    PaintBoxZTU.paint();
    PaintBoxJominy.paint();
    PaintBoxAnlassen.paint();
}

void TFormStahlrechner::zeigeAblesung(const QString& text)
{
    if (LabelAblesung.Caption() != text)
        LabelAblesung.SetCaption(text);
}

void TFormStahlrechner::PaintBoxZTUPaint()
{
    TCanvas& c = PaintBoxZTU.Canvas();
    if (m_state.kontinuierlich)
        stahlrechner::zeichneKontinuierlich(c, PaintBoxZTU.Width(), PaintBoxZTU.Height(), m_report);
    else
        stahlrechner::zeichneIsotherm(c, PaintBoxZTU.Width(), PaintBoxZTU.Height(), m_report);
}

void TFormStahlrechner::PaintBoxJominyPaint()
{
    stahlrechner::zeichneJominy(PaintBoxJominy.Canvas(), PaintBoxJominy.Width(), PaintBoxJominy.Height(), m_report);
}

void TFormStahlrechner::PaintBoxAnlassenPaint()
{
    stahlrechner::zeichneAnlassen(
        PaintBoxAnlassen.Canvas(), PaintBoxAnlassen.Width(), PaintBoxAnlassen.Height(), m_report);
}

void TFormStahlrechner::ZTUIsothermClick()
{
    m_state.kontinuierlich = false;
    zeigeAblesung(QString());
    if (Visible())
        PaintBoxZTU.paint();
}

void TFormStahlrechner::ZTUKontinuierlichClick()
{
    m_state.kontinuierlich = true;
    zeigeAblesung(QString());
    if (Visible())
        PaintBoxZTU.paint();
}

} // namespace wb
