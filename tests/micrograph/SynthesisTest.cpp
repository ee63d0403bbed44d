// The run-time micrograph: the same pixels for the same inputs, each constituent covering its
// share and looking like itself, small share changes changing little, ratio 2 the same picture
// at twice the resolution.
#include "micrograph/Synthesis.h"

#include <QColor>
#include <cmath>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace wb::micrograph;
using C = Constituent;

namespace {

// Not square, so that a width and a height mixed up would show.
constexpr int kWidth = 200;
constexpr int kHeight = 160;

Micrograph draw(
    Synthesis& s, std::vector<Part> parts, double ratio = 1.0, std::uint64_t seed = 7, int w = kWidth, int h = kHeight)
{
    return s.render(Request { w, h, ratio, seed, std::move(parts) });
}

std::string describe(const std::vector<Part>& parts)
{
    std::string text;
    for (const Part& p : parts)
        text += std::string(constituentName(p.constituent)) + " " + std::to_string(p.share) + "  ";
    return text;
}

// FNV-1a over the picture's pixels, row by row.
std::uint64_t pixelHash(const QImage& image)
{
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int i = 0; i < image.width() * 4; ++i) {
            h ^= row[i];
            h *= 0x100000001B3ull;
        }
    }
    return h;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// How much a picture changed: where a pixel now belongs to another constituent; how far the
// colours moved on average (per channel, 0 … 255); where a pixel changed strongly (by more than
// 150 over the three channels, as from dark pearlite to white cementite).
struct Change {
    double owners = 0;
    double mean = 0;
    double strong = 0;
};

Change changeBetween(const Micrograph& a, const Micrograph& b)
{
    Change c;
    const auto n = static_cast<double>(a.owner.size());
    for (std::size_t i = 0; i < a.owner.size(); ++i)
        c.owners += a.owner[i] != b.owner[i];
    for (int y = 0; y < a.image.height(); ++y)
        for (int x = 0; x < a.image.width(); ++x) {
            const int d = colourDistance(a.image.pixel(x, y), b.image.pixel(x, y));
            c.mean += d;
            c.strong += d > 150;
        }
    return { c.owners / n, c.mean / n / 3.0, c.strong / n };
}

// The most pixels that may change owner when the shares change from `a` to `b`: each boundary
// between the regions moves by at most half the shares' total change, and there is one boundary
// fewer than constituents.
double ownerBound(const std::vector<Part>& a, const std::vector<Part>& b)
{
    std::vector<double> delta(kConstituentCount, 0.0);
    for (const Part& p : a)
        delta[static_cast<int>(p.constituent)] -= p.share;
    for (const Part& p : b)
        delta[static_cast<int>(p.constituent)] += p.share;
    double total = 0;
    int present = 0;
    for (int k = 0; k < kConstituentCount; ++k) {
        total += std::abs(delta[k]);
        bool in = false;
        for (const auto* parts : { &a, &b })
            for (const Part& p : *parts)
                in = in || (static_cast<int>(p.constituent) == k && p.share > 0);
        present += in;
    }
    return (present - 1) * total / 2.0 + 0.002;
}

// Mixes the three explorers ask for.
// clang-format off
const std::vector<std::vector<Part>> kMixes {
    { { C::Melt, 1.0 } },
    { { C::PrimaryA, 0.3 }, { C::Melt, 0.7 } },
    { { C::PrimaryA, 0.5 }, { C::EutecticAB, 0.5 } },
    { { C::PrimaryB, 0.25 }, { C::EutecticAB, 0.35 }, { C::Melt, 0.4 } },
    { { C::PrimaryAlpha, 0.6 }, { C::EutecticAlphaBeta, 0.4 } },
    { { C::PrimaryBeta, 0.2 }, { C::EutecticAlphaBeta, 0.8 } },
    { { C::PrimaryAlpha, 0.35 }, { C::PeritecticBeta, 0.3 }, { C::Melt, 0.35 } },
    { { C::SolidSolution, 0.7 }, { C::Melt, 0.3 } },
    { { C::Austenite, 0.5 }, { C::Melt, 0.5 } },
    { { C::DeltaFerrite, 0.5 }, { C::Austenite, 0.2 }, { C::Melt, 0.3 } },
    { { C::Ferrite, 0.45 }, { C::Pearlite, 0.55 } },
    { { C::Ferrite, 0.2 }, { C::Austenite, 0.8 } },
    { { C::Pearlite, 0.93 }, { C::SecondaryCementite, 0.07 } },
    { { C::Ferrite, 0.97 }, { C::TertiaryCementite, 0.03 } },
    { { C::Pearlite, 0.5 }, { C::SecondaryCementite, 0.08 }, { C::TransformedLedeburite, 0.42 } },
    { { C::Austenite, 0.58 }, { C::Ledeburite, 0.42 } },
    { { C::PrimaryCementite, 0.2 }, { C::TransformedLedeburite, 0.8 } },
    { { C::PrimaryCementite, 0.15 }, { C::Melt, 0.85 } },
    { { C::Graphite, 0.1 }, { C::Ferrite, 0.4 }, { C::Pearlite, 0.5 } },
    { { C::Ferrite, 0.2 }, { C::Pearlite, 0.3 }, { C::Bainite, 0.2 }, { C::Martensite, 0.25 }, { C::RetainedAustenite, 0.05 } },
    { { C::Martensite, 0.9 }, { C::RetainedAustenite, 0.1 } },
};
// clang-format on

} // namespace

