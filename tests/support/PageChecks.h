// Checks every page form shares, through the driver over the whole program: opened from its
// main-menu item it sits centred on the screen, shows its pixels, takes the main menu's page
// colour (or keeps its own) and goes back to the main menu on Esc and "&Ende".
#pragma once

#include "framework/Types.h"

#include <QPoint>
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
    QPoint strip; // a pixel where the form colour shows
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

} // namespace wbtest
