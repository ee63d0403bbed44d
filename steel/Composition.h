// A steel's composition and austenite grain size, refused when it is nonsense, and the validity
// ranges of the published models: a result outside a model's range carries the element that left it.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace wb::steel {

// The alloying elements in mass %, then what a model's range may also limit.
enum class Element {
    C,
    Si,
    Mn,
    Cr,
    Ni,
    Mo,
    Cu,
    V,
    GrainSize, // ASTM grain size number
    MnNiCrMo, // the sum Mn + Ni + Cr + Mo in mass %
    IdealDiameter, // the ideal critical diameter in mm (the end-quench curve's range)
};

inline constexpr std::array<Element, 8> kAlloyingElements { Element::C, Element::Si, Element::Mn, Element::Cr,
    Element::Ni, Element::Mo, Element::Cu, Element::V };

// "C", "Si", …, "Korngröße", "Mn+Ni+Cr+Mo", "DI": how the window names it.
const char* elementName(Element element);

struct Composition {
    double C = 0, Si = 0, Mn = 0, Cr = 0, Ni = 0, Mo = 0, Cu = 0, V = 0; // mass %
    double grainSize = 7; // ASTM number

    // The value a range of the element reads (GrainSize and MnNiCrMo included; IdealDiameter is no
    // property of the composition and reads NaN).
    double operator[](Element element) const;
};

// Why a composition is no steel at all.
enum class RefusalReason {
    NotFinite, // NaN or infinite
    Negative, // a content below zero
    SumOver100, // the alloying elements add up to more than 100 %
    GrainSizeOffScale, // no ASTM grain size number
};

struct Refusal {
    RefusalReason reason;
    Element element; // the element at fault (C for the sum)
    double value;
};

// A German sentence for the window: what is wrong and with which element.
std::string refusalMessage(const Refusal& refusal);

// A composition that passed the checks: the only thing the models take, so nonsense cannot reach
// a formula.
class Steel {
public:
    static std::variant<Steel, Refusal> from(const Composition& composition);
    const Composition& composition() const { return m_composition; }

private:
    explicit Steel(const Composition& composition)
        : m_composition(composition)
    {
    }
    Composition m_composition;
};

// ASTM grain size numbers from 00 (written −1) to 14 are the ones the scale charts.
inline constexpr double kGrainSizeMin = -1;
inline constexpr double kGrainSizeMax = 14;

// One limit of a model's range (inclusive).
struct Range {
    Element element;
    double min;
    double max;
};

// Where a composition leaves a range: the element, its value and the limits it broke.
struct OutOfRange {
    Element element;
    double value;
    double min;
    double max;
};

// A model's result with the first place where the input leaves the model's range, if any: a
// number outside the range is still computed (the window shows it flagged), never passed off as
// valid.
template <class T> struct Flagged {
    T value {};
    std::optional<OutOfRange> outside;
    bool inRange() const { return !outside.has_value(); }
};

std::optional<OutOfRange> firstOutside(const Composition& composition, std::span<const Range> ranges);
std::vector<OutOfRange> allOutside(const Composition& composition, std::span<const Range> ranges);

// The published models, each with its range.
enum class Model {
    AndrewsAc, // Ac1, Ac3
    AndrewsAe, // Ae1, Ae3
    AndrewsMs,
    Grange, // Ae1, Ae3
    StevenHaynes, // Ms, Bs
    Li, // isothermal and continuous transformation
    Maynier, // hardness
    Grossmann, // ideal critical diameter and end-quench curve (ASTM A255)
    HollomonJaffe, // tempering
};

inline constexpr std::array<Model, 9> kModels { Model::AndrewsAc, Model::AndrewsAe, Model::AndrewsMs, Model::Grange,
    Model::StevenHaynes, Model::Li, Model::Maynier, Model::Grossmann, Model::HollomonJaffe };

std::span<const Range> validityRange(Model model);
const char* modelName(Model model);
// What must be said beside a model's results when they are not wholly a published model's (a German
// sentence for the window), or nullptr.
const char* modelCaveat(Model model);

} // namespace wb::steel
