// The program-wide zoom: every window, its controls and its drawing shown at a step of 100 %,
// 125 %, 150 %, 200 % ... of its size, the drawing rasterised at that resolution.
#pragma once

#include <QRect>
#include <QSize>
#include <functional>
#include <span>

namespace wb::zoom {

inline constexpr double kSteps[] = { 1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0 };

// A window to fit: the part of it that zooms (client area, menu bar, control borders) and the
// frame the window manager adds around it, which does not.
struct Window {
    QSize inner;
    QSize frame;
};

// The largest step at which every window fits the available area; 1 when none does.
double fittingStep(QSize available, std::span<const Window> windows);
// The step after / before `z`; the last / first step stays.
double stepUp(double z);
double stepDown(double z);

// Where a window whose frame starts at `frame` (its outer rectangle on the screen) lies so that
// its title bar is on the available area: moved left and up to fit if it can, never above or
// left of the area's top-left corner.
QRect placedOnScreen(const QRect& frame, const QRect& available);

// The zoom in force (1 in headless runs, which draw at the driver's `scale` instead), the
// default the program chose for the screen (Ctrl+0 returns to it), and who is told of changes.
double current();
double defaultStep();
void setDefaultStep(double z);
void setCurrent(double z);
void setChangeHandler(std::function<void()> handler);

} // namespace wb::zoom
