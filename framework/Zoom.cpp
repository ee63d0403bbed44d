#include "Zoom.h"

#include <algorithm>

namespace wb::zoom {

namespace {
double g_current = 1.0;
double g_default = 1.0;
std::function<void()> g_changed;
} // namespace

double fittingStep(QSize available, std::span<const Window> windows)
{
    double best = kSteps[0];
    for (const double z : kSteps) {
        const bool fits = std::all_of(windows.begin(), windows.end(), [&](const Window& w) {
            return w.inner.width() * z + w.frame.width() <= available.width()
                && w.inner.height() * z + w.frame.height() <= available.height();
        });
        if (fits)
            best = z;
    }
    return best;
}

double stepUp(double z)
{
    for (const double s : kSteps)
        if (s > z)
            return s;
    return std::end(kSteps)[-1];
}

double stepDown(double z)
{
    double below = kSteps[0];
    for (const double s : kSteps)
        if (s < z)
            below = s;
    return below;
}

QRect placedOnScreen(const QRect& frame, const QRect& available)
{
    QRect r = frame;
    if (r.right() > available.right())
        r.moveRight(available.right());
    if (r.bottom() > available.bottom())
        r.moveBottom(available.bottom());
    if (r.left() < available.left())
        r.moveLeft(available.left());
    if (r.top() < available.top())
        r.moveTop(available.top());
    return r;
}

double current()
{
    return g_current;
}

double defaultStep()
{
    return g_default;
}

void setDefaultStep(double z)
{
    g_default = z;
}

void setCurrent(double z)
{
    if (z == g_current)
        return;
    g_current = z;
    if (g_changed)
        g_changed();
}

void setChangeHandler(std::function<void()> handler)
{
    g_changed = std::move(handler);
}

} // namespace wb::zoom
