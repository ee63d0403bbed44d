// Thermal analysis of a system completely soluble, liquid and solid: six cooling curves build its diagram.
#pragma once

#include "phase/ThermalAnalysisForm.h"

namespace wb {

// The lesson's tables: its curves, connecting lines, diagram and pictures.
namespace abzutyp1 {
const thermal::Lesson& lesson();
} // namespace abzutyp1

class TFormAbZuTyp1 : public TThermalAnalysisForm {
public:
    TFormAbZuTyp1();
};

extern TFormAbZuTyp1* FormAbZuTyp1;

} // namespace wb
