// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.3 % carbon.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildC03 : public TMicrographForm {
public:
    TFormBildC03();
};

extern TFormBildC03* FormBildC03;

} // namespace wb
