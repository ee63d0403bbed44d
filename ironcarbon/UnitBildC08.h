// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.8 % carbon.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildC08 : public TMicrographForm {
public:
    TFormBildC08();
};

extern TFormBildC08* FormBildC08;

} // namespace wb