TEST(MicrographSynthesis, SameInputsGiveTheSamePixels)
{
    const std::vector<Part> melt { { C::PrimaryAlpha, 0.35 }, { C::PeritecticBeta, 0.3 }, { C::Melt, 0.35 } };
    const std::vector<Part> solid { { C::Ferrite, 0.2 }, { C::Pearlite, 0.3 }, { C::Bainite, 0.2 },
        { C::Martensite, 0.25 }, { C::RetainedAustenite, 0.05 } };
    Synthesis first;
    const Micrograph a = draw(first, melt);
    const Micrograph b = draw(first, solid);

    // Another synthesis that has made other textures first, and other scenes than it keeps, so
    // that both pictures are made again from nothing: each part of a scene comes from its own
    // random stream, so the order in which they are made does not matter.
    Synthesis second;
    draw(second, { { C::Pearlite, 0.6 }, { C::Ferrite, 0.4 } });
    draw(second, { { C::Martensite, 1.0 } });
    for (std::uint64_t seed = 100; seed < 106; ++seed)
        draw(second, { { C::Ledeburite, 1.0 } }, 1.0, seed);
    const Micrograph b2 = draw(second, solid);
    const Micrograph a2 = draw(second, melt);
    EXPECT_EQ(a.image, a2.image);
    EXPECT_EQ(a.owner, a2.owner);
    EXPECT_EQ(b.image, b2.image);
    EXPECT_EQ(b.owner, b2.owner);
    // And again after giving up everything kept.
    second.clear();
    EXPECT_EQ(draw(second, melt).image, a.image);

    // The pixels themselves, pinned: the synthesis computes with +, −, ×, ÷ and square roots in
    // a fixed order, so every machine gets these. A change of the look changes them on purpose;
    // then take the new values from the failure message.
    EXPECT_EQ(pixelHash(a.image), 0x2352ad2b8642822dull) << std::hex << pixelHash(a.image);
    EXPECT_EQ(pixelHash(b.image), 0x5f49c784860e7ee2ull) << std::hex << pixelHash(b.image);

    // A different seed is an unrelated picture: what the next tests' "small change" is measured
    // against.
    const Change other = changeBetween(a, draw(first, melt, 1.0, 8));
    EXPECT_GT(other.mean, 30.0);
    EXPECT_GT(other.strong, 0.3);
}

TEST(MicrographSynthesis, EachConstituentCoversItsShare)
{
    Synthesis s;
    for (const double ratio : { 1.0, 2.0, 1.5 })
        for (const auto& mix : kMixes) {
            SCOPED_TRACE(describe(mix) + " at ratio " + std::to_string(ratio));
            const Micrograph m = draw(s, mix, ratio);
            // Cumulative shares rounded to whole pixels: each share within a pixel of exact.
            const double pixel = 1.0 / static_cast<double>(m.owner.size());
            double covered = 0.0;
            for (const Part& p : mix) {
                EXPECT_NEAR(m.areaShare(p.constituent), p.share, 2.0 * pixel) << constituentName(p.constituent);
                covered += m.areaShare(p.constituent);
            }
            EXPECT_DOUBLE_EQ(covered, 1.0);
        }
}

