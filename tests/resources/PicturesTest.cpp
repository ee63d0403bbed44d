// The built-in pictures: sizes and frame counts of the table, baseline JPEG, transparency only
// where the table puts it, the lever rule in the micrograph series, growth frame by frame.
#include "resources/Pictures.h"

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "tests/support/Harness.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <vector>

using namespace wb;
using namespace wb::pictures;
using wbtest::PixelCanvas;

namespace {

QString qkey(const PictureEntry& e)
{
    return QString::fromStdString(pictureKey(e));
}
QString qkey(const StripEntry& e)
{
    return QString::fromStdString(stripKey(e));
}

QImage frameOf(const StripEntry& e, int k)
{
    return strip(qkey(e)).copy(k * e.frameWidth, 0, e.frameWidth, e.frameHeight);
}

// The frame headers of a JPEG file, read from its markers up to the first scan.
struct JpegFrames {
    std::vector<int> sofMarkers; // 0xC0 baseline, 0xC1 extended, 0xC2 progressive, …
    int width = 0;
    int height = 0;
    int components = 0;
    bool wellFormed = false;
};

JpegFrames readFrames(const QByteArray& d)
{
    JpegFrames f;
    auto at = [&](qsizetype i) { return static_cast<int>(static_cast<unsigned char>(d[i])); };
    if (d.size() < 4 || at(0) != 0xFF || at(1) != 0xD8)
        return f;
    qsizetype pos = 2;
    while (pos + 4 <= d.size()) {
        if (at(pos) != 0xFF)
            return f;
        const int marker = at(pos + 1);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        const int length = (at(pos + 2) << 8) | at(pos + 3);
        const bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (sof && pos + 10 <= d.size()) {
            f.sofMarkers.push_back(marker);
            f.height = (at(pos + 5) << 8) | at(pos + 6);
            f.width = (at(pos + 7) << 8) | at(pos + 8);
            f.components = at(pos + 9);
        }
        if (marker == 0xDA) { // start of scan: every frame header comes before it
            f.wellFormed = true;
            return f;
        }
        pos += 2 + length;
    }
    return f;
}

// Share of the pixels darker than mid-grey after a 3 × 3 mean, which merges resolved lamellae
// into their colony's tone and drops the thin etched grain boundaries of the ferrite.
double darkShare(const QImage& img)
{
    const int w = img.width(), h = img.height();
    std::vector<int> grey(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            grey[static_cast<size_t>(y) * w + x] = qGray(img.pixel(x, y));
    int dark = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    sum += grey[static_cast<size_t>(std::clamp(y + dy, 0, h - 1)) * w + std::clamp(x + dx, 0, w - 1)];
            dark += sum < 128 * 9;
        }
    return static_cast<double>(dark) / (static_cast<double>(w) * h);
}

double shareOf(const QImage& frame, const std::function<bool(QRgb)>& phase)
{
    int n = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            n += phase(frame.pixel(x, y));
    return static_cast<double>(n) / (static_cast<double>(frame.width()) * frame.height());
}

// The colours of the schematics, as the frames draw them (edges are anti-aliased, so each test
// leaves some room).
bool isMelt(QRgb c)
{
    return qRed(c) >= 170 && qGreen(c) <= 90 && qBlue(c) <= 90;
}
bool isSolid(QRgb c)
{
    return !isMelt(c);
}
bool isRedAustenite(QRgb c)
{
    return qRed(c) >= 100 && qRed(c) >= 2 * qGreen(c) && qRed(c) >= 2 * qBlue(c);
}
// White ferrite, its anti-aliased edges counted by how much of the pixel they cover.
bool isLight(QRgb c)
{
    return qGray(c) >= 170;
}
bool isCementiteGrey(QRgb c)
{
    return std::abs(qRed(c) - qGreen(c)) <= 10 && std::abs(qGreen(c) - qBlue(c)) <= 10 && qRed(c) >= 100
        && qRed(c) <= 160;
}

// Fills a canvas with distinct colours, none of which a frame would draw by chance.
void fillPattern(PixelCanvas& pc)
{
    for (int y = 0; y < pc.image.height(); ++y)
        for (int x = 0; x < pc.image.width(); ++x)
            pc.image.setPixel(x, y, qRgb(x * 3 % 256, 7 + y * 3 % 240, 101));
}

} // namespace

