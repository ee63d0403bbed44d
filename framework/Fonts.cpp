#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QResource>
#include <cassert>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <map>
#include <tuple>

static void initFontResources()
{
    // The font resources live in this static library; make sure they are registered.
    Q_INIT_RESOURCE(wbfonts);
}

namespace wb {

void TFont::SetName(const QString& name)
{
    if (m_name == name)
        return;
    m_name = name;
    changed();
}

void TFont::SetHeight(int height)
{
    if (m_height == height)
        return;
    m_height = height;
    changed();
}

void TFont::SetColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    changed();
}

void TFont::SetBold(bool bold)
{
    if (m_bold == bold)
        return;
    m_bold = bold;
    changed();
}

void TFont::Assign(const TFont& other)
{
    if (sameAs(other))
        return;
    m_name = other.m_name;
    m_height = other.m_height;
    m_color = other.m_color;
    m_bold = other.m_bold;
    changed();
}

void TFont::changed()
{
    if (m_onChange)
        m_onChange();
}

namespace fonts {

namespace {

enum class Face { Sans, Serif, Symbol };

struct FaceFile {
    const char* resource;
    const char* family;
    bool bold;
};

// clang-format off
constexpr FaceFile kFaceFiles[] = {
    {":/wbfonts/LiberationSansNarrow-Regular.ttf", "Liberation Sans Narrow", false},
    {":/wbfonts/LiberationSansNarrow-Bold.ttf", "Liberation Sans Narrow", true},
    {":/wbfonts/LiberationSerif-Regular.ttf", "Liberation Serif", false},
    {":/wbfonts/LiberationSerif-Bold.ttf", "Liberation Serif", true},
};
// clang-format on

struct FaceMetrics {
    double ascent = 0.9; // per pixel of character height
    double descent = 0.2;
};

bool g_loaded = false;
FaceMetrics g_sansMetrics;
FaceMetrics g_serifMetrics;

FaceMetrics metricsOf(const QByteArray& data)
{
    // Ascent and descent relative to the em size, read at a large size so that hinting
    // does not disturb the ratio.
    QRawFont raw(data, 1000, QFont::PreferNoHinting);
    FaceMetrics m;
    if (raw.isValid()) {
        m.ascent = raw.ascent() / 1000.0;
        m.descent = raw.descent() / 1000.0;
    }
    return m;
}

Face faceOf(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("symbol"))
        return Face::Symbol;
    if (n.startsWith(QLatin1String("times")))
        return Face::Serif;
    return Face::Sans;
}

using Key = std::tuple<int, int, bool>; // face, height, bold

struct MaskKey {
    const ResolvedFont* font;
    QString text;
    qreal ratio = 1.0;
    bool operator==(const MaskKey& o) const { return font == o.font && text == o.text && ratio == o.ratio; }
};

size_t qHash(const MaskKey& k, size_t seed = 0)
{
    return ::qHash(k.text, seed) ^ ::qHash(quintptr(k.font), seed) ^ ::qHash(k.ratio, seed);
}

QHash<MaskKey, QImage>& maskCache()
{
    static QHash<MaskKey, QImage> cache;
    return cache;
}

// The usual layout of a symbol font: Latin keys give Greek letters. The three letters the
// embedded serif face lacks (U+03D1, U+03D5, U+03D6) take their common variants.
QChar symbolFor(QChar c)
{
    static const char16_t upper[26] = { u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'Θ', u'Κ', u'Λ', u'Μ',
        u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ' };
    static const char16_t lower[26] = { u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'φ', u'κ', u'λ', u'μ',
        u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'π', u'ω', u'ξ', u'ψ', u'ζ' };
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return QChar(upper[u - u'A']);
    if (u >= u'a' && u <= u'z')
        return QChar(lower[u - u'a']);
    return c;
}

// Qt finds and sets up its fonts through fontconfig. The program draws only with the faces built
// into it, never merged with others, so fontconfig gets a configuration of its own that holds just
// these faces: the system's configuration files and its list of installed fonts are neither
// parsed nor matched against at start-up (most of the cost of the first text), and an installed
// face of the same family name can never stand in for a built-in one.
void useOwnFontConfiguration()
{
    FcConfig* own = FcConfigCreate();
    if (!own)
        return;
    FcConfigSetCurrent(own);
    // The current configuration keeps a reference of its own.
    FcConfigDestroy(own);
}

} // namespace

void ensureLoaded()
{
    if (g_loaded)
        return;
    initFontResources();
    useOwnFontConfiguration();
    for (const auto& f : kFaceFiles) {
        // The faces are embedded uncompressed: Qt reads them where they lie, without a copy.
        const QResource resource(QString::fromLatin1(f.resource));
        assert(resource.isValid() && "embedded font missing");
        const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size()))
            : resource.uncompressedData();
        QFontDatabase::addApplicationFontFromData(data);
        if (!f.bold) {
            if (QLatin1String(f.family) == QLatin1String("Liberation Sans Narrow"))
                g_sansMetrics = metricsOf(data);
            else
                g_serifMetrics = metricsOf(data);
        }
    }
    g_loaded = true;
}

QString familyFor(const QString& faceName)
{
    return faceOf(faceName) == Face::Sans ? QStringLiteral("Liberation Sans Narrow")
                                          : QStringLiteral("Liberation Serif");
}

int sansCellHeight(int requestedCell)
{
    int cell = kSansCellHeights[0];
    for (const int size : kSansCellHeights)
        if (size <= requestedCell)
            cell = size;
    const int largest = std::end(kSansCellHeights)[-1];
    return requestedCell > largest ? requestedCell : cell;
}

