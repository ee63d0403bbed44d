// Continuous ZTA diagram of an unalloyed steel with 0.70 % C: austenitising at chosen heating rates.
#pragma once

#include "timetemp/ZtaConForm.h"

namespace wb {

// The lesson's picture, runs and text as data, so that they can be checked without a form.
namespace ztacon07 {
const ztacon::Lesson& lesson();
} // namespace ztacon07

class TFormZTAcon07 : public TZtaConForm {
public:
    TFormZTAcon07();

    // In this steel the carbides dissolve well above A(c3): a fourth line, A(c1e), has its timer.
    TTimer TimerAcm { this, QStringLiteral("TimerAcm"), &TFormZTAcon07::TimerAcmTimer, 50 };

private:
    void TimerAcmTimer();
};

extern TFormZTAcon07* FormZTAcon07;

} // namespace wb
