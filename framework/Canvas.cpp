#include "Canvas.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <list>

namespace wb {

namespace {

using Pixel32 = std::uint32_t;

// Dash patterns of the styled 1-pixel pens: runs of on, off, on, off ... pixels.
constexpr int kDashPattern[] = { 18, 6 };
constexpr int kDotPattern[] = { 3, 3 };

// The one place that decides what a pen mode does to a pixel: pmCopy writes the colour,
// pmNotXor writes NOT(colour XOR destination), so that a figure drawn twice restores it.
Pixel32 penPixel(Pixel32 color, Pixel32 destination, TPenMode mode)
{
    return mode == pmNotXor ? 0xFF000000u | (~(color ^ destination) & 0x00FFFFFFu) : color;
}

bool patternOn(TPenStyle style, int index)
{
    const int* pat = style == psDash ? kDashPattern : kDotPattern;
    const int period = pat[0] + pat[1];
    return index % period < pat[0];
}

// Walks the pixels of a 1-pixel line from (x0, y0) towards (x1, y1), end point excluded.
template <typename Plot> void walkLine(int x0, int y0, int x1, int y1, Plot plot)
{
    const int dx = std::abs(x1 - x0);
    const int sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0);
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int index = 0;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0, index++);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// What a figure puts on each pixel of its bounding box, so that every pixel is written
// exactly once per figure (a NOT-XOR figure drawn twice then restores the picture).
class Coverage {
public:
    enum : std::uint8_t { None = 0, Fill = 1, Pen = 2, Gap = 3 };

    explicit Coverage(const QRect& box)
        : m_box(box)
        , m_x0(box.left())
        , m_y0(box.top())
        , m_x1(box.right())
        , m_y1(box.bottom())
        , m_cells(size_t(std::max(0, box.width())) * size_t(std::max(0, box.height())), None)
        , m_rowFirst(size_t(std::max(0, box.height())), INT_MAX)
        , m_rowLast(size_t(std::max(0, box.height())), INT_MIN)
    {
    }
    const QRect& box() const { return m_box; }
    bool empty() const { return m_box.isEmpty(); }
    bool contains(int x, int y) const { return x >= m_x0 && x <= m_x1 && y >= m_y0 && y <= m_y1; }
    void set(int x, int y, std::uint8_t v)
    {
        if (contains(x, y)) {
            m_cells[index(x, y)] = v;
            extend(y, x, x);
        }
    }
    // Sets x0 … x1 of row y (already inside the box).
    void setRow(int y, int x0, int x1, std::uint8_t v)
    {
        std::fill_n(m_cells.begin() + std::ptrdiff_t(index(x0, y)), x1 - x0 + 1, v);
        extend(y, x0, x1);
    }
    // The stretch of row y that anything was set in (first > last: none).
    int rowFirst(int y) const { return m_rowFirst[size_t(y - m_y0)]; }
    int rowLast(int y) const { return m_rowLast[size_t(y - m_y0)]; }
    const std::uint8_t* row(int y) const { return m_cells.data() + index(m_x0, y); }
    // Pen wins over fill and gaps.
    void setPen(int x, int y) { set(x, y, Pen); }
    void setGap(int x, int y)
    {
        if (contains(x, y) && m_cells[index(x, y)] != Pen) {
            m_cells[index(x, y)] = Gap;
            extend(y, x, x);
        }
    }
    std::uint8_t at(int x, int y) const { return m_cells[index(x, y)]; }

private:
    size_t index(int x, int y) const
    {
        return size_t(y - m_box.top()) * size_t(m_box.width()) + size_t(x - m_box.left());
    }
    void extend(int y, int x0, int x1)
    {
        int& first = m_rowFirst[size_t(y - m_y0)];
        int& last = m_rowLast[size_t(y - m_y0)];
        first = std::min(first, x0);
        last = std::max(last, x1);
    }
    QRect m_box;
    int m_x0, m_y0, m_x1, m_y1;
    std::vector<std::uint8_t> m_cells;
    std::vector<int> m_rowFirst, m_rowLast;
};

// The band a wide pen covers along the segment (x0, y0)-(x1, y1): all pixels within half the
// pen width of the path, so the ends are round. For even widths the band is shifted half a
// pixel up and left: across the path it covers offsets -w/2 ... w/2 - 1.
void addCapsule(Coverage& cov, int x0, int y0, int x1, int y1, int w)
{
    const int shift = (w % 2 == 0) ? 1 : 0;
    const long long ax = 2LL * x0, ay = 2LL * y0, bx = 2LL * x1, by = 2LL * y1;
    const long long dx = bx - ax, dy = by - ay;
    const long long len2 = dx * dx + dy * dy;
    const long long r2 = 1LL * w * w;
    const int reach = w / 2 + 1;
    const QRect area = QRect(QPoint(std::min(x0, x1) - reach, std::min(y0, y1) - reach),
        QPoint(std::max(x0, x1) + reach, std::max(y0, y1) + reach))
                           .intersected(cov.box());
    auto inside = [&](int px, int py) {
        const long long qx = 2LL * px + shift - ax, qy = 2LL * py + shift - ay;
        const long long t = qx * dx + qy * dy;
        if (len2 == 0 || t <= 0)
            return qx * qx + qy * qy <= r2;
        if (t >= len2) {
            const long long ex = 2LL * px + shift - bx, ey = 2LL * py + shift - by;
            return ex * ex + ey * ey <= r2;
        }
        const long long cross = qx * dy - qy * dx;
        return static_cast<__int128>(cross) * cross <= static_cast<__int128>(r2) * len2;
    };
    // The band is convex, so on every row its pixels form one run. A pixel farther from the
    // segment's rows or columns than the radius is outside, which leaves a short stretch of
    // each row; the pixel nearest to where the segment crosses the row lies inside, and from
    // there the run's ends are found by halving (a full scan of the stretch settles any doubt).
    const int xmin = std::min(x0, x1), xmax = std::max(x0, x1), ymin = std::min(y0, y1), ymax = std::max(y0, y1);
    auto floorHalf = [](long long v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); };
    const int lo = int(std::max<long long>(area.left(), -floorHalf(-(2LL * xmin - w - shift))));
    const int hi = int(std::min<long long>(area.right(), floorHalf(2LL * xmax + w - shift)));
    for (int py = area.top(); py <= area.bottom(); ++py) {
        const long long vy = 2LL * py + shift;
        const long long away = vy < 2LL * ymin ? 2LL * ymin - vy : (vy > 2LL * ymax ? vy - 2LL * ymax : 0);
        if (away > w || lo > hi)
            continue;
        int guess;
        if (y0 == y1) {
            guess = (x0 + x1) / 2;
        } else {
            const double t = std::clamp(double(py - y0) / double(y1 - y0), 0.0, 1.0);
            guess = int(std::lround(x0 + t * (x1 - x0)));
        }
        guess = std::clamp(guess, lo, hi);
        int seed = INT_MIN;
        for (const int px : { guess, guess - 1, guess + 1 }) {
            if (px >= lo && px <= hi && inside(px, py)) {
                seed = px;
                break;
            }
        }
        if (seed == INT_MIN) {
            for (int px = lo; px <= hi; ++px) {
                if (inside(px, py)) {
                    seed = px;
                    break;
                }
            }
            if (seed == INT_MIN)
                continue;
        }
        int a = lo, b = seed; // first inside pixel in [a, b]
        while (a < b) {
            const int m = a + (b - a) / 2;
            if (inside(m, py))
                b = m;
            else
                a = m + 1;
        }
        const int left = a;
        a = seed;
        b = hi; // last inside pixel in [a, b]
        while (a < b) {
            const int m = b - (b - a) / 2;
            if (inside(m, py))
                a = m;
            else
                b = m - 1;
        }
        cov.setRow(py, left, a, Coverage::Pen);
    }
}

