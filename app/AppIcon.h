// The program's icon, drawn by the program itself from one description: as scalable vector
// text for the icon theme and as pixels at any size, so that it is sharp wherever it is shown.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace wb {

// The name the desktop entry, the icon theme files and the metainfo share.
inline constexpr char kAppId[] = "de.waermebehandlung.Waermebehandlung";

// The pixel sizes the icon theme gets as PNG files (the SVG covers every other size).
inline constexpr int kAppIconSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256, 512 };

// The icon as an SVG document.
QString appIconSvg();
// The icon drawn at size × size pixels, anti-aliased, on a transparent ground.
QImage appIconImage(int size);
// The window icon: every size above, drawn at once.
QIcon appIcon();

} // namespace wb
