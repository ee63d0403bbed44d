// What the four diagram-type lessons share.
#include "phase/TypeDiagram.h"

#include "framework/Controls.h"
#include "framework/Menus.h"
#include "framework/Timers.h"

#include <cassert>

namespace wb::typediagram {

void zeigeGrundtext(TMemo& memo, std::span<const char* const> text)
{
    memo.Font.SetHeight(18);
    memo.SetScrollBars(ssBoth);
    memo.Lines.setTable(text);
}

void legierungsStil(TCanvas& haupt, TCanvas& umwandlung, TColor farbe, std::span<const TextAt> ueberschrift)
{
    haupt.Font.SetName(QStringLiteral("Ms Sans Serif"));
    haupt.Brush.SetColor(clSilver);
    haupt.Font.SetColor(farbe);
    haupt.Pen.SetColor(farbe);
    haupt.Pen.SetWidth(3);
    drawAll(haupt, ueberschrift);
    umwandlung.Pen.SetWidth(2);
    umwandlung.Pen.SetColor(farbe);
    umwandlung.Pen.SetMode(pmNotXor);
}

int kristallAnteil(int festX, int schmelzeX, int legierungX)
{
    assert(schmelzeX != festX);
    return ((schmelzeX - legierungX) * 100) / (schmelzeX - festX);
}

MarkStep stepMark(int mark, const MarkSteps& steps)
{
    MarkStep s;
    if (mark < steps.feinBis) {
        mark += steps.feinSchritt;
        s.marks[s.count++] = mark;
    }
    if (mark >= steps.grobAb) {
        mark += steps.grobSchritt;
        s.marks[s.count++] = mark;
    }
    return s;
}

RunPhase runPhase(int mark, bool timerOn, int startMark, int endMark)
{
    if (timerOn)
        return RunPhase::Running;
    if (mark >= endMark)
        return RunPhase::Finished;
    return mark == startMark ? RunPhase::Idle : RunPhase::Paused;
}

void XorTrace::draw(TCanvas& c, const Segment& s)
{
    wb::draw(c, s);
    m_lines.push_back({ &c, s, c.Pen });
}

void XorTrace::erase()
{
    for (const Line& l : m_lines) {
        const TPen kept = l.canvas->Pen;
        l.canvas->Pen = l.pen;
        wb::draw(*l.canvas, l.segment);
        l.canvas->Pen = kept;
    }
    m_lines.clear();
}

Laeufe::Laeufe(const Buehne& buehne, std::initializer_list<Legierung> legierungen)
    : m_buehne(buehne)
    , m_legierungen(legierungen)
{
}

bool Laeufe::tick(int i)
{
    const Legierung& l = m_legierungen[size_t(i)];
    const Lauf& lauf = *l.lauf;
    TCanvas& haupt = m_buehne.haupt;

    const MarkStep step = stepMark(*l.marke, lauf.schritte);
    for (int k = 0; k < step.count; ++k) {
        const int y = step.marks[k];
        kuehllinie(l, y);
        if (y > lauf.linie.seitenAb) {
            draw(haupt, Segment { { kFeldLinks, lauf.linie.seitenOben }, { kFeldLinks, y } });
            draw(haupt, Segment { { kFeldRechts, lauf.linie.seitenOben }, { kFeldRechts, y } });
        }
    }
    if (step.count > 0)
        *l.marke = step.last();

    bool zuEnde = false;
    for (const Aktion& a : lauf.drehbuch)
        if (a.marke == *l.marke) {
            spiele(l, a);
            zuEnde = zuEnde || a.art == Aktion::Ende;
        }
    if (lauf.nochmal && step.count > 0)
        kuehllinie(l, *l.marke);

    if (zuEnde) {
        for (const Legierung& andere : m_legierungen)
            if (&andere != &l && andere.item && *andere.marke == andere.lauf->startMarke)
                andere.item->SetEnabled(true);
        if (l.item)
            l.item->SetEnabled(false);
        l.timer->SetEnabled(false);
    }
    return zuEnde;
}

void Laeufe::kuehllinie(const Legierung& l, int bis)
{
    const Kuehllinie& k = l.lauf->linie;
    draw(m_buehne.haupt, Segment { { k.x, k.oben }, { k.x, bis + k.versatz } });
}

void Laeufe::spiele(const Legierung& l, const Aktion& a)
{
    TCanvas& haupt = m_buehne.haupt;
    TCanvas& ebene = a.ebene == Ebene::Haupt ? haupt
        : a.ebene == Ebene::Umwandlung       ? m_buehne.umwandlung
                                             : *m_buehne.hilfslinien;
    switch (a.art) {
    case Aktion::Text:
        draw(haupt, a.text);
        break;
    case Aktion::Texte:
        drawAll(haupt, a.texte);
        break;
    case Aktion::Pinsel:
        haupt.Brush.SetColor(a.farbe);
        break;
    case Aktion::KeinPinsel:
        haupt.Brush.SetStyle(bsClear);
        break;
    case Aktion::Linie:
        draw(ebene, a.linie);
        break;
    case Aktion::XorLinie:
        m_buehne.konoden.draw(ebene, a.linie);
        break;
    case Aktion::Loeschen:
        m_buehne.konoden.erase();
        break;
    case Aktion::Bild:
        l.bilder->Draw(haupt, l.lauf->bild.X, l.lauf->bild.Y, *l.bildNr);
        if (a.weiter)
            ++*l.bildNr;
        break;
    case Aktion::BildNr:
        l.bilder->Draw(haupt, l.lauf->bild.X, l.lauf->bild.Y, a.zahl[0]);
        break;
    case Aktion::Grenze:
        phasefield::drawBranch(haupt, m_buehne.projektion, a.grenze);
        break;
    case Aktion::Anteile: {
        const int anteil = kristallAnteil(a.zahl[0], a.zahl[1], l.lauf->linie.x);
        if (l.konodeLinks) {
            *l.konodeLinks = a.zahl[0];
            *l.konodeRechts = a.zahl[1];
            *l.anteil = float(anteil);
        }
        // The shares are held in single precision and shown in the general number format.
        l.kristalle->SetText(FloatToStr(float(anteil)));
        l.schmelze->SetText(FloatToStr(float(a.weiter ? 100 - anteil : 0)));
        break;
    }
    case Aktion::Werte:
        l.kristalle->SetText(FloatToStr(float(a.zahl[0])));
        l.schmelze->SetText(FloatToStr(float(a.zahl[1])));
        break;
    case Aktion::Dreieck:
        haupt.Polygon({ a.ecken[0], a.ecken[1], a.ecken[2] });
        break;
    case Aktion::Rahmen:
        draw(haupt, a.rahmen);
        break;
    case Aktion::Kuehllinie:
        kuehllinie(l, a.zahl[0]);
        break;
    case Aktion::Memo:
        for (const char* line : l.lauf->memo)
            m_buehne.memo.Lines.Add(QString::fromUtf8(line));
        break;
    case Aktion::Ende:
        break;
    }
}

void Laeufe::startStop(int i)
{
    for (size_t k = 0; k < m_legierungen.size(); ++k)
        if (int(k) != i && m_legierungen[k].item)
            m_legierungen[k].item->SetEnabled(false);
    TTimer& timer = *m_legierungen[size_t(i)].timer;
    timer.SetEnabled(!timer.Enabled());
}

void Laeufe::reset()
{
    for (const Legierung& l : m_legierungen) {
        l.timer->SetEnabled(false);
        if (l.item)
            l.item->SetEnabled(true);
    }
}

} // namespace wb::typediagram
