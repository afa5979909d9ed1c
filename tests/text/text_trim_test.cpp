#include "text/text_trim.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

TEST(TrimText, RemovesSpacesAndFullWidthSpacesOnly) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"  a b  ", "a b"},
        {"\ta ", "\ta"},
        {"\xA1\xA1"
         "a\xA1\xA1",
         "a"},
        {"   ", ""},
        {"\xA1\xA1 \xA1\xA1", ""},
        {"", ""},
        {"a\r\n", "a\r\n"},
        // A1 A1 straddling two characters is no blank: B0 A1 is one character.
        {"\xB0\xA1\xA1", "\xB0\xA1\xA1"},
        {"\xB0\xA1\xA1\xA1", "\xB0\xA1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimText(T(c.text)), T(c.expected)) << "'" << c.text << "'";
    }
}

}  // namespace
}  // namespace vantrel
