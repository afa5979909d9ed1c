#pragma once

#include "text/text.h"
#include "text/text_list.h"

namespace vantrel {

// Cookie lists are entries ("name=value", though any text is accepted) joined by "; ".

// Folds the cookies a server just set into the list sent with the request: the server's
// entries first, in its order, then the sent entries whose names it did not set; entries
// ending in "=deleted" are gone and exact repeats removed. Both arguments are written:
// cookies ends as the merged list (also returned), returnedCookies as its trimmed form.
Text MergeCookies(Text& cookies, Text& returnedCookies);

// The text before the entry's first "=" (the whole entry without one), blanks trimmed.
Text CookieName(const Text& entry);

// Whether some entry of list has this name, compared exactly.
bool HasCookieNamed(const TextList& list, const Text& name);

}  // namespace vantrel