TEST(Pictures, EveryPictureHasTheSizeOfTheTable)
{
    for (const PictureEntry& e : kPictureTable) {
        const QImage img = jpeg(qkey(e));
        ASSERT_FALSE(img.isNull()) << qkey(e).toStdString();
        EXPECT_EQ(img.size(), QSize(e.width, e.height)) << qkey(e).toStdString();
        EXPECT_EQ(img.format(), QImage::Format_RGB32) << qkey(e).toStdString();
    }
}

TEST(Pictures, EveryStripHasTheFrameSizeAndCountOfTheTable)
{
    for (const StripEntry& e : kStripTable) {
        const QImage img = strip(qkey(e));
        ASSERT_FALSE(img.isNull()) << qkey(e).toStdString();
        EXPECT_EQ(img.size(), QSize(e.frames * e.frameWidth, e.frameHeight)) << qkey(e).toStdString();
        EXPECT_EQ(img.format(), QImage::Format_ARGB32);
        // The image list the lessons use counts the same frames.
        TImageList list(
            nullptr, QString::fromUtf8(e.list.data(), static_cast<int>(e.list.size())), e.frameWidth, e.frameHeight);
        list.SetStripLoader(stripLoader(qkey(e)));
        EXPECT_EQ(list.Count(), e.frames) << qkey(e).toStdString();
    }
}

TEST(Pictures, UnknownKeysGiveNoPicture)
{
    EXPECT_TRUE(jpeg(QStringLiteral("FormMenue.ImageNichts")).isNull());
    EXPECT_TRUE(strip(QStringLiteral("FormZuTyp1.ImageListNichts")).isNull());
    // A picture's key is not a strip's and the other way round.
    EXPECT_TRUE(strip(QStringLiteral("FormMenue.ImageHinter")).isNull());
    EXPECT_TRUE(jpeg(QStringLiteral("FormZuTyp1.ImageListMkBildung")).isNull());
}

TEST(Pictures, EmbeddedJpegsAreBaselineWithTheSeriesInGrey)
{
    for (const PictureEntry& e : kPictureTable) {
        const JpegFrames f = readFrames(jpegData(qkey(e)));
        ASSERT_TRUE(f.wellFormed) << qkey(e).toStdString();
        // One frame header, and it is SOF0: baseline sequential, not progressive.
        ASSERT_EQ(f.sofMarkers, std::vector<int> { 0xC0 }) << qkey(e).toStdString();
        EXPECT_EQ(f.width, e.width);
        EXPECT_EQ(f.height, e.height);
        EXPECT_EQ(f.components, e.grey ? 1 : 3) << qkey(e).toStdString();
    }
}

TEST(Pictures, DecodedOnceAndThenShared)
{
    const QImage a = jpeg(QStringLiteral("FormLMC45.ImageNormal"));
    const QImage b = jpeg(QStringLiteral("FormLMC45.ImageNormal"));
    EXPECT_EQ(a.cacheKey(), b.cacheKey()); // the same pixels, not a second decode
    const QImage s = strip(QStringLiteral("FormHaerten.ImageListGef"));
    EXPECT_EQ(s.cacheKey(), strip(QStringLiteral("FormHaerten.ImageListGef")).cacheKey());
}

