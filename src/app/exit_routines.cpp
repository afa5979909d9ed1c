#include "app/exit_routines.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vantrel {

namespace {

// Constructed before RunExitRoutines is handed to atexit, so it is destroyed only after
// the routines have run.
std::vector<ExitRoutine>& ExitRoutines() {
    static std::vector<ExitRoutine> routines;
    return routines;
}

// atexit alone would run the routines last registered first.
void RunExitRoutines() {
    for (const ExitRoutine routine : ExitRoutines()) routine();
}

}  // namespace

void RegisterExitRoutine(ExitRoutine routine) {
    std::vector<ExitRoutine>& routines = ExitRoutines();
    if (std::ranges::find(routines, routine) != routines.end()) return;
    if (routines.empty()) std::atexit(RunExitRoutines);
    routines.push_back(routine);
}

}  // namespace vantrel
