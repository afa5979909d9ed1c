#include "http/cookie_merge.h"

#include "http/join_distinct.h"
#include "text/text_search.h"
#include "text/text_slice.h"
#include "text/text_split.h"
#include "text/text_trim.h"

namespace vantrel {
namespace {

const Text kSeparator("; ");
const Text kDeletedValue("=deleted");

// A final ";" becomes the separator "; ", so splitting leaves no piece for it.
void TidyCookieList(Text& list) {
    list = TrimText(list);
    if (TextRight(list, 1) == Text(";")) list += Text(" ");
}

}  // namespace

Text MergeCookies(Text& cookies, Text& returnedCookies) {
    TidyCookieList(cookies);
    TidyCookieList(returnedCookies);
    const TextList sent = SplitText(cookies, kSeparator);
    TextList received = SplitText(returnedCookies, kSeparator);

    for (const Text& entry : sent) {
        if (!HasCookieNamed(received, CookieName(entry))) received.Append(entry);
    }

    cookies = Text();
    for (const Text& entry : received) {
        if (TextRight(entry, kDeletedValue.length()) != kDeletedValue)
            cookies += entry + kSeparator;
    }
    cookies = TextLeft(cookies, TextLength(cookies) - kSeparator.length());
    cookies = JoinDistinct(cookies, kSeparator, true);
    return cookies;
}

Text CookieName(const Text& entry) {
    const int equals = FindText(entry, Text("="));
    return TrimText(equals == -1 ? entry : TextLeft(entry, equals - 1));
}

bool HasCookieNamed(const TextList& list, const Text& name) {
    for (const Text& entry : list) {
        if (CompareText(CookieName(entry), name) == 0) return true;
    }
    return false;
}

}  // namespace vantrel
