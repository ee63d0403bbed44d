// The photographs: light micrographs of the program's steels, rendered from their structures as
// grey reflectance maps and coloured with the tones of an etched section under the microscope.
#pragma once

#include "Det.h"
#include "Raster.h"
#include "Structures.h"

namespace wb::micrograph {

// Nital-etched steel under a tungsten-lit microscope: dark brown pearlite and plate outlines,
// light cream ferrite.
extern const Palette kNital;
// The main menu's backdrop: the same etch in softer, warmer tones.
extern const Palette kBackdrop;

Rgba colourise(const Gray& g, const Palette& palette);

// Pure iron: large ferrite grains only, each etched to a slightly different grey (finished).
Gray ironMicrograph(int w, int h, Rng& rng);

// The series of unalloyed steels at a low magnification: the dark pearlite share follows the
// lever rule, about C / 0.8 of the area (finished).
Gray steelMicrograph(int w, int h, double carbon, Rng& rng);

// C45 normalised (ferrite and pearlite), hardened (martensite) and tempered (martensite with
// carbides), before the finish of the photograph.
Gray normalisedC45(int w, int h, double grain, Rng& rng, double scale);
Gray hardenedC45(int w, int h, double prior, Rng& rng, MartensiteLayout* keep = nullptr);
Gray temperedC45(int w, int h, double prior, Rng& rng);

// The finish of the photograph, then its colours.
Rgba finishInColour(Gray g, Rng& rng, const Finish& f, const Palette& palette);

} // namespace wb::micrograph
