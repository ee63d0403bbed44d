#include "Canvas.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

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
        if (const QRect r = changedRect(); target && !r.isEmpty())
            target->changed(r.translated(ox, oy));
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

    // The touched area: spans filled at once and single pixels put.
    QRect changedRect() const { return tx0 <= tx1 ? touched | QRect(QPoint(tx0, ty0), QPoint(tx1, ty1)) : touched; }

    bool inside(int x, int y) const { return x >= cx0 && x <= cx1 && y >= cy0 && y <= cy1; }

    // Row y in canvas coordinates: row(y)[x] is the pixel at (x, y).
    Pixel32* row(int y) const { return reinterpret_cast<Pixel32*>(bits + (y + oy) * stride) + ox; }

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
        Pixel32* px = row(y) + x;
        *px = penPixel(color, *px, mode);
        mark(x, y, x, y);
    }

    Pixel32 get(int x, int y) const { return row(y)[x]; }

    void fill(const QRect& r, Pixel32 color, TPenMode mode)
    {
        const QRect c = r.intersected(clip);
        if (c.isEmpty())
            return;
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
    s.clip = m_target->clip().intersected(s.image->rect()).translated(-o);
    if (s.clip.isEmpty())
        return false;
    // Reading leaves a shared picture shared; writing detaches it once, here.
    s.bits = forWriting ? s.image->bits() : const_cast<uchar*>(s.image->constBits());
    s.stride = s.image->bytesPerLine();
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

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = m_pos;
    m_pos = { x, y };
    Surface s;
    if (!open(s))
        return;
    const Pixel32 pen = toPixel(Pen.Color());
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
    Coverage cov(QRect(QPoint(x1 - reach, y1 - reach), QPoint(x2 - 1 + reach, y2 - 1 + reach)).intersected(s.clip));
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
        for (int px = b.left(); px <= b.right(); ++px) {
            if (w == 1) {
                if (!inside(px, py))
                    continue;
                const bool edge
                    = !inside(px - 1, py) || !inside(px + 1, py) || !inside(px, py - 1) || !inside(px, py + 1);
                if (edge)
                    cov.setPen(px, py);
                else if (Brush.Style() == bsSolid)
                    cov.set(px, py, Coverage::Fill);
            } else {
                // The pen band is centred on the outline through the outermost pixel centres.
                const bool outer = insideGrown(px, py, -0.5 + w / 2.0);
                const bool inner = insideGrown(px, py, -0.5 - w / 2.0);
                if (outer && !inner)
                    cov.setPen(px, py);
                else if (inner && Brush.Style() == bsSolid)
                    cov.set(px, py, Coverage::Fill);
            }
        }
    }
    apply(s, cov, Pen, Brush);
}

void TCanvas::Polygon(const TPoint* pts, int n)
{
    assert(n >= 3 && n <= 13 && "a polygon has 3 to 13 points");
    Surface s;
    if (!open(s))
        return;
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

void TCanvas::CopyPicture(int x, int y, const QImage& picture, const QImage* mask)
{
    Surface s;
    if (!open(s) || picture.isNull())
        return;
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
