// The named steels of the calculator's menu with their nominal compositions.
#pragma once

#include "Composition.h"

#include <span>

namespace wb::steel {

struct NamedSteel {
    const char* name; // as the norm writes it
    const char* norm;
    Composition composition;
};

std::span<const NamedSteel> namedSteels();
// nullptr if there is no steel of that name.
const NamedSteel* findNamedSteel(const char* name);

} // namespace wb::steel
