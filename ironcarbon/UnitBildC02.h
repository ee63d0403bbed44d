// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.2 % carbon.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildC02 : public TMicrographForm {
public:
    TFormBildC02();
};

extern TFormBildC02* FormBildC02;

} // namespace wb
