#include "text/regex_replacement.h"

#include <optional>

namespace vantrel {

namespace {

struct Reference {
    std::u16string_view text;
    std::size_t length;  // of the reference in the replacement, dollar sign included
};

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// $nn names group nn when the pattern has that many groups; otherwise $n names group n and
// the second digit is literal, as JavaScript reads it.
std::optional<Reference> GroupReference(std::u16string_view subject, const RegexMatches& matches,
                                        int match, std::u16string_view digits) {
    const auto groupText = [&](int group, std::size_t length) {
        const auto span = matches.Group(match, group);
        return Reference{span ? subject.substr(span->begin, span->length()) : std::u16string_view(),
                         length};
    };
    const int first = digits[0] - u'0';
    if (digits.size() > 1 && IsDigit(digits[1])) {
        const int group = first * 10 + (digits[1] - u'0');
        if (group >= 1 && group <= matches.GroupCount()) return groupText(group, 3);
    }
    if (first >= 1 && first <= matches.GroupCount()) return groupText(first, 2);
    return std::nullopt;
}

// The reference at the start of tail, which begins with a dollar sign.
std::optional<Reference> ReadReference(std::u16string_view subject, const RegexMatches& matches,
                                       int match, std::u16string_view tail) {
    if (tail.size() < 2) return std::nullopt;
    const RegexMatches::Span whole = *matches.Group(match, 0);
    switch (tail[1]) {
        case u'$':
            return Reference{u"$", 2};
        case u'&':
            return Reference{subject.substr(whole.begin, whole.length()), 2};
        case u'`':
            return Reference{subject.substr(0, whole.begin), 2};
        case u'\'':
            return Reference{subject.substr(whole.end), 2};
        default:
            if (!IsDigit(tail[1])) return std::nullopt;
            return GroupReference(subject, matches, match, tail.substr(1, 2));
    }
}

void AppendExpansion(std::u16string& out, std::u16string_view subject, const RegexMatches& matches,
                     int match, std::u16string_view replacement) {
    while (!replacement.empty()) {
        const std::size_t dollar = replacement.find(u'$');
        out.append(replacement.substr(0, dollar));
        if (dollar == std::u16string_view::npos) return;
        replacement.remove_prefix(dollar);
        const auto reference = ReadReference(subject, matches, match, replacement);
        out.append(reference ? reference->text : u"$");
        replacement.remove_prefix(reference ? reference->length : 1);
    }
}

}  // namespace

std::u16string ReplaceMatches(std::u16string_view subject, const RegexMatches& matches,
                              std::u16string_view replacement) {
    std::u16string out;
    out.reserve(subject.size());
    std::size_t copied = 0;
    for (int match = 0; match < matches.Count(); ++match) {
        const RegexMatches::Span whole = *matches.Group(match, 0);
        out.append(subject.substr(copied, whole.begin - copied));
        AppendExpansion(out, subject, matches, match, replacement);
        copied = whole.end;
    }
    out.append(subject.substr(copied));
    return out;
}

}  // namespace vantrel