TEST(MicrographSynthesis, SharesAreTakenRelativeToTheirSum)
{
    Synthesis s;
    // As whole percent that do not add up, a negative share left out.
    const Micrograph m = draw(s, { { C::Ferrite, 30 }, { C::Pearlite, 90 }, { C::Martensite, -5 } });
    EXPECT_NEAR(m.areaShare(C::Ferrite), 0.25, 1e-4);
    EXPECT_NEAR(m.areaShare(C::Pearlite), 0.75, 1e-4);
    EXPECT_EQ(m.areaShare(C::Martensite), 0.0);
    // Retained austenite without martensite takes its own place.
    const Micrograph r = draw(s, { { C::Bainite, 0.9 }, { C::RetainedAustenite, 0.1 } });
    EXPECT_NEAR(r.areaShare(C::RetainedAustenite), 0.1, 1e-4);
    // A constituent with a tiny share still gets its pixels.
    const Micrograph t = draw(s, { { C::Pearlite, 0.999 }, { C::SecondaryCementite, 0.001 } });
    EXPECT_NEAR(t.areaShare(C::SecondaryCementite), 0.001, 1e-4);
}

TEST(MicrographSynthesis, NothingToDrawGivesANullPicture)
{
    Synthesis s;
    EXPECT_TRUE(draw(s, {}).image.isNull());
    EXPECT_TRUE(draw(s, { { C::Melt, 0.0 } }).image.isNull());
    EXPECT_TRUE(draw(s, { { C::Melt, 1.0 } }, 1.0, 7, 0, 100).image.isNull());
    EXPECT_TRUE(draw(s, { { C::Melt, 1.0 } }, 0.0).image.isNull());
    const Micrograph m = draw(s, {});
    EXPECT_TRUE(m.owner.empty());
}

TEST(MicrographSynthesis, EachConstituentLooksLikeItself)
{
    // The tones of an etched section: ferrite light, pearlite dark, cementite white, martensite
    // and bainite between; the melt red as in the lessons, graphite grey.
    Synthesis s;
    struct Look {
        double luma = 0;
        double red = 0; // red above the mean of green and blue
        double tint = 0; // blue above red: positive only for a grey
        int n = 0;
    };
    auto looks = [&](const std::vector<Part>& mix) {
        const Micrograph m = draw(s, mix);
        std::vector<Look> out(kConstituentCount);
        for (int y = 0; y < m.image.height(); ++y)
            for (int x = 0; x < m.image.width(); ++x) {
                const QRgb c = m.image.pixel(x, y);
                Look& l = out[static_cast<int>(m.at(x, y))];
                l.luma += 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
                l.red += qRed(c) - 0.5 * (qGreen(c) + qBlue(c));
                l.tint += qBlue(c) - qRed(c);
                ++l.n;
            }
        for (Look& l : out)
            if (l.n > 0) {
                l.luma /= l.n;
                l.red /= l.n;
                l.tint /= l.n;
            }
        return out;
    };
    auto of = [](const std::vector<Look>& l, C c) { return l[static_cast<int>(c)]; };

    const auto steel = looks({ { C::Ferrite, 0.4 }, { C::Pearlite, 0.5 }, { C::SecondaryCementite, 0.1 } });
    EXPECT_GT(of(steel, C::Ferrite).luma, 160);
    EXPECT_LT(of(steel, C::Pearlite).luma, 110);
    EXPECT_GT(of(steel, C::SecondaryCementite).luma, of(steel, C::Ferrite).luma);

    const auto hardened
        = looks({ { C::Ferrite, 0.25 }, { C::Bainite, 0.25 }, { C::Martensite, 0.4 }, { C::RetainedAustenite, 0.1 } });
    EXPECT_GT(of(hardened, C::Ferrite).luma, of(hardened, C::Martensite).luma + 40);
    EXPECT_GT(of(hardened, C::Martensite).luma, of(hardened, C::Bainite).luma + 20);
    EXPECT_GT(of(hardened, C::RetainedAustenite).luma, of(hardened, C::Martensite).luma + 40);

    const auto cooling = looks({ { C::Austenite, 0.4 }, { C::Ferrite, 0.2 }, { C::Graphite, 0.1 }, { C::Melt, 0.3 } });
    EXPECT_GT(of(cooling, C::Melt).red, 120);
    EXPECT_LT(of(cooling, C::Austenite).red, 60);
    EXPECT_GT(of(cooling, C::Ferrite).luma, of(cooling, C::Austenite).luma + 25);
    EXPECT_LT(of(cooling, C::Graphite).luma, 90);
    EXPECT_GT(of(cooling, C::Graphite).tint, 0);

    // Every melt pixel is red and no other is.
    const Micrograph m = draw(s, { { C::PrimaryAlpha, 0.3 }, { C::PeritecticBeta, 0.2 }, { C::Melt, 0.5 } });
    int wrong = 0;
    for (int y = 0; y < m.image.height(); ++y)
        for (int x = 0; x < m.image.width(); ++x) {
            const QRgb c = m.image.pixel(x, y);
            const bool red = qRed(c) > 2 * qGreen(c) + 30;
            wrong += red != (m.at(x, y) == C::Melt);
        }
    EXPECT_EQ(wrong, 0);
}

