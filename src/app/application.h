#pragma once

#include "app/exit_routines.h"
#include "workflow/globals.h"

namespace vantrel {

// The program's start-up routine; there is nothing to prepare before the window.
int StartUpRoutine();

// The entry sequence: the application, the shared state, exitRoutine registered for the
// normal end of the process, the main window and its message loop. Returns 0 once the
// window is closed. Only a test passes another exit routine than FreeGlobals.
int RunApplication(int& argc, char** argv, ExitRoutine exitRoutine = FreeGlobals);

}  // namespace vantrel
