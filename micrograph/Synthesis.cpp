#include "Synthesis.h"

#include "Photographs.h"
#include "Scene.h"

#include <cassert>
#include <cmath>
#include <iterator>
#include <limits>

namespace wb::micrograph {

namespace {

using C = Constituent;

// How a constituent takes its pixels: the next free ones of the arrangement's order (a band
// after the constituents before it), the first of an order of its own wherever they lie
// (needles, flakes), or the first of an order of its own among its host's pixels.
enum class Placement : std::uint8_t { Band, Dispersed, Guest };

struct Rule {
    Constituent constituent;
    Placement placement;
    FieldKind field; // for Dispersed and Guest
    Constituent host; // for Guest
};

constexpr auto kBand = Placement::Band;
constexpr auto kDispersed = Placement::Dispersed;
constexpr auto kGuest = Placement::Guest;
constexpr auto kAny = FieldKind::Crystal; // unused for a band: it follows the arrangement

// clang-format off
// Solidified from the melt: the crystals that formed first take the pixels the growing crystals
// reach first, what forms round them (a peritectic rim, secondary cementite on the austenite)
// the next, the eutectic or ledeburite the next, and the melt what is left.
constexpr Rule kFromTheMelt[] = {
    { C::PrimaryCementite,      kDispersed, FieldKind::Needles,           C::Melt },
    { C::Graphite,              kDispersed, FieldKind::Flakes,            C::Melt },
    { C::DeltaFerrite,          kBand,      kAny,                         C::Melt },
    { C::PrimaryA,              kBand,      kAny,                         C::Melt },
    { C::PrimaryB,              kBand,      kAny,                         C::Melt },
    { C::PrimaryAlpha,          kBand,      kAny,                         C::Melt },
    { C::PrimaryBeta,           kBand,      kAny,                         C::Melt },
    { C::SolidSolution,         kBand,      kAny,                         C::Melt },
    { C::Austenite,             kBand,      kAny,                         C::Melt },
    { C::Pearlite,              kBand,      kAny,                         C::Melt },
    { C::Ferrite,               kBand,      kAny,                         C::Melt },
    { C::TertiaryCementite,     kGuest,     FieldKind::FerriteBoundaries, C::Ferrite },
    { C::Bainite,               kBand,      kAny,                         C::Melt },
    { C::Martensite,            kBand,      kAny,                         C::Melt },
    { C::RetainedAustenite,     kGuest,     FieldKind::Islands,           C::Martensite },
    { C::PeritecticBeta,        kBand,      kAny,                         C::Melt },
    { C::SecondaryCementite,    kBand,      kAny,                         C::Melt },
    { C::EutecticAB,            kBand,      kAny,                         C::Melt },
    { C::EutecticAlphaBeta,     kBand,      kAny,                         C::Melt },
    { C::Ledeburite,            kBand,      kAny,                         C::Melt },
    { C::TransformedLedeburite, kBand,      kAny,                         C::Melt },
    { C::Melt,                  kBand,      kAny,                         C::Melt },
};

// In the solid state: what forms from the austenite starts at its grain boundaries, so the
// constituents that form first (or at the highest temperature) lie nearest them and the
// austenite that has not transformed lies in the middle of the grains; δ-ferrite keeps the middle
// of its grains while austenite forms at their boundaries.
constexpr Rule kSolidState[] = {
    { C::Graphite,              kDispersed, FieldKind::Flakes,            C::Melt },
    { C::PrimaryCementite,      kDispersed, FieldKind::Needles,           C::Melt },
    { C::SecondaryCementite,    kBand,      kAny,                         C::Melt },
    { C::Ferrite,               kBand,      kAny,                         C::Melt },
    { C::TertiaryCementite,     kGuest,     FieldKind::FerriteBoundaries, C::Ferrite },
    { C::Pearlite,              kBand,      kAny,                         C::Melt },
    { C::Bainite,               kBand,      kAny,                         C::Melt },
    { C::Martensite,            kBand,      kAny,                         C::Melt },
    { C::RetainedAustenite,     kGuest,     FieldKind::Islands,           C::Martensite },
    { C::Austenite,             kBand,      kAny,                         C::Melt },
    { C::DeltaFerrite,          kBand,      kAny,                         C::Melt },
    // Never alone in the solid state (any of them makes the picture one solidified from the
    // melt), listed so that every constituent has its place.
    { C::PrimaryA,              kBand,      kAny,                         C::Melt },
    { C::PrimaryB,              kBand,      kAny,                         C::Melt },
    { C::PrimaryAlpha,          kBand,      kAny,                         C::Melt },
    { C::PrimaryBeta,           kBand,      kAny,                         C::Melt },
    { C::SolidSolution,         kBand,      kAny,                         C::Melt },
    { C::PeritecticBeta,        kBand,      kAny,                         C::Melt },
    { C::EutecticAB,            kBand,      kAny,                         C::Melt },
    { C::EutecticAlphaBeta,     kBand,      kAny,                         C::Melt },
    { C::Ledeburite,            kBand,      kAny,                         C::Melt },
    { C::TransformedLedeburite, kBand,      kAny,                         C::Melt },
    { C::Melt,                  kBand,      kAny,                         C::Melt },
};

// The constituents that only a structure solidified from the melt has.
constexpr Constituent kOfTheMelt[] = {
    C::Melt, C::PrimaryA, C::PrimaryB, C::PrimaryAlpha, C::PrimaryBeta, C::SolidSolution, C::EutecticAB,
    C::EutecticAlphaBeta, C::PeritecticBeta, C::Ledeburite, C::TransformedLedeburite, C::PrimaryCementite,
    C::DeltaFerrite,
};

constexpr std::string_view kNames[] = {
    "Melt", "PrimaryA", "PrimaryB", "PrimaryAlpha", "PrimaryBeta", "SolidSolution", "EutecticAB",
    "EutecticAlphaBeta", "PeritecticBeta", "Austenite", "DeltaFerrite", "Ferrite", "Pearlite",
    "SecondaryCementite", "TertiaryCementite", "PrimaryCementite", "Ledeburite", "TransformedLedeburite",
    "Graphite", "Bainite", "Martensite", "RetainedAustenite",
};
// clang-format on
static_assert(std::size(kFromTheMelt) == kConstituentCount);
static_assert(std::size(kSolidState) == kConstituentCount);
static_assert(std::size(kNames) == kConstituentCount);

// Constituents in a colour of their own rather than a tone of the etch, their texture a factor
// on it: the melt glowing red as the lessons show it, graphite grey.
struct OwnColour {
    Constituent constituent;
    float rgb[3];
};
constexpr OwnColour kOwnColours[] = {
    { C::Melt, { 226.0f, 34.0f, 26.0f } },
    { C::Graphite, { 78.0f, 78.0f, 84.0f } },
};
// Where two constituents meet, the etch marks the interface.
constexpr double kInterfaceHalfWidth = 0.45; // logical pixels
constexpr double kInterfaceDepth = 0.5;
// Scenes kept: a picture and the one before it, say at two ratios while a window moves between
// screens. At ratio 2 a scene with a handful of constituents holds some 15 MB.
constexpr std::size_t kScenesKept = 2;
constexpr int kPaletteSteps = 1024;

constexpr float kInf = std::numeric_limits<float>::infinity();

struct Claim {
    Constituent constituent;
    Placement placement;
    const Field* field = nullptr;
    int host = -1; // for a guest: its host's claim
    int guest = -1; // for a host: its guest's claim
    std::size_t count = 0;
    std::size_t taken = 0;
    float lo = -kInf; // a band's pixels have values between lo and hi
    float hi = kInf; // a dispersed constituent or a guest: its pixels lie at or below hi
};

} // namespace

std::string_view constituentName(Constituent c)
{
    return kNames[static_cast<int>(c)];
}

double Micrograph::areaShare(Constituent c) const
{
    if (owner.empty())
        return 0.0;
    std::size_t n = 0;
    for (const Constituent o : owner)
        n += o == c;
    return static_cast<double>(n) / static_cast<double>(owner.size());
}

Synthesis::Synthesis()
{
    m_palette.resize(kPaletteSteps);
    auto to8 = [](float v) { return static_cast<int>(clamp01(v) * 255.0f + 0.5f); };
    for (int k = 0; k < kPaletteSteps; ++k) {
        const Col c = kNital(static_cast<double>(k) / (kPaletteSteps - 1));
        m_palette[k] = qRgb(to8(c.r), to8(c.g), to8(c.b));
    }
}

Synthesis::~Synthesis() = default;

void Synthesis::clear()
{
    m_scenes.clear();
}

Micrograph Synthesis::render(const Request& request)
{
    Micrograph out;
    if (request.width <= 0 || request.height <= 0 || !(request.ratio > 0.0))
        return out;
    double share[kConstituentCount] = {};
    double total = 0.0;
    for (const Part& p : request.parts) {
        assert(share[static_cast<int>(p.constituent)] == 0.0 && "each constituent at most once");
        if (p.share > 0.0) {
            share[static_cast<int>(p.constituent)] += p.share;
            total += p.share;
        }
    }
    if (!(total > 0.0))
        return out;

    // The scene for this seed and size, made or found.
    auto it = m_scenes.begin();
    while (it != m_scenes.end() && !(*it)->is(request.width, request.height, request.ratio, request.seed))
        ++it;
    if (it == m_scenes.end()) {
        m_scenes.insert(
            m_scenes.begin(), std::make_unique<Scene>(request.width, request.height, request.ratio, request.seed));
        if (m_scenes.size() > kScenesKept)
            m_scenes.pop_back();
    } else {
        std::rotate(m_scenes.begin(), it, it + 1);
    }
    Scene& scene = *m_scenes.front();
    const std::size_t n = scene.size();
    const int W = scene.deviceWidth();
    const int H = scene.deviceHeight();
    if (n == 0)
        return out;

    // The arrangement, and the claims in its sequence.
    bool fromTheMelt = false;
    for (const Constituent c : kOfTheMelt)
        fromTheMelt = fromTheMelt || share[static_cast<int>(c)] > 0.0;
    const Rule* rules = fromTheMelt ? kFromTheMelt : kSolidState;
    const FieldKind arrangement = fromTheMelt ? FieldKind::Crystal : FieldKind::SolidState;
    std::vector<Claim> claims;
    int claimOf[kConstituentCount];
    std::fill(std::begin(claimOf), std::end(claimOf), -1);
    for (int r = 0; r < kConstituentCount; ++r) {
        const Rule& rule = rules[r];
        if (share[static_cast<int>(rule.constituent)] <= 0.0)
            continue;
        Claim c;
        c.constituent = rule.constituent;
        c.placement = rule.placement;
        if (c.placement == kGuest && share[static_cast<int>(rule.host)] <= 0.0)
            c.placement = kBand; // without its host it takes its own band
        c.field = &scene.field(c.placement == kBand ? arrangement : rule.field);
        claimOf[static_cast<int>(c.constituent)] = static_cast<int>(claims.size());
        claims.push_back(std::move(c));
    }
    // Guests and their hosts.
    for (int r = 0; r < kConstituentCount; ++r) {
        const int k = claimOf[static_cast<int>(rules[r].constituent)];
        if (k >= 0 && claims[k].placement == kGuest) {
            const int host = claimOf[static_cast<int>(rules[r].host)];
            claims[k].host = host;
            claims[host].guest = k;
        }
    }

    // The last claim that is not a guest takes what is left.
    int last = -1;
    for (std::size_t k = 0; k < claims.size(); ++k)
        if (claims[k].placement != kGuest)
            last = static_cast<int>(k);

    // How many pixels each takes: cumulative shares rounded, so that the counts add up to the
    // picture; a host's count includes its guest's, which it gives up afterwards.
    {
        double cum = 0.0;
        std::size_t before = 0;
        for (std::size_t k = 0; k < claims.size(); ++k) {
            Claim& c = claims[k];
            if (c.placement == kGuest)
                continue;
            cum += share[static_cast<int>(c.constituent)] / total;
            if (c.guest >= 0)
                cum += share[static_cast<int>(claims[c.guest].constituent)] / total;
            const auto upto
                = static_cast<int>(k) == last ? n : std::min(n, static_cast<std::size_t>(std::llround(cum * n)));
            c.count = upto > before ? upto - before : 0;
            before = std::max(before, upto);
        }
        for (Claim& c : claims)
            if (c.placement == kGuest)
                c.count = std::min(claims[c.host].count,
                    static_cast<std::size_t>(std::llround(share[static_cast<int>(c.constituent)] / total * n)));
    }

    // Each claim takes the first free pixels of its order.
    constexpr std::uint8_t kFree = 0xFF;
    std::vector<std::uint8_t> owner(n, kFree);
    {
        std::size_t cursor = 0; // the bands go down the arrangement's order one after the other
        float level = -kInf;
        for (int k = 0; k < static_cast<int>(claims.size()); ++k) {
            Claim& c = claims[k];
            if (c.placement == kGuest)
                continue;
            if (c.placement == kBand)
                c.lo = level;
            if (k == last) {
                // The rest: every pixel still free (rounding aside, exactly its count).
                for (std::size_t p = 0; p < n; ++p)
                    if (owner[p] == kFree) {
                        owner[p] = static_cast<std::uint8_t>(k);
                        ++c.taken;
                    }
                break;
            }
            const auto& order = c.field->order;
            std::size_t at = c.placement == kBand ? cursor : 0;
            int lastTaken = -1;
            while (c.taken < c.count && at < n) {
                const int p = order[at++];
                if (owner[p] != kFree)
                    continue;
                owner[p] = static_cast<std::uint8_t>(k);
                ++c.taken;
                lastTaken = p;
            }
            c.hi = lastTaken >= 0 ? c.field->value[lastTaken] : -kInf;
            if (c.placement == kBand) {
                cursor = at;
                if (lastTaken >= 0)
                    level = c.hi;
            }
        }
        for (int k = 0; k < static_cast<int>(claims.size()); ++k) {
            Claim& c = claims[k];
            if (c.placement != kGuest)
                continue;
            const auto& order = c.field->order;
            int lastTaken = -1;
            for (std::size_t at = 0; at < n && c.taken < c.count; ++at) {
                const int p = order[at];
                if (owner[p] != c.host)
                    continue;
                owner[p] = static_cast<std::uint8_t>(k);
                ++c.taken;
                lastTaken = p;
            }
            claims[c.host].taken -= c.taken;
            c.hi = lastTaken >= 0 ? c.field->value[lastTaken] : -kInf;
        }
    }

    // The contours each claim's pixels may lie next to, and what each claim draws with.
    struct Border {
        const float* value;
        const float* invSlope;
        float level;
    };
    struct Look {
        std::size_t first = 0, last = 0; // its borders
        const std::uint16_t* texture = nullptr;
        const float* rgb = nullptr; // an own colour, or the etch's tones
        Constituent constituent = C::Melt;
    };
    std::vector<Border> borders;
    std::vector<Look> looks(claims.size());
    for (std::size_t k = 0; k < claims.size(); ++k) {
        const Claim& c = claims[k];
        Look& look = looks[k];
        look.first = borders.size();
        auto add = [&](const Claim& of, float level) {
            if (std::isfinite(level))
                borders.push_back({ of.field->value.data(), of.field->invSlope.data(), level });
        };
        const Claim& own = c.placement == kGuest ? claims[c.host] : c;
        if (own.placement == kBand) {
            add(own, own.lo);
            add(own, own.hi);
        }
        if (c.placement != kBand)
            add(c, c.hi);
        if (c.guest >= 0)
            add(claims[c.guest], claims[c.guest].hi);
        for (std::size_t j = 0; j < claims.size(); ++j)
            if (j != k && claims[j].placement == kDispersed)
                add(claims[j], claims[j].hi);
        look.last = borders.size();
        look.texture = scene.texture(c.constituent).data();
        for (const OwnColour& colour : kOwnColours)
            if (colour.constituent == c.constituent)
                look.rgb = colour.rgb;
        look.constituent = c.constituent;
    }

    // The picture: each pixel in its constituent's texture, the interfaces etched, under the
    // photograph's lighting.
    const float* light = scene.lighting().data();
    const float* grain = scene.sensorGrain().data();
    const double ratio = scene.ratio();
    const auto aa = static_cast<float>(0.75 / ratio);
    const auto halfWidth = static_cast<float>(kInterfaceHalfWidth);
    const auto depth = static_cast<float>(kInterfaceDepth);
    const float reach = halfWidth + 0.5f * aa;
    const float steps = kPaletteSteps - 1;
    out.image = QImage(W, H, QImage::Format_RGB32);
    out.image.setDevicePixelRatio(ratio);
    out.owner.resize(n);
    for (int y = 0; y < H; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.image.scanLine(y));
        for (int x = 0; x < W; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * W + x;
            const Look& look = looks[owner[i]];
            out.owner[i] = look.constituent;
            float d = reach;
            for (std::size_t b = look.first; b < look.last; ++b) {
                const Border& border = borders[b];
                d = std::min(d, std::abs(border.value[i] - border.level) * border.invSlope[i]);
            }
            const float etched = d < reach ? 1.0f - depth * std::clamp((halfWidth - d) / aa + 0.5f, 0.0f, 1.0f) : 1.0f;
            const float shade = look.texture[i] * Scene::kTextureStep * etched * light[i];
            if (look.rgb) {
                auto channel = [&](float c) { return static_cast<int>(std::clamp(c * shade, 0.0f, 255.0f) + 0.5f); };
                row[x] = qRgb(channel(look.rgb[0]), channel(look.rgb[1]), channel(look.rgb[2]));
            } else {
                const float v = std::clamp(shade + grain[i], 0.0f, 1.0f);
                row[x] = m_palette[static_cast<int>(v * steps + 0.5f)];
            }
        }
    }
    return out;
}

} // namespace wb::micrograph
