// Refusing nonsense and reading the models' ranges.
#include "Composition.h"

#include <cmath>
#include <cstdio>

namespace wb::steel {

const char* elementName(Element element)
{
    switch (element) {
    case Element::C:
        return "C";
    case Element::Si:
        return "Si";
    case Element::Mn:
        return "Mn";
    case Element::Cr:
        return "Cr";
    case Element::Ni:
        return "Ni";
    case Element::Mo:
        return "Mo";
    case Element::Cu:
        return "Cu";
    case Element::V:
        return "V";
    case Element::GrainSize:
        return "Korngröße";
    case Element::MnNiCrMo:
        return "Mn+Ni+Cr+Mo";
    case Element::IdealDiameter:
        return "DI";
    }
    return "?";
}

double Composition::operator[](Element element) const
{
    switch (element) {
    case Element::C:
        return C;
    case Element::Si:
        return Si;
    case Element::Mn:
        return Mn;
    case Element::Cr:
        return Cr;
    case Element::Ni:
        return Ni;
    case Element::Mo:
        return Mo;
    case Element::Cu:
        return Cu;
    case Element::V:
        return V;
    case Element::GrainSize:
        return grainSize;
    case Element::MnNiCrMo:
        return Mn + Ni + Cr + Mo;
    case Element::IdealDiameter:
        return NAN;
    }
    return NAN;
}

std::string refusalMessage(const Refusal& refusal)
{
    char value[32];
    std::snprintf(value, sizeof value, "%g", refusal.value);
    const std::string name = elementName(refusal.element);
    switch (refusal.reason) {
    case RefusalReason::NotFinite:
        return "Ungültige Eingabe: " + name + " ist keine endliche Zahl.";
    case RefusalReason::Negative:
        return "Ungültige Eingabe: " + name + " = " + value + " % ist negativ.";
    case RefusalReason::SumOver100:
        return std::string("Ungültige Eingabe: die Legierungselemente ergeben zusammen ") + value
            + " %, mehr als 100 %.";
    case RefusalReason::GrainSizeOffScale:
        return std::string("Ungültige Eingabe: Korngröße ") + value + " liegt nicht auf der ASTM-Skala (−1 bis 14).";
    }
    return "Ungültige Eingabe.";
}

std::variant<Steel, Refusal> Steel::from(const Composition& composition)
{
    double sum = 0;
    for (Element element : kAlloyingElements) {
        const double value = composition[element];
        if (!std::isfinite(value))
            return Refusal { RefusalReason::NotFinite, element, value };
        if (value < 0)
            return Refusal { RefusalReason::Negative, element, value };
        sum += value;
    }
    if (!std::isfinite(composition.grainSize))
        return Refusal { RefusalReason::NotFinite, Element::GrainSize, composition.grainSize };
    if (composition.grainSize < kGrainSizeMin || composition.grainSize > kGrainSizeMax)
        return Refusal { RefusalReason::GrainSizeOffScale, Element::GrainSize, composition.grainSize };
    if (sum > 100)
        return Refusal { RefusalReason::SumOver100, Element::C, sum };
    return Steel(composition);
}

namespace {

std::optional<OutOfRange> check(const Composition& composition, const Range& range)
{
    const double value = composition[range.element];
    if (value < range.min || value > range.max)
        return OutOfRange { range.element, value, range.min, range.max };
    return std::nullopt;
}

constexpr double kNone = 1e9; // no upper limit

// clang-format off
    // K. W. Andrews, JISI 203 (1965) 721: the steels of his regressions; as the review by Sourmail and
    // Garcia-Mateo (Comput. Mater. Sci. 34, 2005) lists them for the Ms formula, taken for all of them.
    constexpr Range kAndrews[] = {
        { Element::C, 0, 0.6 }, { Element::Mn, 0, 4.9 }, { Element::Cr, 0, 5.0 },
        { Element::Ni, 0, 5.0 }, { Element::Mo, 0, 5.4 },
    };
    // W. Steven, A. G. Haynes, JISI 183 (1956) 349: the 65 steels of their series.
    constexpr Range kStevenHaynes[] = {
        { Element::C, 0.1, 0.55 }, { Element::Si, 0, 0.35 }, { Element::Mn, 0.2, 1.7 },
        { Element::Ni, 0, 5.0 }, { Element::Cr, 0, 3.5 }, { Element::Mo, 0, 1.0 },
    };
    // Li et al., Metall. Mater. Trans. B 29 (1998) 661, the range stated with the model (M. V. Li, thesis,
    // Oregon Graduate Institute 1996, p. 86); Maynier's hardness formulas are used inside the same model,
    // so the same range holds for them here.
    constexpr Range kLi[] = {
        { Element::C, 0.1, 0.5 }, { Element::Si, 0, 1.0 }, { Element::Mn, 0, 2.0 }, { Element::Ni, 0, 4.0 },
        { Element::Cr, 0, 3.0 }, { Element::Mo, 0, 1.0 }, { Element::V, 0, 0.2 }, { Element::Cu, 0, 0.5 },
        { Element::MnNiCrMo, 0, 5.0 },
    };
    // Grange gives his lines for carbon and low-alloy steels; the alloy limits are those of Li's range, in
    // which Collins et al. (Metals 13, 2023, 1168) use them with Li's model. Carbon is limited by the
    // eutectoid where his Ae3 meets Ae1 (checked with the Ae3).
    constexpr Range kGrange[] = {
        { Element::Si, 0, 1.0 }, { Element::Mn, 0, 2.0 }, { Element::Ni, 0, 4.0 }, { Element::Cr, 0, 3.0 },
        { Element::Mo, 0, 1.0 }, { Element::MnNiCrMo, 0, 5.0 },
    };
    // ASTM A255-10 (2014) 1.3: the calculation method's range; its carbon factors are for ASTM grain size 7.
    constexpr Range kA255[] = {
        { Element::C, 0.10, 0.70 }, { Element::Mn, 0.50, 1.65 }, { Element::Si, 0.15, 0.60 },
        { Element::Ni, 0, 1.50 }, { Element::Cr, 0, 1.35 }, { Element::Mo, 0, 0.55 }, { Element::Cu, 0, 0.35 },
        { Element::V, 0, 0.20 }, { Element::GrainSize, 7, 7 },
    };
    // Hollomon–Jaffe's parameter holds for the carbon and low-alloy steels of their series; we ask no
    // more than a hardenable steel in the range of the hardness model it tempers.
    constexpr Range kHollomonJaffe[] = {
        { Element::C, 0.1, 0.5 }, { Element::MnNiCrMo, 0, 5.0 },
    };
// clang-format on

} // namespace

std::optional<OutOfRange> firstOutside(const Composition& composition, std::span<const Range> ranges)
{
    for (const Range& range : ranges)
        if (auto outside = check(composition, range))
            return outside;
    return std::nullopt;
}

std::vector<OutOfRange> allOutside(const Composition& composition, std::span<const Range> ranges)
{
    std::vector<OutOfRange> result;
    for (const Range& range : ranges)
        if (auto outside = check(composition, range))
            result.push_back(*outside);
    return result;
}

std::span<const Range> validityRange(Model model)
{
    switch (model) {
    case Model::AndrewsAc:
    case Model::AndrewsAe:
    case Model::AndrewsMs:
        return kAndrews;
    case Model::StevenHaynes:
        return kStevenHaynes;
    case Model::Grange:
        return kGrange;
    case Model::Li:
    case Model::Maynier:
        return kLi;
    case Model::Grossmann:
        return kA255;
    case Model::HollomonJaffe:
        return kHollomonJaffe;
    }
    return {};
}

const char* modelName(Model model)
{
    switch (model) {
    case Model::AndrewsAc:
        return "Andrews (Ac1, Ac3)";
    case Model::AndrewsAe:
        return "Andrews (Ae1, Ae3)";
    case Model::AndrewsMs:
        return "Andrews (Ms)";
    case Model::Grange:
        return "Grange (Ae1, Ae3)";
    case Model::StevenHaynes:
        return "Steven–Haynes (Ms, Bs)";
    case Model::Li:
        return "Li et al. (ZTU)";
    case Model::Maynier:
        return "Maynier et al. (Härte)";
    case Model::Grossmann:
        return "Grossmann/ASTM A255 (DI, Stirnabschreckkurve)";
    case Model::HollomonJaffe:
        return "Hollomon–Jaffe (Anlassen)";
    }
    return "?";
}

const char* modelCaveat(Model model)
{
    switch (model) {
    case Model::HollomonJaffe:
        return "Der Verlauf der Anlasskurve ist eine eigene Näherung (linear im Hollomon–Jaffe-Parameter vom "
               "gehärteten Zustand bei 150 °C bis zum Ferrit-Perlit-Zustand bei Ae1), kein veröffentlichtes Modell.";
    default:
        return nullptr;
    }
}

} // namespace wb::steel
