// What the four diagram-type lessons share: the diagram field and its colour bands, the lever
// rule, the stepping of the cooling mark, the tie lines on the NOT-XOR layers that an erase
// draws exactly once more, and the runs: each alloy's keyframes in one table, played by one
// engine, with the start items of lessons with several alloys.
#pragma once

#include "framework/Canvas.h"
#include "framework/Figures.h"
#include "framework/ImageList.h"
#include "phase/PhaseField.h"

#include <algorithm>
#include <array>
#include <climits>
#include <initializer_list>
#include <span>
#include <tuple>
#include <vector>

namespace wb {

class TEdit;
class TMemo;
class TMenuItem;
class TTimer;

namespace typediagram {

// The diagram field: composition 0 … 100 % B along x = 20 … 480 (4.6 pixels per percent),
// temperature rising upwards from y = 370 to y = 20, filled with the colour bands.
constexpr int kFeldLinks = phasefield::kLinks;
constexpr int kFeldOben = phasefield::kOben;
constexpr int kFeldRechts = phasefield::kRechts;
constexpr int kFeldUnten = phasefield::kUnten;
using phasefield::bandColor;
using phasefield::drawBands;

// The explanation's base text, written at every repaint of the diagram: in the form's font at
// height 18, with both scroll bars, so that the lines an alloy appends can be read too.
void zeigeGrundtext(TMemo& memo, std::span<const char* const> text);

// What every tick of types 3 and 4 sets before it draws: the main layer's font name back to
// "Ms Sans Serif" (the height stays as the paint left it), a silver brush, font and pen in the
// alloy's colour, the pen 3 pixels wide; the alloy's headings; the tie-line layer's pen 2 pixels
// wide in the alloy's colour, NOT-XOR.
void legierungsStil(TCanvas& haupt, TCanvas& umwandlung, TColor farbe, std::span<const TextAt> ueberschrift);

// The lever rule: the percentage of crystals for a tie line from `festX` (the crystal end) to
// `schmelzeX` (the melt end) through the alloy line at `legierungX`, as ((schmelzeX − legierungX)
// · 100) div (schmelzeX − festX). The division truncates toward zero, as the lessons always
// showed it: 29.6 % is 29, and with the crystals at the right (both factors negative) too.
int kristallAnteil(int festX, int schmelzeX, int legierungX);

// How a cooling mark moves in one tick: first, if the mark is below `feinBis`, by `feinSchritt`;
// then, if it is (now) at or past `grobAb`, by `grobSchritt`. A tick that crosses from the fine
// into the coarse range takes both steps. Lessons with one step size leave the coarse step out.
struct MarkSteps {
    int feinBis;
    int feinSchritt;
    int grobAb = INT_MAX;
    int grobSchritt = 0;
};
// The marks a tick passes, in order (none, one or two); the last is the new mark.
struct MarkStep {
    int marks[2] = { 0, 0 };
    int count = 0;
    int last() const { return marks[count - 1]; }
};
MarkStep stepMark(int mark, const MarkSteps& steps);

// The state of one animated run.
enum class RunPhase {
    Idle, // not started since the last reset
    Running, // the timer ticks
    Paused, // stopped half-way; a start goes on from here
    Finished, // the last tick has run; the drawing stays
};
// `startMark` is the mark's reset value, `endMark` the first value at which the run is over.
RunPhase runPhase(int mark, bool timerOn, int startMark, int endMark);

// The lines an animation has on its NOT-XOR layers right now, so that the erase draws exactly
// those lines once more, each with the pen it was drawn with, and never a line
// that is not there. A repaint wipes the layers but not this record: the next erase then shows
// as a line on the clean picture, as it always did in these lessons. A reset, which repaints and
// starts the run again, forgets the record.
class XorTrace {
public:
    // Draws `s` on `c` with the pen in force (in pmNotXor) and keeps it.
    void draw(TCanvas& c, const Segment& s);
    // Draws every kept line once more with the pen it was drawn with, and forgets them; each
    // canvas then gets back the pen it had.
    void erase();
    // Forgets the kept lines without drawing (the picture holds none of them any more).
    void forget() { m_lines.clear(); }
    bool empty() const { return m_lines.empty(); }

