#include "http/response_cookies.h"

#include "text/text_between.h"
#include "text/text_case.h"
#include "text/text_list.h"
#include "text/text_replace.h"
#include "text/text_search.h"
#include "text/text_slice.h"
#include "text/text_split.h"
#include "text/text_trim.h"

namespace vantrel {
namespace {

const Text kSetCookie("Set-Cookie:");

bool IsSetCookieLine(const Text& line) {
    const int colon = FindText(line, Text(":"));
    return colon != -1 && ToLower(TextLeft(line, colon - 1)) == Text("set-cookie");
}

// Expiry, path, domain and the other attributes follow the first ";" and are dropped.
Text CookieEntry(const Text& line) {
    if (FindText(line, Text(";")) != -1)
        return TrimText(TextBetween(line, kSetCookie, Text(";"), 0, true));
    return TrimText(ReplaceText(line, kSetCookie));
}

}  // namespace

Text CollectCookies(const Text& rawHeaders) {
    Text cookies;
    for (const Text& line : SplitText(rawHeaders, Text("\r\n"))) {
        if (IsSetCookieLine(line)) cookies += CookieEntry(line) + Text("; ");
    }
    return TextLeft(cookies, TextLength(cookies) - 2);
}

}  // namespace vantrel
