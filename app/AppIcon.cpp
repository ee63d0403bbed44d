#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace wb {

namespace {

// The icon on a 64 × 64 grid: a rose tile, a white-edged panel of four temperature bands (hot
// at the top), a temperature axis with its arrow, and a cooling curve falling through the bands.
constexpr double kGrid = 64;

struct Band {
    double top;
    double bottom;
    const char* color;
};

// clang-format off
constexpr double kTileInset = 2, kTileRadius = 10;
constexpr const char* kTileColor = "#d30562";
constexpr const char* kTileEdge = "#800000";
constexpr double kTileEdgeWidth = 2;
constexpr double kPanelLeft = 16, kPanelTop = 9, kPanelRight = 56, kPanelBottom = 55;
constexpr double kPanelEdgeWidth = 2;
constexpr Band kBands[] = {
    { 9, 20.5, "#ffff00" },
    { 20.5, 32, "#ff8000" },
    { 32, 43.5, "#ff0000" },
    { 43.5, 55, "#800000" },
};
constexpr double kAxisX = 9.5, kAxisTop = 9, kAxisBottom = 55, kAxisWidth = 2.5;
constexpr double kArrow[3][2] = { { 9.5, 3 }, { 5, 12 }, { 14, 12 } };
// The cooling curve: a cubic from the hot top left to the cold bottom right.
constexpr double kCurve[4][2] = { { 19, 12 }, { 23, 38 }, { 31, 48 }, { 53, 51 } };
constexpr double kCurveWidth = 4;
constexpr const char* kCurveColor = "#000080";
// clang-format on

QString num(double v)
{
    return QString::number(v, 'g', 6);
}

QPainterPath curvePath(double s)
{
    QPainterPath p(QPointF(kCurve[0][0] * s, kCurve[0][1] * s));
    p.cubicTo(
        kCurve[1][0] * s, kCurve[1][1] * s, kCurve[2][0] * s, kCurve[2][1] * s, kCurve[3][0] * s, kCurve[3][1] * s);
    return p;
}

} // namespace

QString appIconSvg()
{
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
               .arg(num(kGrid));
    const double tile = kGrid - 2 * kTileInset;
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"%4\" stroke=\"%5\" "
                          "stroke-width=\"%6\"/>\n")
               .arg(num(kTileInset), num(tile), num(kTileRadius), QLatin1String(kTileColor), QLatin1String(kTileEdge),
                   num(kTileEdgeWidth));
    for (const Band& b : kBands)
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(num(kPanelLeft), num(b.top), num(kPanelRight - kPanelLeft), num(b.bottom - b.top),
                       QLatin1String(b.color));
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" stroke=\"#ffffff\" "
                          "stroke-width=\"%5\"/>\n")
               .arg(num(kPanelLeft), num(kPanelTop), num(kPanelRight - kPanelLeft), num(kPanelBottom - kPanelTop),
                   num(kPanelEdgeWidth));
    svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\" stroke=\"#000000\" stroke-width=\"%4\"/>\n")
               .arg(num(kAxisX), num(kAxisTop), num(kAxisBottom), num(kAxisWidth));
    svg += QStringLiteral("  <polygon points=\"%1,%2 %3,%4 %5,%6\" fill=\"#000000\"/>\n")
               .arg(num(kArrow[0][0]), num(kArrow[0][1]), num(kArrow[1][0]), num(kArrow[1][1]), num(kArrow[2][0]),
                   num(kArrow[2][1]));
    svg += QStringLiteral("  <path d=\"M %1 %2 C %3 %4 %5 %6 %7 %8\" fill=\"none\" stroke=\"%9\" stroke-width=\"%10\" "
                          "stroke-linecap=\"round\"/>\n")
               .arg(num(kCurve[0][0]), num(kCurve[0][1]), num(kCurve[1][0]), num(kCurve[1][1]), num(kCurve[2][0]),
                   num(kCurve[2][1]), num(kCurve[3][0]), num(kCurve[3][1]), QLatin1String(kCurveColor))
               .arg(num(kCurveWidth));
    svg += QStringLiteral("</svg>\n");
    return svg;
}

QImage appIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const double s = size / kGrid;
    // Small icons keep the straight edges of the bands and the panel on whole pixels, so that
    // they stay crisp where a pixel is a twelfth of the drawing.
    const auto at = [&](double v) { return size <= 48 ? std::round(v * s) : v * s; };
    const auto rect
        = [&](double l, double t, double r, double b) { return QRectF(QPointF(at(l), at(t)), QPointF(at(r), at(b))); };
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double tile = kGrid - 2 * kTileInset;
    p.setPen(QPen(QColor(QLatin1String(kTileEdge)), kTileEdgeWidth * s));
    p.setBrush(QColor(QLatin1String(kTileColor)));
    p.drawRoundedRect(QRectF(kTileInset * s, kTileInset * s, tile * s, tile * s), kTileRadius * s, kTileRadius * s);
    p.setPen(Qt::NoPen);
    for (const Band& b : kBands) {
        p.setBrush(QColor(QLatin1String(b.color)));
        p.drawRect(rect(kPanelLeft, b.top, kPanelRight, b.bottom));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, kPanelEdgeWidth * s, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(rect(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom));
    p.setPen(QPen(Qt::black, kAxisWidth * s, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(kAxisX * s, at(kAxisTop)), QPointF(kAxisX * s, at(kAxisBottom)));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const QPointF arrow[3] = { { kArrow[0][0] * s, kArrow[0][1] * s }, { kArrow[1][0] * s, kArrow[1][1] * s },
        { kArrow[2][0] * s, kArrow[2][1] * s } };
    p.drawPolygon(arrow, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(QLatin1String(kCurveColor)), kCurveWidth * s, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curvePath(s));
    p.end();
    return image;
}

QIcon appIcon()
{
    QIcon icon;
    for (const int size : kAppIconSizes)
        icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    return icon;
}

} // namespace wb