// A 1-pixel outline segment into a coverage, with the pen's pattern continuing at `index`.
int addThinSegment(Coverage& cov, int x0, int y0, int x1, int y1, TPenStyle style, int index)
{
    walkLine(x0, y0, x1, y1, [&](int x, int y, int) {
        if (style == psSolid || patternOn(style, index))
            cov.setPen(x, y);
        else
            cov.setGap(x, y);
        ++index;
    });
    return index;
}

// The outline of a closed path with the pen, into a coverage.
void addOutline(Coverage& cov, const TPoint* pts, int n, const TPen& pen)
{
    int index = 0;
    for (int i = 0; i < n; ++i) {
        const TPoint a = pts[i];
        const TPoint b = pts[(i + 1) % n];
        if (pen.Width() > 1)
            addCapsule(cov, a.X, a.Y, b.X, b.Y, pen.Width());
        else
            index = addThinSegment(cov, a.X, a.Y, b.X, b.Y, pen.Style(), index);
    }
}

QRect boundsOf(const TPoint* pts, int n, int margin)
{
    int x0 = pts[0].X, x1 = pts[0].X, y0 = pts[0].Y, y1 = pts[0].Y;
    for (int i = 1; i < n; ++i) {
        x0 = std::min(x0, pts[i].X);
        x1 = std::max(x1, pts[i].X);
        y0 = std::min(y0, pts[i].Y);
        y1 = std::max(y1, pts[i].Y);
    }
    return QRect(QPoint(x0 - margin, y0 - margin), QPoint(x1 + margin, y1 + margin));
}

} // namespace

// The canvas's view of its target for one operation: translation, clipping and the writes
// through the pen mode. When the operation ends, the target is told which pixels it touched.
struct TCanvas::Surface {
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface()
    {
        QRect r = changedRect();
        if (!r.isEmpty())
            r.translate(ox, oy);
        if (dx0 <= dx1)
            r |= QRect(QPoint(logicalOf(dx0, ratio), logicalOf(dy0, ratio)),
                QPoint(logicalOf(dx1, ratio), logicalOf(dy1, ratio)));
        if (target && !r.isEmpty())
            target->changed(r);
    }

    CanvasTarget* target = nullptr;
    QImage* image = nullptr;
    uchar* bits = nullptr; // the image's pixels, detached once when the operation starts
    qsizetype stride = 0;
    int ox = 0, oy = 0;
    QRect clip; // in canvas coordinates
    int cx0 = 0, cy0 = 0, cx1 = -1, cy1 = -1; // the clip's edges
    QRect touched; // in canvas coordinates
    int tx0 = INT_MAX, ty0 = INT_MAX, tx1 = INT_MIN, ty1 = INT_MIN; // pixels put one by one
    // Above ratio 1 the image holds device pixels: figures are rasterised at its resolution
    // and written through dput; what they touched is kept in image device pixels.
    qreal ratio = 1.0;
    QRect devClip; // in image device pixels
    int dx0 = INT_MAX, dy0 = INT_MAX, dx1 = INT_MIN, dy1 = INT_MIN;

    bool device() const { return ratio != 1.0; }
    // The device pixels of a rectangle in canvas coordinates, inside the clip.
    QRect deviceBox(const QRect& r) const { return deviceRect(r.translated(ox, oy), ratio).intersected(devClip); }

