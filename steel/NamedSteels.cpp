// Nominal compositions: the middle of each range the norm gives. An element the norm only limits
// (a maximum) is a residual: 0, except silicon, which every killed steel carries, at half its maximum.
// The norms: EN 10083-2 (non-alloy quenched and tempered steels), EN 10083-3 (alloy quenched and
// tempered steels), EN 10084 (case-hardening steels), ISO 683-17 (ball and roller bearing steels).
#include "NamedSteels.h"

#include <cstring>

namespace wb::steel {

namespace {

// clang-format off
    //  name         norm          C       Si     Mn     Cr     Ni     Mo      Cu  V      grain
    constexpr NamedSteel kSteels[] = {
        { "C15",       "EN 10084",   { 0.15,  0.20,  0.45,  0,     0,     0,      0,  0,     7 } }, // C 0.12–0.18, Si ≤ 0.40, Mn 0.30–0.60
        { "C22",       "EN 10083-2", { 0.205, 0.20,  0.55,  0,     0,     0,      0,  0,     7 } }, // C 0.17–0.24, Mn 0.40–0.70
        { "C35",       "EN 10083-2", { 0.355, 0.20,  0.65,  0,     0,     0,      0,  0,     7 } }, // C 0.32–0.39, Mn 0.50–0.80
        { "C45",       "EN 10083-2", { 0.46,  0.20,  0.65,  0,     0,     0,      0,  0,     7 } }, // C 0.42–0.50, Mn 0.50–0.80
        { "C60",       "EN 10083-2", { 0.61,  0.20,  0.75,  0,     0,     0,      0,  0,     7 } }, // C 0.57–0.65, Mn 0.60–0.90
        { "16MnCr5",   "EN 10084",   { 0.165, 0.20,  1.15,  0.95,  0,     0,      0,  0,     7 } }, // C 0.14–0.19, Mn 1.00–1.30, Cr 0.80–1.10
        { "20MnCr5",   "EN 10084",   { 0.195, 0.20,  1.25,  1.15,  0,     0,      0,  0,     7 } }, // C 0.17–0.22, Mn 1.10–1.40, Cr 1.00–1.30
        { "25CrMo4",   "EN 10083-3", { 0.255, 0.20,  0.75,  1.05,  0,     0.225,  0,  0,     7 } }, // C 0.22–0.29, Mn 0.60–0.90, Cr 0.90–1.20, Mo 0.15–0.30
        { "34CrNiMo6", "EN 10083-3", { 0.34,  0.20,  0.65,  1.50,  1.50,  0.225,  0,  0,     7 } }, // C 0.30–0.38, Mn 0.50–0.80, Cr 1.30–1.70, Ni 1.30–1.70, Mo 0.15–0.30
        { "41Cr4",     "EN 10083-3", { 0.415, 0.20,  0.75,  1.05,  0,     0,      0,  0,     7 } }, // C 0.38–0.45, Mn 0.60–0.90, Cr 0.90–1.20
        { "42CrMo4",   "EN 10083-3", { 0.415, 0.20,  0.75,  1.05,  0,     0.225,  0,  0,     7 } }, // C 0.38–0.45, Mn 0.60–0.90, Cr 0.90–1.20, Mo 0.15–0.30
        { "51CrV4",    "EN 10083-3", { 0.51,  0.20,  0.90,  1.05,  0,     0,      0,  0.175, 7 } }, // C 0.47–0.55, Mn 0.70–1.10, Cr 0.90–1.20, V 0.10–0.25
        { "100Cr6",    "ISO 683-17", { 0.99,  0.25,  0.35,  1.475, 0,     0,      0,  0,     7 } }, // C 0.93–1.05, Si 0.15–0.35, Mn 0.25–0.45, Cr 1.35–1.60
    };
// clang-format on
static_assert(std::size(kSteels) == 13, "the calculator's menu has 13 steels");

} // namespace

std::span<const NamedSteel> namedSteels()
{
    return kSteels;
}

const NamedSteel* findNamedSteel(const char* name)
{
    for (const NamedSteel& steel : kSteels)
        if (std::strcmp(steel.name, name) == 0)
            return &steel;
    return nullptr;
}

} // namespace wb::steel
