// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.5 % carbon.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildC05 : public TMicrographForm {
public:
    TFormBildC05();
};

extern TFormBildC05* FormBildC05;

} // namespace wb
