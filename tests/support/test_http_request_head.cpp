#include "support/test_http_request_head.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel::test {

namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    return lines;
}

// The target is whatever lies between the first and the last space, so one holding a space
// the client failed to encode still arrives whole.
void ParseRequestLine(std::string_view line, RecordedRequest& request) {
    const auto first = line.find(' ');
    request.method = line.substr(0, first);
    if (first == std::string_view::npos) return;
    const auto last = line.rfind(' ');
    if (last == first) {
        request.target = line.substr(first + 1);
        return;
    }
    request.target = line.substr(first + 1, last - first - 1);
    request.version = line.substr(last + 1);
}

// The value loses only the blanks after the colon; anything else stays as sent. A line without
// a colon becomes a name with an empty value, so a client that sends one is seen doing so.
std::pair<std::string, std::string> ParseHeaderLine(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return {std::string(line), std::string()};
    std::string_view value = line.substr(colon + 1);
    value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
    return {std::string(line.substr(0, colon)), std::string(value)};
}

}  // namespace

RecordedRequest ParseRequestHead(std::string head) {
    RecordedRequest request;
    const auto lines = SplitLines(head);
    if (!lines.empty()) ParseRequestLine(lines.front(), request);
    for (std::size_t index = 1; index < lines.size(); ++index) {
        request.headers.push_back(ParseHeaderLine(lines[index]));
    }
    request.head = std::move(head);
    return request;
}

}  // namespace vantrel::test
