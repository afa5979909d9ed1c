#include "text/text_split.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

std::vector<std::string> Items(const TextList& list) {
    std::vector<std::string> items;
    for (const Text& item : list) items.emplace_back(item.view());
    return items;
}

TEST(SplitText, KeepsEmptyItemsExceptAFinalOne) {
    using V = std::vector<std::string>;
    struct Case {
        const char* text;
        std::optional<Text> delimiter;
        V expected;
    } cases[] = {
        {"a,b,,d,", std::nullopt, V{"a", "b", "", "d"}},
        {",a", T(","), V{"", "a"}},
        {"", T(","), V{}},
        {"abc", T(","), V{"abc"}},
        {"x=1; y=2", T("; "), V{"x=1", "y=2"}},
        {"a\r\nb\r\n", T("\r\n"), V{"a", "b"}},
        {"a\r\n\r\n", T("\r\n"), V{"a", ""}},
        {"a,b", T(""), V{"a,b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Items(SplitText(T(c.text), c.delimiter)), c.expected) << "'" << c.text << "'";
    }
}

TEST(SplitText, StopsAtTheMaximumAndDropsTheRest) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Items(SplitText(T("a,b,c"), T(","), 2)), (V{"a", "b"}));
    EXPECT_EQ(Items(SplitText(T("a,b"), T(","), 2)), (V{"a", "b"}));
    EXPECT_EQ(Items(SplitText(T("a,b,c"), T(","), 0)), V{});
    EXPECT_EQ(Items(SplitText(T("a,b,c"), T(","), -1)), V{});
}

TEST(SplitText, NeverSplitsInsideATwoByteCharacter) {
    EXPECT_EQ(Items(SplitText(T("\xB0"
                                "AA"),
                              T("A"))),
              std::vector<std::string>{"\xB0"
                                       "A"});
}

}  // namespace
}  // namespace vantrel
