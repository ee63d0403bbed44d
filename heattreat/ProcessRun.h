// The process runs of the heat-treatment lessons: the austenitising stage that hardening and
// normalising share, and pausing and resuming a run with F2.
#pragma once

#include "framework/Canvas.h"
#include "framework/ImageList.h"
#include "framework/Timers.h"

namespace wb::processrun {

// --- Austenitising in the side-by-side process diagram -----------------------------------------
// The run starts at room temperature on the diagram's left edge. The heating line rises until
// y reaches the holding temperature (y ≤ 111, about 825 °C), then the holding line runs on at
// y = 111 while x ≤ 243. The lesson's own cooling takes over from where the hold leaves it.
constexpr TPoint kStart = { 40, 300 };
constexpr int kHalteY = 111;

// The heating line once ProzessX has reached x: 430 − 3.36 · x, computed in double and held in
// single precision, as ProzessY holds it.
float heizY(int x);

// The heating and holding steps of one tick, on the pen, brush and font in force (the lesson
// sets pen and font). Heating draws the line from the start point anew, one pixel longer each
// tick; the tick that brings y to the holding temperature goes straight on to holding, which
// writes the three holding texts on a red brush and draws one pixel of the holding line.
void heatAndHold(TCanvas& canvas, int& x, float& y);

// The micrographs of the stage, by the value of x after heating and holding: ferrite–pearlite
// beside the heating line (frame 0, "Ferrit+Perlit"), then at the holding line's level austenite
// growing (frames 1 to 10) until homogeneous (frame 11, "Homogener Austenit"). Sets BildNr as
// it draws; captions white on black.
void austenitisingPicture(TCanvas& canvas, TImageList& list, int x, int& bildNr);

// --- Pause --------------------------------------------------------------------------------------

// Pauses a process run, or resumes it, while it is under way: started and neither finished,
// cleared nor closed. Then ProzessY is rounded and the pen moved to the curve's end (x, y),
// so that the curve goes on from where it stopped, and the timer is toggled. At any other time
// nothing happens, so that F2 never starts a run from values it did not set. Returns whether
// the run was toggled; the form then keeps its run lock.
bool pauseOrResume(bool underWay, TTimer& timer, TCanvas& canvas, int x, float& y);

} // namespace wb::processrun
