// The program as a whole: start-up of all forms and the message loop; shared by the
// executable and the headless driver.
#pragma once

namespace wb {

// Application.Initialize, creation of every form in its fixed order, Application.Run.
// Returns the exit code.
int runProgram();
// Creates the forms (start-up step 3) without running the message loop.
void createAllForms();
// Destroys the forms while Qt is still up.
void shutdownProgram();

} // namespace wb
