#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "support/test_http_server.h"

namespace vantrel::test {

// A response body read piece by piece, whether the response holds it or generates it.
class BodySource {
public:
    explicit BodySource(const Response& response) : response_(response) {}

    std::int64_t size() const;
    // The bytes from `offset` on, as many as `scratch` holds or remain. A held body is handed
    // out in place; a generated one is written into `scratch`.
    std::string_view Piece(std::int64_t offset, std::span<char> scratch) const;

private:
    bool generated() const { return static_cast<bool>(response_.generator); }

    const Response& response_;
};

}  // namespace vantrel::test
