// Micrograph window: the ferritic microstructure of nearly carbon-free iron.
#pragma once

#include "ironcarbon/MicrographForm.h"

namespace wb {

class TFormBildFe : public TMicrographForm {
public:
    TFormBildFe();
};

extern TFormBildFe* FormBildFe;

} // namespace wb
