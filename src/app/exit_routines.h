#pragma once

namespace vantrel {

using ExitRoutine = void (*)();

// Runs routine when the process ends normally, after the routines registered before it; a
// routine already registered is not added again. A fatal error report ends the process
// without running any of them.
void RegisterExitRoutine(ExitRoutine routine);

}  // namespace vantrel
