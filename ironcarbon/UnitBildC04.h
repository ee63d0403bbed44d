// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.4 % carbon.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildC04 : public TMicrographForm {
public:
    TFormBildC04();
};

extern TFormBildC04* FormBildC04;

} // namespace wb
