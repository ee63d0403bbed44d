// Isothermal ZTU diagram of an unalloyed steel with 0.70 % C: transformation while holding at 20, 330, 530 and 670 °C.
#pragma once

#include "timetemp/ZtuIsoForm.h"

namespace wb {

// The lesson's picture, runs and text as data, so that they can be checked without a form.
namespace ztuiso07 {
const ztuiso::IsoLesson& lesson();
} // namespace ztuiso07

class TFormZTUi07 : public TZtuIsoForm {
public:
    TFormZTUi07();
};

extern TFormZTUi07* FormZTUi07;

} // namespace wb
