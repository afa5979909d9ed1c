#include "text/text_case.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

TEST(TextCase, ChangesOnlyLettersOfOneByteCharacters) {
    EXPECT_EQ(ToUpper(T("abz-AZ\xB0"
                        "a")),
              T("ABZ-AZ\xB0"
                "a"));
    EXPECT_EQ(ToLower(T("ABZ-az\xB0"
                        "A")),
              T("abz-az\xB0"
                "A"));
    EXPECT_EQ(ToLower(T("HTTPS://")), T("https://"));
}

}  // namespace
}  // namespace vantrel