    void dput(int X, int Y, Pixel32 color, TPenMode mode)
    {
        if (!devClip.contains(X, Y))
            return;
        auto* px = reinterpret_cast<Pixel32*>(image->scanLine(Y)) + X;
        *px = penPixel(color, *px, mode);
        dx0 = std::min(dx0, X);
        dx1 = std::max(dx1, X);
        dy0 = std::min(dy0, Y);
        dy1 = std::max(dy1, Y);
    }

    // The touched area: spans filled at once and single pixels put.
    QRect changedRect() const { return tx0 <= tx1 ? touched | QRect(QPoint(tx0, ty0), QPoint(tx1, ty1)) : touched; }

    bool inside(int x, int y) const { return x >= cx0 && x <= cx1 && y >= cy0 && y <= cy1; }

    // Row y in canvas coordinates: row(y)[x] is the pixel at (x, y).
    Pixel32* row(int y) const
    {
        assert(!device());
        return reinterpret_cast<Pixel32*>(bits + (y + oy) * stride) + ox;
    }

    // Records pixels written directly through row().
    void mark(int x0, int y0, int x1, int y1)
    {
        tx0 = std::min(tx0, x0);
        tx1 = std::max(tx1, x1);
        ty0 = std::min(ty0, y0);
        ty1 = std::max(ty1, y1);
    }

    void put(int x, int y, Pixel32 color, TPenMode mode)
    {
        if (!inside(x, y))
            return;
        if (device()) {
            fill(QRect(x, y, 1, 1), color, mode);
            return;
        }
        Pixel32* px = row(y) + x;
        *px = penPixel(color, *px, mode);
        mark(x, y, x, y);
    }

    Pixel32 get(int x, int y) const
    {
        if (device())
            return reinterpret_cast<const Pixel32*>(
                image->constScanLine(deviceProbe(y + oy, ratio)))[deviceProbe(x + ox, ratio)];
        return row(y)[x];
    }

    void fill(const QRect& r, Pixel32 color, TPenMode mode)
    {
        const QRect c = r.intersected(clip);
        if (c.isEmpty())
            return;
        if (device()) {
            // A rectangle of logical pixels covers their blocks exactly.
            const QRect d = deviceBox(c);
            for (int y = d.top(); y <= d.bottom(); ++y) {
                auto* row = reinterpret_cast<Pixel32*>(image->scanLine(y));
                for (int x = d.left(); x <= d.right(); ++x)
                    row[x] = penPixel(color, row[x], mode);
            }
            touched |= c;
            return;
        }
        for (int y = c.top(); y <= c.bottom(); ++y) {
            Pixel32* line = row(y);
            if (mode == pmCopy) {
                std::fill(line + c.left(), line + c.right() + 1, color);
            } else {
                for (int x = c.left(); x <= c.right(); ++x)
                    line[x] = penPixel(color, line[x], pmNotXor);
            }
        }
        touched |= c;
    }

    // Copies the pixels src[0 … x1 − x0] to row y, x0 … x1 (already inside the clip).
    void copyRow(int y, int x0, int x1, const Pixel32* src)
    {
        Pixel32* line = row(y);
        for (int x = x0; x <= x1; ++x)
            line[x] = src[x - x0] | 0xFF000000u;
        touched |= QRect(QPoint(x0, y), QPoint(x1, y));
    }
};

bool TCanvas::open(Surface& s, bool forWriting) const
{
    if (!m_target)
        return false;
    s.image = m_target->pixels();
    s.target = m_target;
    if (!s.image || s.image->isNull())
        return false;
    assert(s.image->format() == QImage::Format_RGB32 || s.image->format() == QImage::Format_ARGB32);
    const QPoint o = m_target->origin();
    s.ox = o.x();
    s.oy = o.y();
    s.ratio = m_target->ratio();
    if (s.device()) {
        const QRect logical(
            0, 0, logicalOf(s.image->width() - 1, s.ratio) + 1, logicalOf(s.image->height() - 1, s.ratio) + 1);
        const QRect c = m_target->clip().intersected(logical);
        s.devClip = deviceRect(c, s.ratio).intersected(s.image->rect());
        s.clip = c.translated(-o);
        if (s.clip.isEmpty() || s.devClip.isEmpty())
            return false;
        // Device pixels are written through dput and the device boxes, never through row().
    } else {
        s.clip = m_target->clip().intersected(s.image->rect()).translated(-o);
        if (s.clip.isEmpty())
            return false;
        // Reading leaves a shared picture shared; writing detaches it once, here.
        s.bits = forWriting ? s.image->bits() : const_cast<uchar*>(s.image->constBits());
        s.stride = s.image->bytesPerLine();
    }
    s.cx0 = s.clip.left();
    s.cy0 = s.clip.top();
    s.cx1 = s.clip.right();
    s.cy1 = s.clip.bottom();
    return true;
}

namespace {

// Writes a coverage through the surface: pen pixels with the pen colour, fill pixels with the
// brush, gaps of a styled pen with the brush colour while the brush is solid.
void apply(TCanvas::Surface&, const Coverage&, const TPen&, const TBrush&);

} // namespace