TEST(Pictures, GreyPicturesDecodeToGreyAndColourOnesToColour)
{
    for (const PictureEntry& e : kPictureTable) {
        const QImage img = jpeg(qkey(e));
        int coloured = 0;
        for (int y = 0; y < img.height(); y += 7)
            for (int x = 0; x < img.width(); x += 7) {
                const QRgb c = img.pixel(x, y);
                coloured += qRed(c) != qGreen(c) || qGreen(c) != qBlue(c);
            }
        if (e.grey)
            EXPECT_EQ(coloured, 0) << qkey(e).toStdString();
        else
            EXPECT_GT(coloured, 0) << qkey(e).toStdString(); // the brownish etch colours
    }
}

TEST(Pictures, OnlyTheAlphaGrainsOfTheAlphaToBetaFramesAreTransparent)
{
    for (const StripEntry& e : kStripTable)
        for (int k = 0; k < e.frames; ++k) {
            const QImage f = frameOf(e, k);
            int clear = 0, other = 0;
            for (int y = 0; y < f.height(); ++y)
                for (int x = 0; x < f.width(); ++x) {
                    const int a = qAlpha(f.pixel(x, y));
                    clear += a == 0;
                    other += a != 0 && a != 255;
                }
            EXPECT_EQ(other, 0) << qkey(e).toStdString() << " frame " << k; // fully opaque or fully clear
            if (k < e.transparentFrames) {
                // Globular grains: a good part of the frame, but not all of it.
                const double share = static_cast<double>(clear) / (f.width() * f.height());
                EXPECT_GT(share, 0.10) << qkey(e).toStdString() << " frame " << k;
                EXPECT_LT(share, 0.60) << qkey(e).toStdString() << " frame " << k;
            } else {
                EXPECT_EQ(clear, 0) << qkey(e).toStdString() << " frame " << k;
            }
        }
}

TEST(Pictures, TransparentGrainsLeaveTheCanvasUntouched)
{
    const StripEntry& e = *findStrip("FormZuTyp4.ImageListAinB");
    TImageList list(nullptr, QStringLiteral("ImageListAinB"), e.frameWidth, e.frameHeight);
    list.SetStripLoader(stripLoader(qkey(e)));
    for (int k = 0; k < e.frames; ++k) {
        PixelCanvas pc(e.frameWidth + 4, e.frameHeight + 4);
        fillPattern(pc);
        const QImage before = pc.image.copy();
        list.Draw(pc.canvas, 2, 2, k);
        const QImage f = frameOf(e, k);
        int untouched = 0;
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x) {
                const QRgb src = f.pixel(x, y);
                const QRgb got = pc.image.pixel(x + 2, y + 2) | 0xFF000000u;
                if (qAlpha(src) == 0) {
                    ASSERT_EQ(got, before.pixel(x + 2, y + 2) | 0xFF000000u)
                        << "frame " << k << " at " << x << ", " << y;
                    ++untouched;
                } else {
                    ASSERT_EQ(got, src | 0xFF000000u) << "frame " << k << " at " << x << ", " << y;
                }
            }
        EXPECT_EQ(untouched > 0, k < e.transparentFrames) << "frame " << k;
        // Nothing outside the frame.
        EXPECT_EQ(pc.image.pixel(0, 0), before.pixel(0, 0));
        EXPECT_EQ(
            pc.image.pixel(e.frameWidth + 3, e.frameHeight + 3), before.pixel(e.frameWidth + 3, e.frameHeight + 3));
    }
}

TEST(Pictures, AFrameIndexOutsideTheListDrawsNothing)
{
    for (const StripEntry& e : kStripTable) {
        TImageList list(nullptr, QStringLiteral("List"), e.frameWidth, e.frameHeight);
        list.SetStripLoader(stripLoader(qkey(e)));
        for (const int index : { e.frames, e.frames + 1, e.frames + 100, -1 }) {
            PixelCanvas pc(e.frameWidth, e.frameHeight);
            fillPattern(pc);
            const QImage before = pc.image.copy();
            list.Draw(pc.canvas, 0, 0, index);
            EXPECT_EQ(pc.image, before) << qkey(e).toStdString() << " index " << index;
        }
        // The last frame itself does draw.
        PixelCanvas pc(e.frameWidth, e.frameHeight);
        fillPattern(pc);
        const QImage before = pc.image.copy();
        list.Draw(pc.canvas, 0, 0, e.frames - 1);
        EXPECT_NE(pc.image, before) << qkey(e).toStdString();
    }
}

