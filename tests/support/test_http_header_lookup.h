#pragma once

#include <string_view>

#include "support/test_http_server.h"

namespace vantrel::test {

// Header names, and the words inside header values, compare without case.
bool EqualsIgnoringCase(std::string_view left, std::string_view right);

HeaderLines::const_iterator FindHeader(const HeaderLines& headers, std::string_view name);
bool HasHeader(const HeaderLines& headers, std::string_view name);

// Whether any `name` header lists `token` among its comma-separated words, as in
// "Connection: keep-alive, Upgrade".
bool HasHeaderToken(const HeaderLines& headers, std::string_view name, std::string_view token);

}  // namespace vantrel::test
