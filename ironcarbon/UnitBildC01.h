// Micrograph window: the ferrite-pearlite microstructure of a steel with 0.1 % carbon.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildC01 : public TMicrographForm {
public:
    TFormBildC01();
};

extern TFormBildC01* FormBildC01;

} // namespace wb
