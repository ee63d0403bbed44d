// A picture of a window's client area as the user sees it: the form's surface with the windowed
// controls (memos, edits, panels, buttons, status bars, scroll bars) drawn above it. The driver's
// snapshots and the picture export use it.
#pragma once

#include <QImage>
#include <QtGlobal>

namespace wb {

class TForm;

// The client area at `ratio` device pixels per logical pixel (0: the form's own ratio, the
// pixels exactly as drawn). At another ratio the surface is resampled, each logical pixel to its
// block of device pixels (deviceRect), and the windowed controls are drawn as vectors at that
// ratio; a surface as sharp as the canvas draws at that ratio needs the form drawn at it.
QImage renderClientArea(TForm& form, qreal ratio = 0);

} // namespace wb
