// Continuous ZTA diagram of an unalloyed steel with 0.45 % C: austenitising at chosen heating rates.
#pragma once

#include "timetemp/ZtaConForm.h"

namespace wb {

// The lesson's picture, runs and text as data, so that they can be checked without a form.
namespace ztacon045 {
const ztacon::Lesson& lesson();
} // namespace ztacon045

class TFormZTAcon045 : public TZtaConForm {
public:
    TFormZTAcon045();
};

extern TFormZTAcon045* FormZTAcon045;

} // namespace wb