int scaledCellHeight(int requestedCell)
{
    return std::max(kMinCellHeight, requestedCell);
}

namespace {
TextObserver g_textObserver;
}

void setTextObserver(TextObserver observer)
{
    g_textObserver = std::move(observer);
}

const TextObserver& textObserver()
{
    return g_textObserver;
}

const ResolvedFont& resolve(const QString& name, int height, bool bold)
{
    ensureLoaded();
    static std::map<Key, ResolvedFont> cache;
    const Face face = faceOf(name);
    const Key key { int(face), height, bold };
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;

    const FaceMetrics& m = face == Face::Sans ? g_sansMetrics : g_serifMetrics;
    const double cellPerEm = m.ascent + m.descent;
    // The requested cell: a positive height is the cell, a negative one the character height
    // (the em), 0 the form font's default.
    const int requestedCell = height > 0 ? height : Round((height < 0 ? -height : 11) * cellPerEm);
    ResolvedFont rf;
    rf.requestedHeight = height;
    rf.cellHeight = face == Face::Sans ? sansCellHeight(requestedCell) : scaledCellHeight(requestedCell);
    const int em = std::max(1, Round(rf.cellHeight / cellPerEm));
    rf.ascent = Round(rf.cellHeight * m.ascent / cellPerEm);
    rf.symbol = face == Face::Symbol;
    QFont qf(familyFor(name));
    qf.setPixelSize(std::max(1, em));
    qf.setBold(bold);
    qf.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    // Full hinting keeps the small regular letters whole; on the bold face it thins the stems
    // to one pixel below 14 px, and the text no longer looks bold. Vertical hinting keeps them.
    qf.setHintingPreference(bold ? QFont::PreferVerticalHinting : QFont::PreferFullHinting);
    qf.setKerning(false);
    rf.qfont = qf;
    return cache.emplace(key, rf).first->second;
}

QFont qfontFor(const TFont& f)
{
    return resolve(f).qfont;
}

QFont qfontFor(const TFont& f, double zoom)
{
    QFont q = resolve(f).qfont;
    if (zoom != 1.0)
        q.setPixelSize(std::max(1, Round(q.pixelSize() * zoom)));
    return q;
}

QString mapText(const ResolvedFont& rf, const QString& text)
{
    if (!rf.symbol)
        return text;
    QString out = text;
    for (auto& ch : out)
        ch = symbolFor(ch);
    return out;
}

int textWidth(const ResolvedFont& rf, const QString& text)
{
    if (text.isEmpty())
        return 0;
    // Labels and paints ask for the same few texts again and again; shaping them once is enough.
    static QHash<MaskKey, int> widths;
    const MaskKey key { &rf, text };
    if (const auto it = widths.constFind(key); it != widths.constEnd())
        return *it;
    static QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QFontMetrics fm(rf.qfont, &device);
    const int width = fm.horizontalAdvance(mapText(rf, text));
    if (widths.size() > 8192)
        widths.clear();
    widths.insert(key, width);
    return width;
}

namespace {

// Draws a text's glyphs into a cleared mask of the cell's size (255 where ink, 0 elsewhere),
// its baseline `ascent` below the top. Glyphs may reach outside the cell (descenders of big
// faces, italics): they are drawn on a larger canvas and the cell is cut out, as the cell clips
// them.
void drawGlyphs(QImage& mask, const QFont& font, int ascent, const QString& mapped)
{
    const int w = mask.width(), h = mask.height();
    QImage canvas(w + 2 * h, 3 * h, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QPoint(h, h + ascent), mapped);
    }
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(canvas.constScanLine(y + h)) + h;
        uchar* dst = mask.scanLine(y);
        for (int x = 0; x < w; ++x)
            dst[x] = qAlpha(src[x]) >= 128 ? 255 : 0;
    }
}

} // namespace

QImage glyphMask(const ResolvedFont& rf, const QString& text)
{
    auto& cache = maskCache();
    const MaskKey key { &rf, text };
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;

    const int w = textWidth(rf, text);
    const int h = rf.cellHeight;
    QImage mask(std::max(w, 1), std::max(h, 1), QImage::Format_Grayscale8);
    mask.fill(0);
    if (w > 0 && h > 0)
        drawGlyphs(mask, rf.qfont, rf.ascent, mapText(rf, text));
    if (cache.size() > 4096)
        cache.clear();
    cache.insert(key, mask);
    return mask;
}

QImage glyphMask(const ResolvedFont& rf, const QString& text, qreal ratio)
{
    if (ratio == 1.0)
        return glyphMask(rf, text);
    auto& cache = maskCache();
    const MaskKey key { &rf, text, ratio };
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;

    const int logicalWidth = textWidth(rf, text);
    const int w = int(std::ceil(logicalWidth * ratio)) + 1;
    const int h = int(std::ceil(rf.cellHeight * ratio)) + 1;
    QImage mask(w, h, QImage::Format_Grayscale8);
    mask.fill(0);
    // The face at ratio times the size; where hinting makes a text wider than its cell's
    // blocks, a pixel smaller, so that no letter is cut at the cell's end.
    QFont big = rf.qfont;
    const int size = std::max(1, Round(rf.qfont.pixelSize() * ratio));
    static QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    for (int px = size; px >= std::max(1, size * 9 / 10); --px) {
        big.setPixelSize(px);
        if (QFontMetrics(big, &device).horizontalAdvance(mapText(rf, text)) <= logicalWidth * ratio)
            break;
    }
    drawGlyphs(mask, big, Round(rf.ascent * ratio), mapText(rf, text));
    if (cache.size() > 4096)
        cache.clear();
    cache.insert(key, mask);
    return mask;
}

} // namespace fonts
} // namespace wb
