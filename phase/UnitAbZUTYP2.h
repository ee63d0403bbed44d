// Thermal analysis of a system soluble when liquid, insoluble when solid: eutectic cooling curves build its diagram.
#pragma once

#include "phase/ThermalAnalysisForm.h"

namespace wb {

// The lesson's tables: its curves, connecting lines, diagram and pictures.
namespace abzutyp2 {
const thermal::Lesson& lesson();
} // namespace abzutyp2

class TFormAbZuTyp2 : public TThermalAnalysisForm {
public:
    TFormAbZuTyp2();
};

extern TFormAbZuTyp2* FormAbZuTyp2;

} // namespace wb
