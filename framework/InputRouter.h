// The application-wide event filter of the program. Internal to the framework.
#pragma once

#include <QObject>

namespace wb {

// The application-wide event filter that turns Qt key presses on form windows into the forms'
// own key handling and keeps the mouse away from forms that take none. Installed on the
// application when it is not headless.
QObject& inputRouter();

} // namespace wb
