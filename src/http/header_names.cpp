#include "http/header_names.h"

#include "text/text_case.h"
#include "text/text_list.h"
#include "text/text_search.h"
#include "text/text_slice.h"
#include "text/text_split.h"
#include "text/text_trim.h"

namespace vantrel {
namespace {

const Text kLineBreak("\r\n");
const Text kColon(":");
const Text kHyphen("-");

Text CapitaliseWords(const Text& name) {
    if (FindText(name, kHyphen) == -1) return CapitaliseFirst(name);
    Text joined;
    bool first = true;
    for (const Text& word : SplitText(name, kHyphen)) {
        if (!first) joined += kHyphen;
        joined += CapitaliseFirst(word);
        first = false;
    }
    return joined;
}

}  // namespace

Text NormaliseHeaderNames(const Text& block) {
    Text out;
    for (const Text& line : SplitText(block, kLineBreak)) {
        const int colon = FindText(line, kColon);
        if (colon == -1) continue;
        const Text name = CapitaliseWords(TextMid(line, 1, colon - 1));
        // The rest is taken by length, so a trailing "-" that the split lost comes back.
        out += name + TextRight(line, TextLength(line) - TextLength(name)) + kLineBreak;
    }
    return TextLeft(out, TextLength(out) - 2);
}

Text CapitaliseFirst(const Text& text) {
    return ToUpper(TextLeft(text, 1)) + TextMid(text, 2, TextLength(text));
}

Text HeaderValue(const Text& text) {
    const int colon = FindText(text, kColon);
    if (colon == -1) return Text();
    return TrimText(TextRight(text, TextLength(text) - colon));
}

}  // namespace vantrel
