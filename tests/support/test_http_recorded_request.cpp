#include <algorithm>

#include "support/test_http_header_lookup.h"
#include "support/test_http_server.h"

namespace vantrel::test {

std::string RecordedRequest::Header(std::string_view name) const {
    const auto found = FindHeader(headers, name);
    return found == headers.end() ? std::string() : found->second;
}

int RecordedRequest::HeaderCount(std::string_view name) const {
    return static_cast<int>(std::ranges::count_if(
        headers, [&](const auto& header) { return EqualsIgnoringCase(header.first, name); }));
}

}  // namespace vantrel::test
