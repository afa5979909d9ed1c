#pragma once

#include <cstddef>
#include <optional>

#include "text/text.h"

namespace vantrel {

// Shows the full report text (GBK) to the user. Without a window it goes to standard
// error; the application installs a message box once its window exists.
using RuntimeErrorPresenter = void (*)(const Text& report);

void SetRuntimeErrorPresenter(RuntimeErrorPresenter presenter);

// The report exactly as the user sees it: the heading, the code when there is one and
// the message when there is one, separated by blank lines.
Text RuntimeErrorReport(std::optional<int> code, const Text& message);

// Presents the report, then ends the process with exit code -1 without running the exit
// routines: the state the error was found in is not trusted to be released cleanly.
[[noreturn]] void ReportRuntimeError(std::optional<int> code, const Text& message);

[[noreturn]] void ReportAllocationFailure(std::size_t bytes);

}  // namespace vantrel
