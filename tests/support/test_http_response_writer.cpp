#include "support/test_http_response_writer.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/test_http_body_source.h"
#include "support/test_http_header_lookup.h"
#include "support/test_http_pacer.h"

namespace vantrel::test {

namespace {

// Large enough that a generated gigabyte streams at loopback speed.
constexpr std::size_t kLargestWrite = 256 * 1024;

enum class BodyEnding { kComplete, kReset, kStall };

struct BodyPlan {
    std::int64_t bytes;
    BodyEnding ending;
};

// A reset wins over a stall when a response asks for both.
BodyPlan PlanBody(const Response& response, std::int64_t bodySize) {
    if (response.resetAfterBytes >= 0) {
        return {std::min(response.resetAfterBytes, bodySize), BodyEnding::kReset};
    }
    if (response.stallAfterBytes >= 0) {
        return {std::min(response.stallAfterBytes, bodySize), BodyEnding::kStall};
    }
    return {bodySize, BodyEnding::kComplete};
}

// A handler that sends its own Content-Length or Transfer-Encoding frames the body itself, so
// a test can announce a length that does not match what is sent.
bool HasOwnFraming(const Response& response) {
    return HasHeader(response.headers, "Content-Length") ||
           HasHeader(response.headers, "Transfer-Encoding");
}

std::string FormatHead(const RecordedRequest& request, const Response& response,
                       std::int64_t bodySize) {
    std::string head = request.version == "HTTP/1.0" ? "HTTP/1.0 " : "HTTP/1.1 ";
    head += std::to_string(response.status) + ' ' + response.reason + "\r\n";
    for (const auto& [name, value] : response.headers) {
        // An empty name sends the value as the whole line, for lines no name and value spell,
        // such as "Set-Cookie:a=1" without a space.
        head += name.empty() ? value : name + ": " + value;
        head += "\r\n";
    }
    if (response.announceLength && !HasOwnFraming(response)) {
        head += "Content-Length: " + std::to_string(bodySize) + "\r\n";
    }
    head += "\r\n";
    return head;
}

bool SendBody(SocketStream& stream, const BodySource& body, std::int64_t count,
              std::int64_t bytesPerSecond) {
    const Pacer pacer(bytesPerSecond, kLargestWrite);
    std::vector<char> scratch(pacer.sliceSize());
    for (std::int64_t sent = 0; sent < count;) {
        if (!stream.SleepUntil(pacer.DueTime(sent))) return false;
        const auto slice = std::min(static_cast<std::int64_t>(scratch.size()), count - sent);
        const auto piece =
            body.Piece(sent, std::span(scratch).first(static_cast<std::size_t>(slice)));
        if (!stream.Write(piece)) return false;
        sent += slice;
    }
    return true;
}

}  // namespace

bool SendResponse(SocketStream& stream, const RecordedRequest& request, const Response& response) {
    if (response.closeWithoutResponse) return false;
    const BodySource body(response);
    if (!stream.Write(FormatHead(request, response, body.size()))) return false;
    const std::int64_t bodySize = request.method == "HEAD" ? 0 : body.size();
    const BodyPlan plan = PlanBody(response, bodySize);
    if (!SendBody(stream, body, plan.bytes, response.bytesPerSecond)) return false;
    switch (plan.ending) {
        case BodyEnding::kReset:
            stream.Abort();
            return false;
        case BodyEnding::kStall:
            stream.HoldUntilStopped();
            return false;
        case BodyEnding::kComplete:
            break;
    }
    const bool framed = response.announceLength || HasOwnFraming(response);
    return framed && !HasHeaderToken(response.headers, "Connection", "close");
}

}  // namespace vantrel::test