namespace {

// --- Rasterising at device resolution -------------------------------------------------------
//
// Above ratio 1 every figure keeps its definition in logical pixels and is sampled at the
// centre of each device pixel instead of each logical one: device pixel X is looked at where
// it lies in logical pixel coordinates, sampleOf(X), which is X itself at ratio 1. So lines,
// circles and text are as sharp as the screen, and a figure that wholly covers a logical
// pixel gives its whole block the colour the pixel has at ratio 1. The coverages below are in
// image device pixels and the figures' points in image logical pixels.

double sampleOf(int device, qreal r)
{
    return (device + 0.5) / r - 0.5;
}

// The device pixels of a logical box (image coordinates), within the coverage.
QRect deviceBoxOf(const Coverage& cov, const QRect& logical, qreal r)
{
    return deviceRect(logical, r).intersected(cov.box());
}

// The wide pen's band, as addCapsule, at each device pixel.
void addDeviceCapsule(Coverage& cov, int x0, int y0, int x1, int y1, int w, qreal r)
{
    const double shift = (w % 2 == 0) ? 1 : 0;
    const double ax = 2.0 * x0, ay = 2.0 * y0, bx = 2.0 * x1, by = 2.0 * y1;
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    const double r2 = double(w) * w;
    const int reach = w / 2 + 1;
    const QRect area = deviceBoxOf(cov,
        QRect(QPoint(std::min(x0, x1) - reach, std::min(y0, y1) - reach),
            QPoint(std::max(x0, x1) + reach, std::max(y0, y1) + reach)),
        r);
    for (int py = area.top(); py <= area.bottom(); ++py) {
        const double sy = sampleOf(py, r);
        for (int px = area.left(); px <= area.right(); ++px) {
            const double sx = sampleOf(px, r);
            const double qx = 2 * sx + shift - ax, qy = 2 * sy + shift - ay;
            const double t = qx * dx + qy * dy;
            bool inside;
            if (len2 == 0 || t <= 0) {
                inside = qx * qx + qy * qy <= r2;
            } else if (t >= len2) {
                const double ex = 2 * sx + shift - bx, ey = 2 * sy + shift - by;
                inside = ex * ex + ey * ey <= r2;
            } else {
                const double cross = qx * dy - qy * dx;
                inside = cross * cross <= r2 * len2;
            }
            if (inside)
                cov.setPen(px, py);
        }
    }
}

// A 1-pixel line from (x0, y0) towards (x1, y1), end pixel excluded, at each device pixel:
// along the major axis the blocks of the pixels the line steps through, across it one logical
// pixel of thickness centred on the ideal line, so it is as heavy as at ratio 1 and smooth.
// The pattern index is the logical step along the major axis, continuing at `index`.
int addDeviceThinSegment(Coverage& cov, int x0, int y0, int x1, int y1, TPenStyle style, int index, qreal r)
{
    const int dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0)
        return index;
    const QRect area = deviceBoxOf(
        cov, QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1))), r);
    for (int py = area.top(); py <= area.bottom(); ++py) {
        const double sy = sampleOf(py, r);
        for (int px = area.left(); px <= area.right(); ++px) {
            const double sx = sampleOf(px, r);
            const int major
                = xMajor ? (logicalOf(px, r) - x0) * (dx < 0 ? -1 : 1) : (logicalOf(py, r) - y0) * (dy < 0 ? -1 : 1);
            if (major < 0 || major >= steps)
                continue;
            const double across = xMajor ? sy - (y0 + (sx - x0) * dy / dx) : sx - (x0 + (sy - y0) * dx / dy);
            if (across < -0.5 || across >= 0.5)
                continue;
            if (style == psSolid || patternOn(style, index + major))
                cov.setPen(px, py);
            else
                cov.setGap(px, py);
        }
    }
    return index + steps;
}

void addDeviceOutline(Coverage& cov, const TPoint* pts, int n, const TPen& pen, QPoint o, qreal r)
{
    int index = 0;
    for (int i = 0; i < n; ++i) {
        const TPoint a = pts[i];
        const TPoint b = pts[(i + 1) % n];
        if (pen.Width() > 1)
            addDeviceCapsule(cov, a.X + o.x(), a.Y + o.y(), b.X + o.x(), b.Y + o.y(), pen.Width(), r);
        else
            index
                = addDeviceThinSegment(cov, a.X + o.x(), a.Y + o.y(), b.X + o.x(), b.Y + o.y(), pen.Style(), index, r);
    }
}

// Writes a device coverage as apply does a logical one.
void applyDevice(TCanvas::Surface& s, const Coverage& cov, const TPen& pen, const TBrush& brush)
{
    const Pixel32 penColor = toPixel(pen.Color());
    const Pixel32 brushColor = toPixel(brush.Color());
    const bool gaps = brush.Style() == bsSolid;
    const QRect& b = cov.box();
    for (int y = b.top(); y <= b.bottom(); ++y) {
        for (int x = b.left(); x <= b.right(); ++x) {
            switch (cov.at(x, y)) {
            case Coverage::Pen:
                s.dput(x, y, penColor, pen.Mode());
                break;
            case Coverage::Fill:
                s.dput(x, y, brushColor, pen.Mode());
                break;
            case Coverage::Gap:
                if (gaps)
                    s.dput(x, y, brushColor, pen.Mode());
                break;
            default:
                break;
            }
        }
    }
}