TEST(Pictures, PearliteShareOfTheSeriesFollowsTheLeverRule)
{
    double previous = -1.0;
    for (int tenths = 1; tenths <= 8; ++tenths) {
        const QString key = QStringLiteral("FormBildC0%1.ImageBild").arg(tenths);
        const double share = darkShare(jpeg(key));
        // About C / 0.8 of the area is pearlite: 12.5 % at 0.1 % C … all of it at 0.8 % C.
        const double expected = tenths / 8.0;
        EXPECT_NEAR(share, expected, 0.05) << key.toStdString();
        EXPECT_GT(share, previous) << key.toStdString();
        previous = share;
    }
    // Pure iron: light ferrite grains only; dark are just the boundaries and a few inclusions.
    EXPECT_LT(darkShare(jpeg(QStringLiteral("FormBildFe.ImageBild"))), 0.01);
}

TEST(Pictures, GrowingPhaseGainsGroundFrameByFrame)
{
    struct Growth {
        const char* key;
        int first; // frames first … last grow
        int last;
        bool (*phase)(QRgb);
        double start; // share at `first` at most
        double end; // share at `last` at least
    };
    // clang-format off
    static const Growth cases[] = {
        // Solidification: whatever is not melt is solid, from all melt to all solid.
        { "FormZuTyp1.ImageListMkBildung",  0, 18, isSolid, 0.0, 0.99 },
        { "FormZuTyp2.ImageListUnter",      0, 20, isSolid, 0.0, 0.99 },
        { "FormZuTyp2.ImageListEu",         0,  1, isSolid, 0.0, 0.99 },
        { "FormZuTyp2.ImageListUeber",      0, 18, isSolid, 0.0, 0.99 },
        { "FormZuTyp3.ImageListL1",         0, 15, isSolid, 0.0, 0.99 },
        { "FormZuTyp3.ImageListL2",         0, 20, isSolid, 0.0, 0.99 },
        { "FormZuTyp3.ImageListL3",         0,  1, isSolid, 0.0, 0.99 },
        { "FormZuTyp3.ImageListL4",         0, 13, isSolid, 0.0, 0.99 },
        { "FormZuTyp4.ImageListL1",         0, 13, isSolid, 0.0, 0.99 },
        { "FormZuTyp4.ImageListL2",         0,  8, isSolid, 0.0, 0.99 },
        { "FormZuTyp4.ImageListL3",         0, 11, isSolid, 0.0, 0.99 },
        { "FormZuTyp4.ImageListAinB",       0,  9, isSolid, 0.5, 0.99 },
        { "FormEKD06.ImageListSchA",        0, 18, isSolid, 0.0, 0.99 },
        { "FormEKD12.ImageListSchA",        0, 19, isSolid, 0.0, 0.99 },
        { "FormEKD30.ImageListSchAuLede",   0, 15, isSolid, 0.03, 0.99 },
        // Austenite spreading through ferrite and pearlite on heating.
        { "FormNormal.ImageListGef",        0, 11, isRedAustenite, 0.0, 0.99 },
        { "FormHaerten.ImageListGef",       0, 11, isRedAustenite, 0.0, 0.99 },
        { "FormVergueten.ImageListGef",     0, 11, isRedAustenite, 0.0, 0.99 },
        { "FormZTAcon045.ImageListGef",     0,  2, isRedAustenite, 0.0, 0.99 },
        { "FormZTAcon07.ImageListGef",      0,  3, isRedAustenite, 0.0, 0.99 },
        { "FormZTAiso045.ImageListGef",     0,  3, isRedAustenite, 0.0, 0.99 },
        // Ferrite along the austenite grain boundaries: to the lever rule's 26 % at 0.6 % C,
        // and again on normalising.
        { "FormEKD06.ImageListAFerPer",     0,  6, isLight, 0.0, 0.20 },
        { "FormNormal.ImageListGef",       11, 18, isLight, 0.0, 0.20 },
        // α coming out along the grain boundaries of β as the solubility falls.
        { "FormZuTyp3.ImageListL4",        13, 21, isLight, 0.0, 0.10 },
        { "FormZuTyp4.ImageListL2",         8, 15, isLight, 0.0, 0.10 },
        // Secondary cementite thickening along the boundaries and round the primary crystals.
        { "FormEKD12.ImageListAZemPer",     0,  8, isCementiteGrey, 0.0, 0.05 },
        { "FormEKD30.ImageListLedePer",     0,  8, isCementiteGrey, 0.0, 0.05 },
    };
    // clang-format on
    for (const Growth& g : cases) {
        const StripEntry& e = *findStrip(g.key);
        std::vector<double> share;
        for (int k = g.first; k <= g.last; ++k)
            share.push_back(shareOf(frameOf(e, k), g.phase));
        EXPECT_LE(share.front(), g.start + 0.01) << g.key;
        EXPECT_GE(share.back(), g.end) << g.key;
        for (size_t k = 1; k < share.size(); ++k)
            EXPECT_GT(share[k], share[k - 1]) << g.key << " frame " << g.first + static_cast<int>(k);
    }
}

