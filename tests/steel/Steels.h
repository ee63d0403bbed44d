// Compositions the steel tests share.
#pragma once

#include "steel/Composition.h"

#include <gtest/gtest.h>

namespace wbtest {

// A composition that must be accepted.
inline wb::steel::Steel steelOf(const wb::steel::Composition& composition)
{
    auto result = wb::steel::Steel::from(composition);
    if (auto* refusal = std::get_if<wb::steel::Refusal>(&result)) {
        ADD_FAILURE() << wb::steel::refusalMessage(*refusal);
        return std::get<wb::steel::Steel>(wb::steel::Steel::from({}));
    }
    return std::get<wb::steel::Steel>(result);
}

// C45 as the calculator's menu gives it (mid of EN 10083-2): 0.46 C, 0.20 Si, 0.65 Mn.
inline const wb::steel::Composition kC45 { .C = 0.46, .Si = 0.20, .Mn = 0.65 };

} // namespace wbtest