// What an ellipse makes of the pixel (px, py) of its coverage, looked at in (sx, sy): a thin pen
// marks the pixels inside whose four neighbours are not all inside, a wide pen the band
// centred on the outline through the outermost pixel centres; inside it the brush fills.
// At ratio 1 the sample is the pixel itself in whole numbers, so the test stays exact.
template <class Sample, class Inside, class InsideGrown>
void coverEllipsePixel(Coverage& cov, int px, int py, Sample sx, Sample sy, int w, bool fill, const Inside& inside,
    const InsideGrown& insideGrown)
{
    if (w == 1) {
        if (!inside(sx, sy))
            return;
        if (!inside(sx - 1, sy) || !inside(sx + 1, sy) || !inside(sx, sy - 1) || !inside(sx, sy + 1))
            cov.setPen(px, py);
        else if (fill)
            cov.set(px, py, Coverage::Fill);
        return;
    }
    const bool outer = insideGrown(sx, sy, -0.5 + w / 2.0);
    const bool inner = insideGrown(sx, sy, -0.5 - w / 2.0);
    if (outer && !inner)
        cov.setPen(px, py);
    else if (inner && fill)
        cov.set(px, py, Coverage::Fill);
}

// The ellipse inscribed in (x1, y1, x2, y2) (image coordinates) as Ellipse draws it, sampled
// at each device pixel of `box`: the outline is a band one pen width wide in logical pixels.
void ellipseOnDevice(
    TCanvas::Surface& s, int x1, int y1, int x2, int y2, const QRect& box, const TPen& pen, const TBrush& brush)
{
    Coverage cov(box);
    if (cov.empty())
        return;
    const double W = x2 - x1, H = y2 - y1;
    const int w = pen.Width();
    const qreal r = s.ratio;
    auto inside = [&](double px, double py) {
        const double ex = 2 * px + 1 - (x1 + x2), ey = 2 * py + 1 - (y1 + y2);
        return ex * ex * H * H + ey * ey * W * W <= W * W * H * H;
    };
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0, rx = W / 2.0, ry = H / 2.0;
    auto insideGrown = [&](double px, double py, double d) {
        const double ax = rx + d, ay = ry + d;
        if (ax <= 0 || ay <= 0)
            return false;
        const double ex = (px + 0.5 - cx) / ax, ey = (py + 0.5 - cy) / ay;
        return ex * ex + ey * ey <= 1.0;
    };
    for (int py = box.top(); py <= box.bottom(); ++py) {
        const double sy = sampleOf(py, r);
        for (int px = box.left(); px <= box.right(); ++px)
            coverEllipsePixel(cov, px, py, sampleOf(px, r), sy, w, brush.Style() == bsSolid, inside, insideGrown);
    }
    applyDevice(s, cov, pen, brush);
}

// A polygon (canvas coordinates) as Polygon draws it, sampled at each device pixel of `box`.
void polygonOnDevice(
    TCanvas::Surface& s, const TPoint* pts, int n, const QRect& box, const TPen& pen, const TBrush& brush)
{
    Coverage cov(box);
    if (cov.empty())
        return;
    const qreal r = s.ratio;
    const double ox = s.ox, oy = s.oy;
    if (brush.Style() == bsSolid) {
        std::vector<double> xs;
        for (int py = box.top(); py <= box.bottom(); ++py) {
            const double sy = sampleOf(py, r);
            xs.clear();
            for (int i = 0; i < n; ++i) {
                const double ax = pts[i].X + ox, ay = pts[i].Y + oy;
                const double cx = pts[(i + 1) % n].X + ox, cy = pts[(i + 1) % n].Y + oy;
                if (ay == cy)
                    continue;
                if ((ay <= sy && sy < cy) || (cy <= sy && sy < ay))
                    xs.push_back(ax + (sy - ay) * (cx - ax) / (cy - ay));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2)
                for (int px = box.left(); px <= box.right(); ++px) {
                    const double sx = sampleOf(px, r);
                    if (sx >= xs[k] && sx < xs[k + 1])
                        cov.set(px, py, Coverage::Fill);
                }
        }
    }
    addDeviceOutline(cov, pts, n, pen, QPoint(s.ox, s.oy), r);
    applyDevice(s, cov, pen, brush);
}

} // namespace

int deviceEdge(int logical, qreal r)
{
    return int(std::ceil(logical * r - 0.5));
}

QRect deviceRect(const QRect& logical, qreal r)
{
    if (logical.isEmpty())
        return {};
    return QRect(QPoint(deviceEdge(logical.left(), r), deviceEdge(logical.top(), r)),
        QPoint(deviceEdge(logical.right() + 1, r) - 1, deviceEdge(logical.bottom() + 1, r) - 1));
}

int logicalOf(int device, qreal r)
{
    return int(std::floor((device + 0.5) / r));
}