TEST(MicrographSynthesis, ASmallShareChangeChangesASmallPartOfThePicture)
{
    // One share moved by a percent: the owners change only at the edges of the regions, within
    // the bound; the colours there and, by a shade, along the etched interfaces that move by a
    // fraction of a pixel. An unrelated picture changes by ten times as much (see above).
    struct Step {
        std::vector<Part> from, to;
    };
    // clang-format off
    const std::vector<Step> steps {
        { { { C::PrimaryA, 0.30 }, { C::Melt, 0.70 } }, { { C::PrimaryA, 0.31 }, { C::Melt, 0.69 } } },
        { { { C::PrimaryA, 0.50 }, { C::EutecticAB, 0.20 }, { C::Melt, 0.30 } },
          { { C::PrimaryA, 0.50 }, { C::EutecticAB, 0.21 }, { C::Melt, 0.29 } } },
        { { { C::PrimaryAlpha, 0.35 }, { C::PeritecticBeta, 0.30 }, { C::Melt, 0.35 } },
          { { C::PrimaryAlpha, 0.34 }, { C::PeritecticBeta, 0.32 }, { C::Melt, 0.34 } } },
        { { { C::Ferrite, 0.45 }, { C::Pearlite, 0.55 } }, { { C::Ferrite, 0.44 }, { C::Pearlite, 0.56 } } },
        { { { C::Pearlite, 0.50 }, { C::SecondaryCementite, 0.08 }, { C::TransformedLedeburite, 0.42 } },
          { { C::Pearlite, 0.49 }, { C::SecondaryCementite, 0.08 }, { C::TransformedLedeburite, 0.43 } } },
        { { { C::PrimaryCementite, 0.20 }, { C::TransformedLedeburite, 0.80 } },
          { { C::PrimaryCementite, 0.21 }, { C::TransformedLedeburite, 0.79 } } },
        { { { C::Ferrite, 0.2 }, { C::Pearlite, 0.3 }, { C::Bainite, 0.2 }, { C::Martensite, 0.25 }, { C::RetainedAustenite, 0.05 } },
          { { C::Ferrite, 0.19 }, { C::Pearlite, 0.3 }, { C::Bainite, 0.2 }, { C::Martensite, 0.26 }, { C::RetainedAustenite, 0.05 } } },
        // A constituent appearing.
        { { { C::Ferrite, 0.6 }, { C::Pearlite, 0.4 } },
          { { C::Graphite, 0.01 }, { C::Ferrite, 0.59 }, { C::Pearlite, 0.4 } } },
    };
    // clang-format on
    Synthesis s;
    for (const double ratio : { 1.0, 2.0 })
        for (const Step& step : steps) {
            SCOPED_TRACE(describe(step.from) + "-> " + describe(step.to) + " at ratio " + std::to_string(ratio));
            const Micrograph a = draw(s, step.from, ratio);
            const Micrograph b = draw(s, step.to, ratio);
            const Change c = changeBetween(a, b);
            EXPECT_LE(c.owners, ownerBound(step.from, step.to));
            EXPECT_LE(c.mean, 5.0);
            EXPECT_LE(c.strong, 0.05);
        }
}

