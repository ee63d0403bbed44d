// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.6 % carbon.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildC06 : public TMicrographForm {
public:
    TFormBildC06();
};

extern TFormBildC06* FormBildC06;

} // namespace wb
