#pragma once

#include <optional>

#include "text/text.h"

namespace vantrel {

// Position (from 1) of the first occurrence of sought at or after start, or -1. Walks the
// text one GBK character at a time, so a match never begins at the second byte of a
// two-byte character. foldCase makes ASCII letters equal regardless of case.
int FindText(const Text& text, const Text& sought, std::optional<int> start = std::nullopt,
             bool foldCase = false);

// Position of the last occurrence that ends before position start (the whole text when
// start is omitted), or -1. A given start of 1 or less always gives -1.
int FindTextReverse(const Text& text, const Text& sought, std::optional<int> start = std::nullopt,
                    bool foldCase = false);

}  // namespace vantrel
