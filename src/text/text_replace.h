#pragma once

#include <optional>

#include "text/text.h"

namespace vantrel {

// Replaces occurrences of sought from position start (default 1), at most count of them
// (omitted or negative: no limit). Note the flag's sense, the opposite of FindText's:
// caseSensitive false folds ASCII case.
Text ReplaceText(const Text& text, const Text& sought, const Text& replacement = Text(),
                 std::optional<int> start = std::nullopt, std::optional<int> count = std::nullopt,
                 bool caseSensitive = false);

}  // namespace vantrel
