#include "support/test_http_body_source.h"

#include <algorithm>

namespace vantrel::test {

std::int64_t BodySource::size() const {
    return generated() ? std::max<std::int64_t>(response_.generatedSize, 0)
                       : static_cast<std::int64_t>(response_.body.size());
}

std::string_view BodySource::Piece(std::int64_t offset, std::span<char> scratch) const {
    const auto count = static_cast<std::size_t>(
        std::clamp<std::int64_t>(size() - offset, 0, static_cast<std::int64_t>(scratch.size())));
    if (!generated()) {
        return std::string_view(response_.body).substr(static_cast<std::size_t>(offset), count);
    }
    response_.generator(offset, scratch.first(count));
    return std::string_view(scratch.data(), count);
}

}  // namespace vantrel::test
