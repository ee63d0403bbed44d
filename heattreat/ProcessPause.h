// F2 in the process lessons: pausing and resuming a process run.
#pragma once

#include "framework/Canvas.h"
#include "framework/Timers.h"

namespace wb::processdiagram {

// Pauses a process run, or resumes it, while it is under way: started and neither finished,
// cleared nor closed. Then ProzessY is rounded and the pen moved to the curve's end (x, y),
// so that the curve goes on from where it stopped, and the timer is toggled. At any other time
// nothing happens, so that F2 never starts a run from values it did not set. Returns whether
// the run was toggled; the form then keeps its run lock.
bool pauseOrResume(bool underWay, TTimer& timer, TCanvas& canvas, int x, float& y);

} // namespace wb::processdiagram
