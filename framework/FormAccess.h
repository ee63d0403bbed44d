// The narrow door to a form's framework side for the headless driver and the tests: its pixels,
// its creation outside the start-up, its window and its status bar. Lessons never use it.
#pragma once

#include "Forms.h"

class QImage;

namespace wb {

class TStatusBar;

class FormAccess {
public:
    // The client area's pixels as the canvas wrote them (ratio() device pixels per logical
    // pixel in each direction).
    static QImage& surface(TForm& form) { return form.surface(); }
    // Whether the form holds pixels at the moment (a hidden, idle form gives them up).
    static bool hasSurface(const TForm& form) { return !form.m_surface.isNull(); }
    static qreal ratio(const TForm& form) { return form.ratio(); }
    static void setRatio(TForm& form, qreal ratio) { form.setRatio(ratio); }
    // Runs OnCreate, as the application does once at start-up.
    static void create(TForm& form) { form.create(); }
    // The form's Qt window (null without a display).
    static FormWindow* window(const TForm& form) { return form.window(); }
    // The user dragged the frame of the form's window to this size inside the frame.
    static void userResized(TForm& form, QSize inner) { form.userResized(inner); }
    // Whether a repaint runs, and the area it repaints (the whole client area otherwise).
    static bool painting(const TForm& form) { return form.painting(); }
    static QRect paintClip(const TForm& form) { return form.paintClip(); }
    // The form's status bar, found by its type; null when it has none.
    static TStatusBar* statusBar(const TForm& form);
};

} // namespace wb
