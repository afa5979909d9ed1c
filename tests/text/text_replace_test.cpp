#include "text/text_replace.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

// The flag's sense is the opposite of FindText's: true means case matters.
TEST(ReplaceText, CaseSensitiveFlagRunsOppositeToFindText) {
    const Text line = T("Set-Cookie: a=1");
    EXPECT_EQ(ReplaceText(line, T("set-cookie:"), Text(), std::nullopt, std::nullopt, false),
              T(" a=1"));
    EXPECT_EQ(ReplaceText(line, T("set-cookie:"), Text(), std::nullopt, std::nullopt, true), line);
}

TEST(ReplaceText, HonoursStartAndCount) {
    struct Case {
        std::optional<int> start;
        std::optional<int> count;
        const char* expected;
    } cases[] = {
        {3, std::nullopt, "xxyy"},
        {3, 1, "xxyx"},
        {std::nullopt, std::nullopt, "yyyy"},
        {0, 2, "yyxx"},
        {-4, -1, "yyyy"},
        {5, std::nullopt, "xxxx"},
        {1, 0, "xxxx"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceText(T("xxxx"), T("x"), T("y"), c.start, c.count, true), T(c.expected))
            << "start " << c.start.value_or(-99) << " count " << c.count.value_or(-99);
    }
}

TEST(ReplaceText, LeavesTextUnchangedWhenNothingToDo) {
    EXPECT_EQ(ReplaceText(Text(), T("x"), T("y")), Text());
    EXPECT_EQ(ReplaceText(T("abc"), Text(), T("y")), T("abc"));
}

TEST(ReplaceText, ContinuesAfterTheReplacedBytesAndStepsOverTwoByteCharacters) {
    EXPECT_EQ(ReplaceText(T("aaa"), T("aa"), T("b"), std::nullopt, std::nullopt, true), T("ba"));
    EXPECT_EQ(ReplaceText(T("\xB0"
                            "AA"),
                          T("A"), T("z"), std::nullopt, std::nullopt, true),
              T("\xB0"
                "Az"));
}

}  // namespace
}  // namespace vantrel
