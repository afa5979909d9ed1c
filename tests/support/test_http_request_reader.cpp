#include "support/test_http_request_reader.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "support/test_http_header_lookup.h"
#include "support/test_http_request_head.h"

namespace vantrel::test {

namespace {

// A client that never ends its head must not make the server grow without bound.
constexpr std::size_t kLongestHead = 1 << 20;
constexpr std::size_t kReadSize = 64 * 1024;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeadEnd = "\r\n\r\n";

// A whole number in `base` with nothing but blanks after it.
std::optional<std::uint64_t> ParseCount(std::string_view text, int base) {
    text = text.substr(0, text.find_last_not_of(" \t") + 1);
    std::uint64_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return count;
}

// "1a;name=value": the size in hex, chunk extensions ignored.
std::optional<std::uint64_t> ParseChunkSize(std::string_view line) {
    return ParseCount(line.substr(0, line.find(';')), 16);
}

}  // namespace

std::optional<RecordedRequest> RequestReader::ReadHead() {
    const auto end = FindInPending(kHeadEnd);
    if (!end) return {};
    std::string head = pending_.substr(0, *end + kLineEnd.size());
    pending_.erase(0, *end + kHeadEnd.size());
    return ParseRequestHead(std::move(head));
}

bool RequestReader::ReadBody(RecordedRequest& request) {
    if (HasHeaderToken(request.headers, "Transfer-Encoding", "chunked")) {
        return AnswerExpectation(request) && ReadChunkedBody(request.body);
    }
    const auto length = FindHeader(request.headers, "Content-Length");
    if (length == request.headers.end()) return true;
    const auto size = ParseCount(length->second, 10);
    if (!size) return false;
    return *size == 0 || (AnswerExpectation(request) && TakeBytes(*size, request.body));
}

bool RequestReader::ReadMore() {
    std::array<char, kReadSize> buffer;
    const std::size_t received = stream_.Read(buffer);
    pending_.append(buffer.data(), received);
    return received > 0;
}

std::optional<std::size_t> RequestReader::FindInPending(std::string_view marker) {
    std::size_t searchFrom = 0;
    for (;;) {
        const auto found = pending_.find(marker, searchFrom);
        if (found != std::string::npos) return found;
        if (pending_.size() > kLongestHead) return {};
        // The marker may straddle what is here and what comes next.
        searchFrom = pending_.size() - std::min(pending_.size(), marker.size() - 1);
        if (!ReadMore()) return {};
    }
}

bool RequestReader::ReadLine(std::string& line) {
    const auto end = FindInPending(kLineEnd);
    if (!end) return false;
    line.assign(pending_, 0, *end);
    pending_.erase(0, *end + kLineEnd.size());
    return true;
}

bool RequestReader::TakeBytes(std::size_t count, std::string& destination) {
    while (pending_.size() < count) {
        if (!ReadMore()) return false;
    }
    destination.append(pending_, 0, count);
    pending_.erase(0, count);
    return true;
}

bool RequestReader::ReadChunkedBody(std::string& body) {
    std::string line;
    for (;;) {
        if (!ReadLine(line)) return false;
        const auto size = ParseChunkSize(line);
        if (!size) return false;
        if (*size == 0) break;
        if (!TakeBytes(*size, body) || !ReadLine(line) || !line.empty()) return false;
    }
    // Trailer fields, if any, up to the empty line; nothing records them.
    do {
        if (!ReadLine(line)) return false;
    } while (!line.empty());
    return true;
}

// Without the interim answer such a client waits a second before it sends the body anyway.
bool RequestReader::AnswerExpectation(const RecordedRequest& request) {
    if (request.version != "HTTP/1.1" ||
        !HasHeaderToken(request.headers, "Expect", "100-continue")) {
        return true;
    }
    return stream_.Write("HTTP/1.1 100 Continue\r\n\r\n");
}

}  // namespace vantrel::test
