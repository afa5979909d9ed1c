#include "text/regex_object.h"

#include <string>
#include <string_view>

#include "text/code_page.h"
#include "text/regex_matches.h"
#include "text/regex_replacement.h"
#include "text/regex_search.h"
#include "text/text_between.h"
#include "text/text_search.h"

namespace vantrel {

namespace {

constexpr int kTextNotFound = -2;

// The engine works on characters, so patterns and subjects cross to it as UTF-16 and
// everything read back crosses to GBK again.
std::u16string ToUnits(const Text& text) {
    const Bytes wide = TextToUtf16(text, kGbkCodePage);
    // The conversion ends with a zero unit, which is no part of the text.
    std::u16string units(wide.empty() ? 0 : wide.length() / 2 - 1, u'\0');
    const std::string_view bytes = wide.view();
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return units;
}

Text FromUnits(std::u16string_view units) {
    std::string bytes;
    bytes.reserve(2 * units.size());
    for (const char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return Utf16ToText(Bytes(bytes), kGbkCodePage);
}

}  // namespace

// Everything one Create produced. A fresh object holds an empty one, which reads as no
// pattern and no matches.
struct RegexObject::Search {
    bool ignoreCase = true;
    std::u16string pattern;
    std::u16string subject;
    std::optional<RegexMatches> matches;  // none for an invalid pattern or a search given up

    std::optional<RegexMatches::Span> Group(int match, int group) const {
        return matches ? matches->Group(match - 1, group) : std::nullopt;
    }

    Text Piece(int match, int group, int* position) const {
        const auto span = Group(match, group);
        if (!span) {
            if (position) *position = kTextNotFound;
            return Text();
        }
        Text piece = FromUnits(std::u16string_view(subject).substr(span->begin, span->length()));
        if (position) *position = BytePosition(match, piece);
        return piece;
    }

    // The engine knows only the character offset of a match, which is taken as a byte
    // position to search the subject for the piece from. A GBK character has at least as
    // many bytes as UTF-16 units, so the search starts at or before the match and finds it
    // unless an equal text begins in between. A group has no offset of its own and is
    // searched for from its match's offset.
    int BytePosition(int match, const Text& piece) const {
        const RegexMatches::Span whole = *Group(match, 0);
        const int found =
            FindText(FromUnits(subject), piece, static_cast<int>(whole.begin), ignoreCase);
        return found == -1 ? kTextNotFound : found - 1;
    }
};

RegexObject::RegexObject() : search_(std::make_unique<Search>()) {}

RegexObject::~RegexObject() = default;

bool RegexObject::Create(const Text& pattern, const Text& subject,
                         std::optional<bool> caseSensitive, std::optional<bool> multiline,
                         std::optional<bool> global, std::optional<bool> quoteToken) {
    const RegexOptions options{.ignoreCase = !caseSensitive.value_or(false),
                               .multiline = multiline.value_or(true),
                               .global = global.value_or(true)};
    auto search = std::make_unique<Search>();
    search->ignoreCase = options.ignoreCase;
    search->pattern = ToUnits(quoteToken.value_or(false) ? ResolveQuoteTokens(pattern) : pattern);
    search->subject = ToUnits(subject);
    search->matches = FindMatches(search->pattern, search->subject, options);
    search_ = std::move(search);
    return search_->matches.has_value();
}

Text RegexObject::Pattern() const { return FromUnits(search_->pattern); }

Text RegexObject::Replace(const Text& replacement) const {
    if (!search_->matches) return Text();
    return FromUnits(ReplaceMatches(search_->subject, *search_->matches, ToUnits(replacement)));
}

int RegexObject::MatchCount() const { return search_->matches ? search_->matches->Count() : 0; }

Text RegexObject::MatchText(int match, int* position) const {
    return search_->Piece(match, 0, position);
}

Text RegexObject::SubmatchText(int match, int submatch, int* position) const {
    // Group 0 is the whole match, which no submatch number may reach.
    constexpr int kNoGroup = -1;
    return search_->Piece(match, submatch >= 1 ? submatch : kNoGroup, position);
}

int RegexObject::SubmatchCount() const {
    return MatchCount() > 0 ? search_->matches->GroupCount() : 0;
}

}  // namespace vantrel