// Residual carbide: the near-neutral dark dots left in the austenite where pearlite was.
bool isCarbideDot(QRgb c)
{
    return qRed(c) <= 70 && std::abs(qRed(c) - qGreen(c)) <= 12 && std::abs(qGreen(c) - qBlue(c)) <= 12;
}

TEST(Pictures, TheSevenTenthsSteelHeatsThroughFerriteAusteniteAndResidualCarbide)
{
    // Frame 0 ferrite and pearlite; 1 ferrite, austenite and residual carbide; 2 austenite and
    // residual carbide; 3 austenite.
    const StripEntry& e = *findStrip("FormZTAcon07.ImageListGef");
    const double ferrite1 = shareOf(frameOf(e, 1), isLight);
    EXPECT_GT(ferrite1, 0.01) << "some ferrite is left in frame 1";
    EXPECT_LT(ferrite1, 0.10) << "the 0.7 % steel has little ferrite";
    EXPECT_GT(shareOf(frameOf(e, 1), isRedAustenite), 0.5);
    EXPECT_GT(shareOf(frameOf(e, 1), isCarbideDot), 0.01);
    EXPECT_LT(shareOf(frameOf(e, 2), isLight), 0.005) << "no ferrite in frame 2";
    EXPECT_GT(shareOf(frameOf(e, 2), isCarbideDot), 0.01);
    EXPECT_LT(shareOf(frameOf(e, 3), isCarbideDot), 0.002) << "the carbide has dissolved in frame 3";
}

TEST(Pictures, FerriteOfTheSixTenthsSteelMatchesTheLeverRule)
{
    // (0.8 − 0.6) / (0.8 − 0.02) ≈ 26 % ferrite once the pearlite forms.
    const StripEntry& e = *findStrip("FormEKD06.ImageListAFerPer");
    EXPECT_NEAR(shareOf(frameOf(e, 6), isLight), 0.26, 0.05);
}

