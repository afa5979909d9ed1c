#include "support/test_http_header_lookup.h"

#include <algorithm>
#include <cctype>

namespace vantrel::test {

namespace {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ListsToken(std::string_view list, std::string_view token) {
    for (;;) {
        const auto comma = list.find(',');
        if (EqualsIgnoringCase(TrimSpaces(list.substr(0, comma)), token)) return true;
        if (comma == std::string_view::npos) return false;
        list.remove_prefix(comma + 1);
    }
}

}  // namespace

bool EqualsIgnoringCase(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right, [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    });
}

HeaderLines::const_iterator FindHeader(const HeaderLines& headers, std::string_view name) {
    return std::ranges::find_if(
        headers, [&](const auto& header) { return EqualsIgnoringCase(header.first, name); });
}

bool HasHeader(const HeaderLines& headers, std::string_view name) {
    return FindHeader(headers, name) != headers.end();
}

bool HasHeaderToken(const HeaderLines& headers, std::string_view name, std::string_view token) {
    return std::ranges::any_of(headers, [&](const auto& header) {
        return EqualsIgnoringCase(header.first, name) && ListsToken(header.second, token);
    });
}

}  // namespace vantrel::test
