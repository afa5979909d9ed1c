#pragma once

#include "text/text.h"
#include "text/text_list.h"

namespace vantrel {

// The pieces of text (split at separator, or its characters when bySeparator is false),
// each kept only at its first appearance, joined by separator.
Text JoinDistinct(const Text& text, const Text& separator, bool bySeparator);

// Fills list with the characters of text: a byte above 0x80 leads a two-byte character
// and CR LF counts as one. Returns the number of items.
int SplitCharacters(const Text& text, TextList& list);

// The position (from 1) of the first item equal to text, or -1.
int IndexOfText(const TextList& list, const Text& text);

}  // namespace vantrel