TEST(Pictures, TemperingLightensTheMartensiteStepByStep)
{
    const StripEntry& e = *findStrip("FormVergueten.ImageListGef");
    auto mean = [](const QImage& f) {
        double sum = 0;
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x)
                sum += qGray(f.pixel(x, y));
        return sum / (f.width() * f.height());
    };
    double previous = mean(frameOf(e, 12)); // as quenched: dark needles on a light ground
    EXPECT_LT(previous, 200);
    for (int k = 13; k <= 19; ++k) {
        const double m = mean(frameOf(e, k));
        EXPECT_GT(m, previous) << "frame " << k;
        previous = m;
    }
    // Hardening ends on the same martensite as the first stage of quenching and tempering.
    EXPECT_EQ(frameOf(*findStrip("FormHaerten.ImageListGef"), 12), frameOf(e, 12));
}

TEST(Pictures, FramesThatContinueAStripStartWhereItEnded)
{
    // "0 austenite grains (as frame 18 above)": the lists of one lesson show the same grains.
    struct Pair {
        const char* from;
        int frame;
        const char* to;
    };
    for (const Pair& p : { Pair { "FormEKD06.ImageListSchA", 18, "FormEKD06.ImageListAFerPer" },
             Pair { "FormEKD12.ImageListSchA", 19, "FormEKD12.ImageListAZemPer" },
             Pair { "FormEKD30.ImageListSchAuLede", 15, "FormEKD30.ImageListLedePer" } })
        EXPECT_EQ(frameOf(*findStrip(p.from), p.frame), frameOf(*findStrip(p.to), 0)) << p.to;
}

TEST(Pictures, ExportWritesEveryPictureAndEveryFrame)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString dir = tmp.filePath(QStringLiteral("bilder"));
    QString error;
    ASSERT_TRUE(exportAll(dir, &error)) << error.toStdString();
    int expected = static_cast<int>(kPictureTable.size());
    for (const StripEntry& e : kStripTable)
        expected += e.frames;
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), expected);
    const QImage menu(QDir(dir).filePath(QStringLiteral("FormMenue.ImageHinter.png")));
    EXPECT_EQ(menu.size(), QSize(1200, 865));
    const QImage last(QDir(dir).filePath(QStringLiteral("FormZuTyp3.ImageListL2.29.png")));
    EXPECT_EQ(last.size(), QSize(80, 80));
    EXPECT_FALSE(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("FormZuTyp3.ImageListL2.30.png"))));
    // The transparency of the α grains survives the export.
    const QImage grains(QDir(dir).filePath(QStringLiteral("FormZuTyp4.ImageListAinB.0.png")));
    EXPECT_TRUE(grains.hasAlphaChannel());
}

TEST(Pictures, ExportReportsADirectoryItCannotCreate)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QFile blocker(tmp.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(exportAll(tmp.filePath(QStringLiteral("datei/unter")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Pictures, AComponentsPictureIsKeyedByItsFormAndItsName)
{
    TForm form(QStringLiteral("FormZuTyp1"));
    TImageList list(&form, QStringLiteral("ImageListMkBildung"), 100, 100);
    assignStrip(list);
    EXPECT_EQ(list.Count(), 19) << "the strip \"FormZuTyp1.ImageListMkBildung\"";

    TForm menu(QStringLiteral("FormMenue"));
    TImage image(&menu, QStringLiteral("ImageHinter"));
    assignJpeg(image);
    EXPECT_EQ(image.picture(), jpeg(QStringLiteral("FormMenue.ImageHinter")));
}

TEST(PicturesDeathTest, AMistypedKeyStopsTheProgramWhereTheLoaderIsMade)
{
    EXPECT_DEATH(jpegLoader(QStringLiteral("FormMenue.ImageHintr")), "no built-in picture \"FormMenue.ImageHintr\"");
    EXPECT_DEATH(stripLoader(QStringLiteral("FormZuTyp1.ImageListMk")), "no built-in frame strip");
    // Keyed from a component, a misspelt name fails the same way.
    EXPECT_DEATH(
        {
            TForm form(QStringLiteral("FormLMC45"));
            TImage image(&form, QStringLiteral("ImageHärt"));
            assignJpeg(image);
        },
        "no built-in picture \"FormLMC45.ImageH");
}
