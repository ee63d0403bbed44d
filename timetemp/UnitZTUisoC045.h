// Isothermal ZTU diagram of an unalloyed steel with 0.45 % C: transformation while holding at 20, 330, 530 and 670 °C.
#pragma once

#include "timetemp/ZtuIsoForm.h"

namespace wb {

// The lesson's picture, runs and text as data, so that they can be checked without a form.
namespace ztuiso045 {
const ztuiso::IsoLesson& lesson();
} // namespace ztuiso045

class TFormZTUi045 : public TZtuIsoForm {
public:
    TFormZTUi045();
};

extern TFormZTUi045* FormZTUi045;

} // namespace wb