int deviceProbe(int logical, qreal r)
{
    return (deviceEdge(logical, r) + deviceEdge(logical + 1, r)) / 2;
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = m_pos;
    m_pos = { x, y };
    Surface s;
    if (!open(s))
        return;
    const Pixel32 pen = toPixel(Pen.Color());
    if (s.device() && (Pen.Width() > 1 || Pen.Style() != psSolid || (from.Y != y && from.X != x))) {
        // Axis-parallel solid lines are spans and cover whole blocks; the others are sampled.
        const int reach = Pen.Width() / 2 + 1;
        Coverage cov(s.deviceBox(QRect(QPoint(std::min(from.X, x) - reach, std::min(from.Y, y) - reach),
            QPoint(std::max(from.X, x) + reach, std::max(from.Y, y) + reach))));
        if (cov.empty())
            return;
        if (Pen.Width() > 1)
            addDeviceCapsule(cov, from.X + s.ox, from.Y + s.oy, x + s.ox, y + s.oy, Pen.Width(), s.ratio);
        else
            addDeviceThinSegment(cov, from.X + s.ox, from.Y + s.oy, x + s.ox, y + s.oy, Pen.Style(), 0, s.ratio);
        applyDevice(s, cov, Pen, Brush);
        return;
    }
    if (Pen.Width() > 1) {
        const int reach = Pen.Width() / 2 + 1;
        Coverage cov(QRect(QPoint(std::min(from.X, x) - reach, std::min(from.Y, y) - reach),
            QPoint(std::max(from.X, x) + reach, std::max(from.Y, y) + reach))
                         .intersected(s.clip));
        if (cov.empty())
            return;
        addCapsule(cov, from.X, from.Y, x, y, Pen.Width());
        apply(s, cov, Pen, Brush);
    } else if (Pen.Style() == psSolid && (from.Y == y || from.X == x) && !(from.X == x && from.Y == y)) {
        // Horizontal and vertical lines (colour bands, grids) as one span.
        const QRect span = from.Y == y ? QRect(QPoint(std::min(from.X, x + (x < from.X ? 1 : 0)), y),
                               QPoint(std::max(from.X, x - (x > from.X ? 1 : 0)), y))
                                       : QRect(QPoint(x, std::min(from.Y, y + (y < from.Y ? 1 : 0))),
                                           QPoint(x, std::max(from.Y, y - (y > from.Y ? 1 : 0))));
        s.fill(span, pen, Pen.Mode());
    } else if (Pen.Style() == psSolid) {
        walkLine(from.X, from.Y, x, y, [&](int px, int py, int) { s.put(px, py, pen, Pen.Mode()); });
    } else {
        const bool gaps = Brush.Style() == bsSolid;
        const Pixel32 gap = toPixel(Brush.Color());
        walkLine(from.X, from.Y, x, y, [&](int px, int py, int index) {
            if (patternOn(Pen.Style(), index))
                s.put(px, py, pen, Pen.Mode());
            else if (gaps)
                s.put(px, py, gap, Pen.Mode());
        });
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x2 == x1 || y2 == y1)
        return;
    Surface s;
    if (!open(s))
        return;
    const QRect box(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    if (Pen.Width() == 1 && Pen.Style() == psSolid) {
        // Interior and a one-pixel ring never overlap: write them directly.
        if (Brush.Style() == bsSolid && box.width() > 2 && box.height() > 2)
            s.fill(box.adjusted(1, 1, -1, -1), toPixel(Brush.Color()), Pen.Mode());
        const Pixel32 pen = toPixel(Pen.Color());
        s.fill(QRect(box.left(), box.top(), box.width(), 1), pen, Pen.Mode());
        if (box.height() > 1)
            s.fill(QRect(box.left(), box.bottom(), box.width(), 1), pen, Pen.Mode());
        if (box.height() > 2) {
            s.fill(QRect(box.left(), box.top() + 1, 1, box.height() - 2), pen, Pen.Mode());
            if (box.width() > 1)
                s.fill(QRect(box.right(), box.top() + 1, 1, box.height() - 2), pen, Pen.Mode());
        }
    } else if (s.device()) {
        const int reach = Pen.Width() / 2 + 1;
        Coverage cov(s.deviceBox(box.adjusted(-reach, -reach, reach, reach)));
        if (cov.empty())
            return;
        if (Brush.Style() == bsSolid) {
            const QRect inner = s.deviceBox(box.adjusted(1, 1, -1, -1)).intersected(cov.box());
            for (int y = inner.top(); y <= inner.bottom(); ++y)
                for (int x = inner.left(); x <= inner.right(); ++x)
                    cov.set(x, y, Coverage::Fill);
        }
        const TPoint corners[4] = { { x1, y1 }, { x2 - 1, y1 }, { x2 - 1, y2 - 1 }, { x1, y2 - 1 } };
        addDeviceOutline(cov, corners, 4, Pen, QPoint(s.ox, s.oy), s.ratio);
        applyDevice(s, cov, Pen, Brush);
    } else {
        const int reach = Pen.Width() / 2 + 1;
        Coverage cov(box.adjusted(-reach, -reach, reach, reach).intersected(s.clip));
        if (cov.empty())
            return;
        if (Brush.Style() == bsSolid) {
            const QRect inner = box.adjusted(1, 1, -1, -1).intersected(cov.box());
            for (int y = inner.top(); y <= inner.bottom(); ++y)
                cov.setRow(y, inner.left(), inner.right(), Coverage::Fill);
        }
        const TPoint corners[4] = { { x1, y1 }, { x2 - 1, y1 }, { x2 - 1, y2 - 1 }, { x1, y2 - 1 } };
        addOutline(cov, corners, 4, Pen);
        apply(s, cov, Pen, Brush);
    }
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const long long W = x2 - x1, H = y2 - y1;
    if (W == 0 || H == 0)
        return;
    Surface s;
    if (!open(s))
        return;
    const int w = Pen.Width();
    const int reach = w / 2 + 1;
    const QRect around(QPoint(x1 - reach, y1 - reach), QPoint(x2 - 1 + reach, y2 - 1 + reach));
    if (s.device()) {
        ellipseOnDevice(s, x1 + s.ox, y1 + s.oy, x2 + s.ox, y2 + s.oy, s.deviceBox(around), Pen, Brush);
        return;
    }
    Coverage cov(around.intersected(s.clip));
    if (cov.empty())
        return;
    // Inside the inscribed ellipse: the pixel's centre lies in it (doubled coordinates).
    auto inside = [&](int px, int py) {
        const long long ex = 2LL * px + 1 - (x1 + x2), ey = 2LL * py + 1 - (y1 + y2);
        return ex * ex * H * H + ey * ey * W * W <= W * W * H * H;
    };
    // Inside an ellipse with the same centre and radii grown by d (in pixels).
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0, rx = W / 2.0, ry = H / 2.0;
    auto insideGrown = [&](int px, int py, double d) {
        const double ax = rx + d, ay = ry + d;
        if (ax <= 0 || ay <= 0)
            return false;
        const double ex = (px + 0.5 - cx) / ax, ey = (py + 0.5 - cy) / ay;
        return ex * ex + ey * ey <= 1.0;
    };
    const QRect& b = cov.box();
    for (int py = b.top(); py <= b.bottom(); ++py) {
        for (int px = b.left(); px <= b.right(); ++px)
            coverEllipsePixel(cov, px, py, px, py, w, Brush.Style() == bsSolid, inside, insideGrown);
    }
    apply(s, cov, Pen, Brush);
}

void TCanvas::Polygon(const TPoint* pts, int n)
{
    assert(n >= 3 && n <= 13 && "a polygon has 3 to 13 points");
    Surface s;
    if (!open(s))
        return;
    if (s.device()) {
        polygonOnDevice(s, pts, n, s.deviceBox(boundsOf(pts, n, Pen.Width() / 2 + 1)), Pen, Brush);
        return;
    }
    Coverage cov(boundsOf(pts, n, Pen.Width() / 2 + 1).intersected(s.clip));
    if (cov.empty())
        return;
    if (Brush.Style() == bsSolid) {
        // Even-odd rule, sampled where the outline's pixels sit (at the integer positions),
        // left edges included and right edges excluded, so fill and outline meet.
        const QRect& b = cov.box();
        std::vector<double> xs;
        for (int py = b.top(); py <= b.bottom(); ++py) {
            const double sy = py;
            xs.clear();
            for (int i = 0; i < n; ++i) {
                const TPoint a = pts[i], c = pts[(i + 1) % n];
                if (a.Y == c.Y)
                    continue;
                const bool crosses = (a.Y <= sy && sy < c.Y) || (c.Y <= sy && sy < a.Y);
                if (crosses)
                    xs.push_back(a.X + (sy - a.Y) * double(c.X - a.X) / double(c.Y - a.Y));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2) {
                // The pixels with xs[k] <= px < xs[k + 1].
                const double from = std::max(std::ceil(xs[k]), double(b.left()));
                const double to = std::min(std::ceil(xs[k + 1]) - 1, double(b.right()));
                if (from <= to)
                    cov.setRow(py, int(from), int(to), Coverage::Fill);
            }
        }
    }
    addOutline(cov, pts, n, Pen);
    apply(s, cov, Pen, Brush);
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    const ResolvedFont& rf = fonts::resolve(Font);
    const int w = fonts::textWidth(rf, text);
    m_pos = { x + w, y };
    Surface s;
    const bool drawn = open(s) && w > 0;
    const QRect cell(x, y, w, rf.cellHeight);
    if (const fonts::TextObserver& observe = fonts::textObserver(); observe && w > 0)
        observe({ this, &rf, text, cell, drawn ? s.clip : QRect() });
    if (!drawn)
        return;
    // The text is not drawn with the pen mode: its cell and glyphs are plain copies.
    if (Brush.Style() == bsSolid)
        s.fill(cell, toPixel(Brush.Color()), pmCopy);
    if (s.device()) {
        // The glyphs drawn at the device's resolution into the cell's blocks.
        const QRect d = deviceRect(cell.translated(s.ox, s.oy), s.ratio);
        const QImage mask = fonts::glyphMask(rf, text, s.ratio);
        const Pixel32 ink = toPixel(Font.Color());
        const QRect c = d.intersected(s.devClip).intersected(QRect(d.topLeft(), mask.size()));
        for (int py = c.top(); py <= c.bottom(); ++py) {
            const uchar* m = mask.constScanLine(py - d.top());
            for (int px = c.left(); px <= c.right(); ++px)
                if (m[px - d.left()])
                    s.dput(px, py, ink, pmCopy);
        }
        return;
    }
    const QImage mask = fonts::glyphMask(rf, text);
    const Pixel32 ink = toPixel(Font.Color());
    const QRect c = cell.intersected(s.clip);
    for (int py = c.top(); py <= c.bottom(); ++py) {
        const uchar* m = mask.constScanLine(py - y);
        Pixel32* line = s.row(py);
        int first = INT_MAX, last = INT_MIN;
        for (int px = c.left(); px <= c.right(); ++px) {
            if (m[px - x]) {
                line[px] = ink;
                first = std::min(first, px);
                last = px;
            }
        }
        if (first <= last)
            s.mark(first, py, last, py);
    }
}

int TCanvas::TextWidth(const QString& text) const
{
    return fonts::textWidth(fonts::resolve(Font), text);
}

int TCanvas::TextHeight(const QString&) const
{
    return fonts::resolve(Font).cellHeight;
}

namespace {

// A picture scaled to a device size, smoothly (a photograph) or not (a mask, which keeps its
// hard edge). Animations show the same few frames again and again, so the last scaled versions
// are kept: a picture's cache key changes whenever its pixels do.
QImage scaledPicture(const QImage& picture, QSize size, bool smooth)
{
    struct Entry {
        qint64 key;
        QSize size;
        bool smooth;
        QImage scaled;
    };
    static std::list<Entry> cache;
    constexpr std::size_t kKept = 24;
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->key == picture.cacheKey() && it->size == size && it->smooth == smooth) {
            cache.splice(cache.begin(), cache, it);
            return it->scaled;
        }
    }
    QImage scaled
        = picture.scaled(size, Qt::IgnoreAspectRatio, smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
    if (smooth)
        scaled = scaled.convertToFormat(QImage::Format_RGB32);
    cache.push_front({ picture.cacheKey(), size, smooth, scaled });
    if (cache.size() > kKept)
        cache.pop_back();
    return scaled;
}

} // namespace

