// F2 in the process lessons: pausing and resuming a process run.
#include "heattreat/ProcessPause.h"

namespace wb::processdiagram {

bool pauseOrResume(bool underWay, TTimer& timer, TCanvas& canvas, int x, float& y)
{
    if (!underWay)
        return false;
    y = float(Round(y));
    canvas.MoveTo(x, Round(y));
    timer.SetEnabled(!timer.Enabled());
    return true;
}

} // namespace wb::processdiagram
