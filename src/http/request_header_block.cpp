#include "http/request_header_block.h"

#include "http/header_names.h"
#include "http/http_request.h"
#include "text/text_between.h"
#include "text/text_search.h"
#include "text/text_trim.h"

namespace vantrel {
namespace {

const Text kLineBreak("\r\n");
constexpr const char* kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

// Searched without case over the whole block, so a name inside another header's value
// counts as present too.
bool Mentions(const Text& block, const char* name) {
    return FindText(block, Text(name), 1, true) != -1;
}

}  // namespace

Text RequestAgent(const Text& block) {
    if (!Mentions(block, "User-Agent:")) return Text(kDefaultAgent);
    const Text agent = TrimText(TextBetween(block + kLineBreak, Text("User-Agent:"), kLineBreak));
    return agent.empty() ? HeaderValue(block) : agent;
}

Text CompleteHeaderBlock(Text block, const Text& url, int method) {
    if (block.empty()) block = Text("Accept: */*");
    if (!Mentions(block, "Accept:")) block += Text("\r\nAccept: */*");
    if (!Mentions(block, "Referer:")) block += Text("\r\nReferer: ") + url;
    if (!Mentions(block, "Accept-Language:")) block += Text("\r\nAccept-Language: zh-cn");
    if (method == kHttpPost && !Mentions(block, "Content-Type:")) {
        block += Text("\r\nContent-Type: application/x-www-form-urlencoded");
    }
    return block;
}

Text AppendCookieLine(const Text& block, const Text& cookies) {
    if (FindText(cookies, Text("Cookie:")) == -1) return block + Text("\r\nCookie: ") + cookies;
    return block + kLineBreak + cookies;
}

}  // namespace vantrel
