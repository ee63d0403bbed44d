// Checks every page form shares, through the driver over the whole program: opened from its
// main-menu item it sits centred on the screen, shows its pixels, takes the main menu's page
// colour (or keeps its own) and goes back to the main menu on Esc and "&Ende".
#pragma once

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/FormAccess.h"
#include "framework/Types.h"
#include "tests/support/Harness.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace wbtest {

// A pixel of the form's client area and the colour it must have when the page is open.
struct PagePixel {
    int x;
    int y;
    wb::TColor color;
    const char* what;
};

struct PageForm {
    const char* form;
    const char* item; // the main-menu item that opens it
    wb::TColor color; // its own form colour
    bool recoloured; // by the main menu's page colour
    QPoint strip; // a pixel where the form colour shows; (-1, -1) where it shows nowhere
    PagePixel kept; // a pixel of the page itself, which no form colour changes
    std::vector<PagePixel> pixels;
};

// The outer bounds after opening on a W × H screen: 800 × 600 at ((W − 800) / 2, (H − 600) / 2).
void expectCentredOn(const PageForm& page, int screenWidth, int screenHeight);
// Every pixel of the page's table, on a 1024 × 768 screen.
void expectPixels(const PageForm& page);
// After "Hintergrundfarbe wählen: Seiten" with a new colour: the form colour and the strip
// take it if the command recolours the form, else keep the own colour; the page keeps its pixel.
void expectPageColour(const PageForm& page);
// Esc, and "&Ende" after reopening, each leave the main menu alone on the modal stack.
void expectEscAndEndeReturnToTheMenu(const PageForm& page);

// For test names: the form's name.
std::string pageName(const PageForm& page);
// How GoogleTest prints a page parameter.
void PrintTo(const PageForm& page, std::ostream* os);

// The pixels every text card shows, for a card at `card` in the form's client area whose last
// line starts at card y `lastLineY`: its thin black frame, the pink page inside, a blank row
// below the last line and the form colour around it.
std::vector<PagePixel> cardPixels(const QRect& card, int lastLineY);

// A repaint puts a moved or resized page back to 800 × 600 in the middle of a 1024 × 768
// screen.
template <class Form> void expectSnapsBack()
{
    resetApplication();
    Form f;
    wb::FormAccess::create(f);
    f.Show();
    wb::Application.flushPendingPaints();
    f.SetBounds(10, 20, 640, 480);
    f.Refresh();
    EXPECT_EQ(QRect(f.Left(), f.Top(), f.Width(), f.Height()), QRect(112, 84, 800, 600)) << f.Name().toStdString();
    f.Hide();
}

// The ink of a rectangle of a form's surface, by colour.
struct Ink {
    int blue = 0;
    int black = 0;
    int red = 0;
};
Ink inkIn(const QImage& surface, const QRect& r);

// Emphasised words of a card cover the same words of their black line: where the words stand
// only blue ink, in front of them and after them black ink of the line. The line starts at
// (lineX, lineY) of the image; `before` is its text in front of the words.
void expectEmphasis(wb::TImage& image, int lineX, int lineY, const QString& before, const QString& words);

} // namespace wbtest
