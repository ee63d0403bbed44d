// Contact sheets of the run-time micrographs: the mixes the explorers show, side by side, to
// look at next to the built-in pictures.
#pragma once

#include <QString>

namespace picgen {

// Writes DIR/synthesis-1.png and DIR/synthesis-2.png (ratio 1 and 2); false if it cannot.
bool writeSynthesisSheets(const QString& dir);

} // namespace picgen