    struct Line {
        TCanvas* canvas;
        Segment segment;
        TPen pen;
    };
    std::span<const Line> lines() const { return m_lines; }

private:
    std::vector<Line> m_lines;
};

// A phase boundary traced on the main layer as the alloy passes it: a curve of the model, from
// the point where the lesson starts the trace (most often the curve's own point at the first
// column, so that no chord is drawn to it) through the columns fromX … toX.
using Grenze = phasefield::Branch;

// A tie line of a two-phase field: at temperature y from the solid end xs to the other end xl.
struct Konode {
    int y;
    int xs;
    int xl;
};

// A lesson's tie lines through one two-phase field as its keyframes draw them, each at the
// height of its row, for a comparison with the model's lever rule. They were drawn by hand: their
// ends lie a few pixels off the boundaries the model draws (the tests say how far), and the
// lessons keep their pixels.
struct KonodenTabelle {
    const char* name;
    std::vector<Konode> konoden;
};

// --- The runs: one table of keyframes per alloy, played by one engine ------------------------

// The layers of a lesson's diagram: the main layer and the NOT-XOR layers of the tie lines and
// of the auxiliary lines (types 1 and 2 only).
enum class Ebene { Haupt, Umwandlung, Hilfslinien };

// One thing a keyframe does. An alloy's keyframes are one table of these, each at its mark; the
// tick that brings the mark plays the actions of that mark in the order of the table. The
// lessons build them with the functions below.
struct Aktion {
    enum Art : unsigned char {
        Text, // a text on the main layer with the brush in force
        Texte, // texts on the main layer with the brush in force
        Pinsel, // the main layer's brush: a solid colour
        KeinPinsel, // the main layer's brush: clear
        Linie, // a line on a layer, for good
        XorLinie, // a line on a NOT-XOR layer, kept for the next erase
        Loeschen, // the kept lines drawn once more, which takes them away
        Bild, // the picture of the series at the counter; the counter moves on unless it stays
        BildNr, // a picture of the series by its number; the counter stays
        Grenze, // a boundary traced on the main layer
        Anteile, // the lever rule into the edit boxes
        Werte, // whole numbers into the edit boxes
        Dreieck, // a triangle on the main layer, filled with the brush in force
        Rahmen, // a rectangle on the main layer with the pen and brush in force
        Kuehllinie, // the cooling line once more, down to a row
        Memo, // the alloy's lines appended to the explanation
        Ende, // the run is over
    };
    Art art {};
    int marke = 0;
    Ebene ebene = Ebene::Haupt;
    TColor farbe = 0;
    bool weiter = true;
    int zahl[2] = { 0, 0 };
    Segment linie {};
    Box rahmen {};
    TPoint ecken[3] {};
    typediagram::Grenze grenze {};
    TextAt text {};
    std::span<const TextAt> texte {};
};

constexpr Aktion text(TextAt t)
{
    return { .art = Aktion::Text, .text = t };
}
constexpr Aktion texte(std::span<const TextAt> t)
{
    return { .art = Aktion::Texte, .texte = t };
}
constexpr Aktion pinsel(TColor c)
{
    return { .art = Aktion::Pinsel, .farbe = c };
}
constexpr Aktion keinPinsel()
{
    return { .art = Aktion::KeinPinsel };
}
constexpr Aktion linie(Ebene e, Segment s)
{
    return { .art = Aktion::Linie, .ebene = e, .linie = s };
}
constexpr Aktion linie(Segment s)
{
    return linie(Ebene::Haupt, s);
}
constexpr Aktion konode(Ebene e, Segment s)
{
    return { .art = Aktion::XorLinie, .ebene = e, .linie = s };
}
constexpr Aktion loeschen()
{
    return { .art = Aktion::Loeschen };
}
// The picture at the counter; the counter moves on, or stays for a picture shown twice.
constexpr Aktion bild(bool weiter = true)
{
    return { .art = Aktion::Bild, .weiter = weiter };
}
constexpr Aktion bildNr(int nr)
{
    return { .art = Aktion::BildNr, .zahl = { nr, 0 } };
}
constexpr Aktion grenze(Grenze g)
{
    return { .art = Aktion::Grenze, .grenze = g };
}
// The lever rule on a tie line from `fest` (the crystal end) to `schmelze` (the melt end)
// through the alloy's line: the crystals' share and the rest for the melt.
constexpr Aktion anteile(int fest, int schmelze)
{
    return { .art = Aktion::Anteile, .weiter = true, .zahl = { fest, schmelze } };
}
// The crystals' share by the lever rule as before the eutectic reaction, the melt then used up.
constexpr Aktion erstarrt(int fest, int schmelze)
{
    return { .art = Aktion::Anteile, .weiter = false, .zahl = { fest, schmelze } };
}
constexpr Aktion werte(int kristalle, int schmelze)
{
    return { .art = Aktion::Werte, .zahl = { kristalle, schmelze } };
}
constexpr Aktion dreieck(TPoint a, TPoint b, TPoint c)
{
    return { .art = Aktion::Dreieck, .ecken = { a, b, c } };
}
constexpr Aktion rahmen(Box b)
{
    return { .art = Aktion::Rahmen, .rahmen = b };
}
constexpr Aktion kuehllinie(int bis)
{
    return { .art = Aktion::Kuehllinie, .zahl = { bis, 0 } };
}
constexpr Aktion memo()
{
    return { .art = Aktion::Memo };
}
constexpr Aktion ende()
{
    return { .art = Aktion::Ende };
}

// The actions of one keyframe, at mark `marke`.
template <class... A> constexpr std::array<Aktion, sizeof...(A)> bei(int marke, A... aktionen)
{
    std::array<Aktion, sizeof...(A)> r { aktionen... };
    for (Aktion& a : r)
        a.marke = marke;
    return r;
}

// The keyframes of a table of rows from row `Ab` on, one per row: `schritt(row)` gives a
// keyframe (an array from `bei`) for each.
template <size_t Ab = 0, class Row, size_t N, class Schritt>
constexpr auto jeZeile(const Row (&rows)[N], Schritt schritt)
{
    static_assert(Ab < N);
    constexpr size_t K = std::tuple_size_v<decltype(schritt(rows[0]))>;
    std::array<Aktion, (N - Ab) * K> r {};
    for (size_t i = Ab; i < N; ++i) {
        const auto keyframe = schritt(rows[i]);
        for (size_t k = 0; k < K; ++k)
            r[(i - Ab) * K + k] = keyframe[k];
    }
    return r;
}

// One alloy's keyframes: the parts one after the other. At a mark the actions of the earlier
// parts come first.
template <size_t... N> constexpr auto drehbuch(const std::array<Aktion, N>&... teile)
{
    std::array<Aktion, (N + ... + 0)> r {};
    size_t i = 0;
    ((std::copy(teile.begin(), teile.end(), r.begin() + i), i += N), ...);
    return r;
}

// The common kinds of keyframes, one per row of a lesson's table.
// A tie-line step: the previous tie line erased, the row's line drawn on the tie-line layer. The
// row for y comes at the mark y + MarkeVersatz and is drawn at the height y + YVersatz.
template <int MarkeVersatz = 0, int YVersatz = 0> constexpr auto konodenSchritt(const Konode& k)
{
    const int y = k.y + YVersatz;
    return bei(k.y + MarkeVersatz, loeschen(), konode(Ebene::Umwandlung, { { k.xs, y }, { k.xl, y } }));
}
// A picture of the alloy's series at a mark: the next one, or the same once more.
struct BildSchritt {
    int marke;
    bool weiter = true;
};
constexpr auto bildSchritt(const BildSchritt& b)
{
    return bei(b.marke, bild(b.weiter));
}
// Where a field's last tie line goes without a successor.
constexpr auto loeschSchritt(const int& marke)
{
    return bei(marke, loeschen());
}

// The cooling line: from (x, oben) down to the mark (plus `versatz`). Lessons whose mark steps
// on below the field's lower line draw the field's sides too, from that line down to the mark.
struct Kuehllinie {
    int x;
    int oben;
    int versatz = 0;
    int seitenAb = INT_MAX; // marks past this draw the sides
    int seitenOben = 0;
};

// What one alloy's run is: how its mark steps, its cooling line, its keyframes, the lines it
// adds to the explanation and where its pictures stand.
struct Lauf {
    int startMarke; // the mark before the run, and after a reset
    MarkSteps schritte;
    Kuehllinie linie;
    // The cooling line once more after the keyframes of a tick that stepped, so that it lies
    // over what they drew.
    bool nochmal;
    std::span<const Aktion> drehbuch;
    std::span<const char* const> memo;
    TPoint bild;
};

// Where a lesson's runs draw: its diagram of the model, its layers, the record of the lines on the
// NOT-XOR layers (one alloy runs at a time) and the explanation.
struct Buehne {
    phasefield::Projection projektion;
    TCanvas& haupt;
    TCanvas& umwandlung;
    TCanvas* hilfslinien;
    XorTrace& konoden;
    TMemo& memo;
};

// An alloy of a lesson: its run, the components it uses and the module variables it moves.
struct Legierung {
    const Lauf* lauf;
    TImageList* bilder;
    TTimer* timer;
    int* marke;
    int* bildNr;
    TMenuItem* item = nullptr; // its start item, in lessons with several alloys
    TEdit* kristalle = nullptr; // the lever rule's shares
    TEdit* schmelze = nullptr;
    // Where a lesson keeps the last tie line's ends and the crystals' share as module variables.
    int* konodeLinks = nullptr;
    int* konodeRechts = nullptr;
    float* anteil = nullptr;
};

// The runs of a lesson, each alloy a timer of its own. While one alloy runs or pauses the other
// alloys' items are off; at the end of its run they come back if their alloy has not run yet,
// and the finished alloy's item stays off until the lesson's reset.
class Laeufe {
public:
    Laeufe(const Buehne& buehne, std::initializer_list<Legierung> legierungen);

    // One tick of alloy i after the lesson has set the tick's style: the mark's steps with the
    // cooling line, the keyframes of the new mark in the order of the table, the cooling line
    // once more where the run wants it. At the run's end the alloy's timer stops and the start
    // items change as above. True when the run has ended.
    bool tick(int i);
    // "Start/Stop" of alloy i: the other items off, then its timer toggles.
    void startStop(int i);
    // The reset: every timer off, every item on. The module variables are the lesson's to reset.
    void reset();

    const Legierung& legierung(int i) const { return m_legierungen[size_t(i)]; }

private:
    void spiele(const Legierung& l, const Aktion& a);
    void kuehllinie(const Legierung& l, int bis);

    Buehne m_buehne;
    std::vector<Legierung> m_legierungen;
};

} // namespace typediagram
} // namespace wb
