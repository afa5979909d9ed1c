#pragma once

#include <optional>

#include "text/text_list.h"

namespace vantrel {

// Splits at every exact occurrence of delimiter (default ","). A delimiter at the start or
// two adjacent ones give empty items; a delimiter at the end gives no empty last item. A
// given but empty delimiter gives the whole text as one item; maxItems of 0 or less gives
// no items, and once maxItems items are collected the rest of the text is dropped.
TextList SplitText(const Text& text, const std::optional<Text>& delimiter = std::nullopt,
                   std::optional<int> maxItems = std::nullopt);

}  // namespace vantrel