void TCanvas::CopyPicture(int x, int y, const QImage& picture, const QImage* mask)
{
    Surface s;
    if (!open(s) || picture.isNull())
        return;
    if (s.device()) {
        // The picture scaled smoothly onto the blocks of the pixels it covers; the mask keeps
        // its hard edge.
        const QRect d = deviceRect(QRect(x + s.ox, y + s.oy, picture.width(), picture.height()), s.ratio);
        const QImage src = scaledPicture(picture, d.size(), true);
        const QImage m = mask ? scaledPicture(*mask, d.size(), false) : QImage();
        const QRect c = d.intersected(s.devClip);
        for (int py = c.top(); py <= c.bottom(); ++py) {
            const auto* row = reinterpret_cast<const Pixel32*>(src.constScanLine(py - d.top()));
            const uchar* mrow = mask ? m.constScanLine(py - d.top()) : nullptr;
            for (int px = c.left(); px <= c.right(); ++px)
                if (!mrow || mrow[px - d.left()])
                    s.dput(px, py, row[px - d.left()] | 0xFF000000u, pmCopy);
        }
        return;
    }
    const QImage src
        = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const QRect c = QRect(x, y, src.width(), src.height()).intersected(s.clip);
    for (int py = c.top(); py <= c.bottom(); ++py) {
        const auto* row = reinterpret_cast<const Pixel32*>(src.constScanLine(py - y));
        if (!mask) {
            s.copyRow(py, c.left(), c.right(), row + (c.left() - x));
            continue;
        }
        const uchar* m = mask->constScanLine(py - y);
        for (int px = c.left(); px <= c.right(); ++px)
            if (m[px - x])
                s.put(px, py, row[px - x] | 0xFF000000u, pmCopy);
    }
}

