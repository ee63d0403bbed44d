// The cooling lessons of the iron–carbon chapter (0.6 %, 1.2 % and 3.0 % C): their static diagram
// and the tick that grows the marker down an alloy's vertical, traces the phase boundaries with a
// moving tie line, shows the picture series and writes the captions. Each lesson gives its run as
// data; this header plays it.
#pragma once

#include "diagrams/IronCarbonScale.h"
#include "framework/Canvas.h"
#include "framework/Figures.h"
#include "framework/ImageList.h"

#include <span>

namespace wb::ekd::cooling {

// The diagram the three lessons cool through, on a box of width × height: the background bands,
// the shaded field (it ends at y = 452, about 600 °C), the axes, the lines of the metastable
// system with a one-pixel pen and the labels. The canvas is left with the "Symbol" font.
void drawDiagram(TCanvas& c, int width, int height);

// The field ends here, and the dark red bands go down to band 439, just below the box.
inline constexpr int kFieldBottom = 452;
inline constexpr int kLastBand = 439;

// The model on this diagram: the whole diagram's projection with the field ending at 600 °C.
const Projection& projection();

// --- A run as data -------------------------------------------------------------------------

// A row of a two-phase stage: at height y the two phase boundaries stand at x = links and
// x = rechts. The row is reached when the marker's end arrives at y.
struct Punkte {
    int y;
    int links;
    int rechts;
};

// The trace into the row at y does not start from the row before: it starts from `links` and
// `rechts`, or, with `keine`, there is none.
struct SpurVon {
    int y;
    TPoint links {};
    TPoint rechts {};
    bool keine = false;
};

// A two-phase stage. Its first tie line and its last one are drawn on the diagram and stay; in
// between, each row traces both boundaries from the row before and moves the tie line on the
// overlay: the row before's tie line is drawn again (which takes it away under NOT-XOR), then
// the row's own. Nothing remembers what the overlay holds, so after a repaint the next erase
// shows as a grey line: the documented behaviour of every XOR lesson of the program.
struct Stufe {
    std::span<const Punkte> zeilen;
    // A last row below the table, reached at the marker's end `schlussMarke` rather than at its
    // own y (0: the table's last row ends the stage).
    int schlussMarke = 0;
    Punkte schluss {};
    // Where a stage's last tie line is not its row's (from == to: it is).
    Segment letzteKonode {};
    std::span<const SpurVon> spurVon {};
};

// The next frame of picture series `liste` (0 or 1) at `at`, its counter moved on; or, with
// `nochmal` ≥ 0, that frame once more (a snapshot that stays), the counter untouched.
struct BildSchritt {
    int marke;
    int liste;
    TPoint at;
    int nochmal = -1;
};

// A text at a marker position, in its font colour on a solid brush.
struct Beschriftung {
    int marke;
    TextAt text;
    TColor schrift;
    TColor grund;
};

// A line on the diagram with the marker's pen.
struct Strich {
    int marke;
    Segment linie;
};

// One lesson's run.
struct Lauf {
    int legierungX; // the alloy's vertical
    int startMarke; // the marker's end at the start, and after a reset
    int endeMarke; // the run ends when the marker's end is here or below
    TColor grund; // the brush each tick sets on the diagram: the point labels stand on it
    std::span<const Stufe> stufen;
    std::span<const BildSchritt> bilder;
    std::span<const Beschriftung> texte;
    std::span<const Strich> striche;
    // At `sprungBei` the marker jumps to `sprungNach` (0: no jump).
    int sprungBei = 0;
    int sprungNach = 0;
};

// --- Playing it ----------------------------------------------------------------------------

inline constexpr TColor kKonodeGrau = RGB(0x80, 0x80, 0x80); // the moving tie line, in NOT-XOR
inline constexpr int kMarkeSchritt = 2;
inline constexpr int kStiftBreite = 3;

// The run's position: the marker's end and the next frame of each picture series.
struct Zustand {
    int MarkeY;
    int BildNr = 0;
    int BildNr2 = 0;
};

// Where a run draws: the diagram, the overlay with the same pixels, the two picture series.
struct Leinwand {
    TCanvas& haupt;
    TCanvas& umwandlung;
    TImageList& liste1;
    TImageList& liste2;
};

// One tick: while the marker's end is above the run's end the canvases are set up and the marker
// grows by two pixels; then what the run does at the new position (stage rows, pictures, texts,
// lines, the jump). Returns true when the run is over: the marker's end at or past the end, so
// that a start after the end ends at its first tick instead of stepping on.
bool tick(const Lauf& lauf, Zustand& z, const Leinwand& on);

} // namespace wb::ekd::cooling
