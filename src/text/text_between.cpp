#include "text/text_between.h"

#include "text/code_page.h"
#include "text/text_replace.h"
#include "text/text_search.h"
#include "text/text_slice.h"

namespace vantrel {

const Text& QuoteToken() {
    static const Text token = Utf8ToText("#引号");
    return token;
}

Text ResolveQuoteTokens(const Text& text) {
    return ReplaceText(text, QuoteToken(), Text("\""), std::nullopt, std::nullopt, true);
}

Text TextBetween(const Text& text, const Text& left, const Text& right, int from, bool ignoreCase) {
    const Text leftMarker = ResolveQuoteTokens(left);
    const Text rightMarker = ResolveQuoteTokens(right);
    const int leftAt = FindText(text, leftMarker, from, ignoreCase);
    if (leftAt == -1) return Text();
    const int pieceStart = leftAt + TextLength(leftMarker);
    const int rightAt = FindText(text, rightMarker, pieceStart, ignoreCase);
    if (rightAt == -1) return Text();
    return TextMid(text, pieceStart, rightAt - pieceStart);
}

Text TextBefore(const Text& text, const Text& marker, int from, bool ignoreCase) {
    int markerAt;
    if (from < 0) {
        const int back = from == -1 ? 0 : -from;
        markerAt = FindTextReverse(text, marker, TextLength(text) - back, ignoreCase);
    } else {
        markerAt = FindText(text, marker, from == 0 ? 1 : from, ignoreCase);
    }
    return markerAt == -1 ? Text() : TextLeft(text, markerAt - 1);
}

}  // namespace vantrel
