// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.7 % carbon.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildC07 : public TMicrographForm {
public:
    TFormBildC07();
};

extern TFormBildC07* FormBildC07;

} // namespace wb