void TCanvas::copyDevicePicture(int x, int y, QSize size, const QImage& device)
{
    Surface s;
    if (!open(s) || device.isNull() || size.isEmpty())
        return;
    const QRect logical(QPoint(x, y), size);
    // The device pixels the rectangle's blocks hold, in the image, and the part the clip lets
    // through.
    const QRect d = s.device() ? deviceRect(logical.translated(s.ox, s.oy), s.ratio) : logical.translated(s.ox, s.oy);
    const QRect c = d.intersected(s.device() ? s.devClip : s.clip.translated(s.ox, s.oy));
    if (c.isEmpty())
        return;
    QImage src = device.size() == d.size() ? device : scaledPicture(device, d.size(), true);
    if (src.format() != QImage::Format_RGB32 && src.format() != QImage::Format_ARGB32)
        src = src.convertToFormat(QImage::Format_RGB32);
    // Whole rows: the picture's pixels are the surface's.
    for (int py = c.top(); py <= c.bottom(); ++py) {
        const auto* from = reinterpret_cast<const Pixel32*>(src.constScanLine(py - d.top())) + (c.left() - d.left());
        auto* to = reinterpret_cast<Pixel32*>(s.image->scanLine(py)) + c.left();
        for (int px = 0; px < c.width(); ++px)
            to[px] = from[px] | 0xFF000000u;
    }
    if (s.device()) {
        s.dx0 = std::min(s.dx0, c.left());
        s.dx1 = std::max(s.dx1, c.right());
        s.dy0 = std::min(s.dy0, c.top());
        s.dy1 = std::max(s.dy1, c.bottom());
    } else {
        s.touched |= c.translated(-s.ox, -s.oy);
    }
}

void TCanvas::fillRect(const QRect& r, TColor color)
{
    Surface s;
    if (open(s))
        s.fill(r, toPixel(color), pmCopy);
}

TColor TCanvas::Pixel(int x, int y) const
{
    Surface s;
    if (!open(s, false) || !s.inside(x, y))
        return -1;
    return fromPixel(s.get(x, y));
}

namespace {

void apply(TCanvas::Surface& s, const Coverage& cov, const TPen& pen, const TBrush& brush)
{
    const Pixel32 penColor = toPixel(pen.Color());
    const Pixel32 brushColor = toPixel(brush.Color());
    const bool gaps = brush.Style() == bsSolid;
    // What each coverage value writes, or nothing.
    const Pixel32 colorOf[4] = { 0, brushColor, penColor, brushColor };
    const bool writes[4] = { false, true, true, gaps };
    const bool notXor = pen.Mode() == pmNotXor;
    const QRect b = cov.box().intersected(s.clip);
    for (int y = b.top(); y <= b.bottom(); ++y) {
        const int from = std::max(b.left(), cov.rowFirst(y)), to = std::min(b.right(), cov.rowLast(y));
        if (from > to)
            continue;
        const std::uint8_t* cells = cov.row(y) - cov.box().left();
        Pixel32* line = s.row(y);
        int first = INT_MAX, last = INT_MIN;
        for (int x = from; x <= to; ++x) {
            const std::uint8_t v = cells[x];
            if (!writes[v])
                continue;
            line[x] = notXor ? penPixel(colorOf[v], line[x], pmNotXor) : colorOf[v];
            first = std::min(first, x);
            last = x;
        }
        if (first <= last)
            s.mark(first, y, last, y);
    }
}

} // namespace

} // namespace wb
