#include "http/url_parts.h"

#include "text/text_between.h"
#include "text/text_case.h"
#include "text/text_list.h"
#include "text/text_number.h"
#include "text/text_replace.h"
#include "text/text_search.h"
#include "text/text_slice.h"
#include "text/text_split.h"

namespace vantrel {
namespace {

const Text kHttp("http://");
const Text kHttps("https://");
const Text kDot(".");
const Text kSlash("/");
const Text kColon(":");

// The host as written after the scheme; an address without one counts as plain http.
Text HostInAddress(Text s, bool domainOnly) {
    if (TextRight(s, 1) != kSlash) s += kSlash;
    if (TextLeft(s, 8) == kHttps) {
        s = TextBetween(s, kHttps, kSlash);
    } else {
        if (FindText(s, kHttp) == -1) s = kHttp + s;
        s = TextBetween(s, kHttp, kSlash);
    }
    if (domainOnly) {
        const TextList labels = SplitText(s, kDot);
        const int count = labels.Count();
        if (count >= 2) s = labels.Item(count - 1) + kDot + labels.Item(count);
    }
    return s;
}

// The last labelDepth + 2 labels of the host (one fewer with domainOnly), counted from
// the dots at the end of the text.
Text HostByLabels(Text s, bool domainOnly, int labelDepth) {
    s = ReplaceText(s, kHttp, Text(), std::nullopt, std::nullopt, true);
    s = ReplaceText(s, kHttps, Text(), std::nullopt, std::nullopt, true);
    if (const int slash = FindText(s, kSlash); slash != -1) s = TextLeft(s, slash - 1);

    const int length = TextLength(s);
    int boundary = length;
    for (int i = 0; i < labelDepth && boundary != -1; ++i) {
        boundary = FindTextReverse(s, kDot, boundary);
    }
    const int lastKept = FindTextReverse(s, kDot, boundary);
    if (domainOnly) return lastKept == -1 ? s : TextRight(s, length - lastKept);
    if (lastKept == -1) return s;
    const int firstKept = FindTextReverse(s, kDot, lastKept);
    return firstKept == -1 ? s : TextRight(s, length - firstKept);
}

}  // namespace

Text UrlHost(const Text& url, bool domainOnly, bool keepPort, std::optional<int> labelDepth) {
    const Text lower = ToLower(url);
    const Text host = labelDepth ? HostByLabels(lower, domainOnly, *labelDepth)
                                 : HostInAddress(lower, domainOnly);
    if (keepPort) return host;
    const int colon = FindText(host, kColon);
    return colon == -1 ? host : TextLeft(host, colon - 1);
}

int UrlPort(const Text& url) {
    const Text hostAndPort = UrlHost(url, false, true);
    if (const int colon = FindTextReverse(hostAndPort, kColon); colon != -1) {
        return ToInt(TextRight(hostAndPort, TextLength(hostAndPort) - colon));
    }
    return TextLeft(ToLower(url), 5) == Text("https") ? 443 : 80;
}

Text UrlPath(const Text& url) {
    const int hostAt = FindText(url, UrlHost(url), 1, true);
    const int slash = FindText(url, kSlash, hostAt, true);
    if (slash <= 0) return kSlash;
    return TextRight(url, TextLength(url) - slash + 1);
}

}  // namespace vantrel