TEST(MicrographSynthesis, ASweepOfTheSharesNeverJumps)
{
    // A pointer moved slowly: a type-2 alloy cooling through its primary crystals into the
    // eutectic, and the continuous-cooling constituents from slow to fast, in steps of 1 %.
    Synthesis s;
    auto binary = [](double t) -> std::vector<Part> {
        if (t < 0.5)
            return { { C::PrimaryA, t }, { C::Melt, 1.0 - t } };
        return { { C::PrimaryA, 0.5 }, { C::EutecticAB, t - 0.5 }, { C::Melt, 1.0 - t } };
    };
    auto cooling = [](double t) -> std::vector<Part> {
        const double f = 0.4 * std::max(0.0, 1.0 - 2.0 * t);
        const double p = 0.6 * std::max(0.0, 1.0 - 1.5 * t);
        const double m = std::max(0.0, t - 0.3);
        return { { C::Ferrite, f }, { C::Pearlite, p }, { C::Bainite, 1.0 - f - p - m }, { C::Martensite, m } };
    };
    for (const auto& sweep : { std::function<std::vector<Part>(double)>(binary), std::function(cooling) }) {
        Micrograph before = draw(s, sweep(0.0));
        for (int k = 1; k <= 100; ++k) {
            const auto parts = sweep(k / 100.0);
            const Micrograph now = draw(s, parts);
            SCOPED_TRACE(describe(parts));
            const Change c = changeBetween(before, now);
            EXPECT_LE(c.owners, ownerBound(sweep((k - 1) / 100.0), parts));
            EXPECT_LE(c.mean, 5.0);
            EXPECT_LE(c.strong, 0.05);
            before = now;
        }
    }
}

TEST(MicrographSynthesis, SolidifiedAndSolidStateMeetInTheSingleConstituent)
{
    // Austenite alone is the same picture whether a little melt is left or a little ferrite has
    // formed, so a pointer crossing the solidus and then A3 sees no jump.
    Synthesis s;
    const Micrograph alone = draw(s, { { C::Austenite, 1.0 } });
    const Micrograph melting = draw(s, { { C::Austenite, 0.995 }, { C::Melt, 0.005 } });
    const Micrograph ferrite = draw(s, { { C::Austenite, 0.995 }, { C::Ferrite, 0.005 } });
    for (const Micrograph* m : { &melting, &ferrite }) {
        const Change c = changeBetween(alone, *m);
        EXPECT_LE(c.mean, 1.5);
        EXPECT_LE(c.strong, 0.01);
    }
}

TEST(MicrographSynthesis, AtRatioTwoTheLayoutIsTheSameAtTwiceTheResolution)
{
    Synthesis s;
    for (const auto& mix : kMixes) {
        SCOPED_TRACE(describe(mix));
        const Micrograph one = draw(s, mix, 1.0);
        const Micrograph two = draw(s, mix, 2.0);
        ASSERT_EQ(two.image.size(), QSize(2 * kWidth, 2 * kHeight));
        EXPECT_EQ(two.image.devicePixelRatio(), 2.0);
        // Each device pixel belongs to the constituent of its logical pixel, but where a contour
        // passes through the block; then its constituent is that of a neighbouring logical pixel.
        std::size_t same = 0, astray = 0;
        for (int y = 0; y < 2 * kHeight; ++y)
            for (int x = 0; x < 2 * kWidth; ++x) {
                const Constituent c = two.at(x, y);
                if (c == one.at(x / 2, y / 2)) {
                    ++same;
                    continue;
                }
                bool near = false;
                for (int j = std::max(0, y / 2 - 1); j <= std::min(kHeight - 1, y / 2 + 1); ++j)
                    for (int i = std::max(0, x / 2 - 1); i <= std::min(kWidth - 1, x / 2 + 1); ++i)
                        near = near || one.at(i, j) == c;
                astray += !near;
            }
        EXPECT_GE(static_cast<double>(same) / two.owner.size(), 0.93);
        EXPECT_LE(static_cast<double>(astray) / two.owner.size(), 0.002);
        double difference = 0;
        // And it shows the same: each block's mean colour is close to the logical pixel's.
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                int sum = 0;
                for (const auto& [dx, dy] : { std::pair(0, 0), std::pair(1, 0), std::pair(0, 1), std::pair(1, 1) }) {
                    const QRgb c = two.image.pixel(2 * x + dx, 2 * y + dy);
                    sum += qRed(c) + qGreen(c) + qBlue(c);
                }
                const QRgb c = one.image.pixel(x, y);
                difference += std::abs(sum / 4.0 - (qRed(c) + qGreen(c) + qBlue(c)));
            }
        // Per channel, of 255: where contours pass the blocks differ, elsewhere only the sensor
        // grain and the finer lamellae.
        EXPECT_LE(difference / (kWidth * kHeight) / 3.0, 10.0);
    }
    // A fractional ratio rounds the size.
    const Micrograph m = draw(s, kMixes[10], 1.5);
    EXPECT_EQ(m.image.size(), QSize(300, 240));
    EXPECT_EQ(m.owner.size(), 300u * 240u);
}
