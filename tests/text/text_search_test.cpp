#include "text/text_search.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

struct SearchCase {
    const char* text;
    const char* sought;
    std::optional<int> start;
    bool foldCase;
    int expected;
};

TEST(FindText, FindsFirstOccurrenceFromStart) {
    const SearchCase cases[] = {
        {"a.b.d", ".", std::nullopt, false, 2},
        {"a.b.d", ".", 3, false, 4},
        {"a.b.d", ".", 0, false, 2},
        {"a.b.d", ".", -1, false, 2},
        {"a.b.d", ".", 6, false, -1},
        {"a.b.d", "x", std::nullopt, false, -1},
        {"", ".", std::nullopt, false, -1},
        {"Set-Cookie: x", "set-cookie", std::nullopt, true, 1},
        {"Set-Cookie: x", "set-cookie", std::nullopt, false, -1},
        {"abc", "abcd", std::nullopt, false, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindText(T(c.text), T(c.sought), c.start, c.foldCase), c.expected)
            << "'" << c.text << "' / '" << c.sought << "'";
    }
}

TEST(FindTextReverse, FindsLastOccurrenceEndingBeforeStart) {
    const SearchCase cases[] = {
        {"a.b.d", ".", std::nullopt, false, 4},
        {"a.b.d", ".", 5, false, 4},
        {"a.b.d", ".", 4, false, 2},
        {"a.b.d", ".", 2, false, -1},
        {"a.b.d", ".", 0, false, -1},
        {"a.b.d", ".", 1, false, -1},
        {"a.b.", ".", std::nullopt, false, 4},
        {"a.b.", ".", 4, false, 2},
        {"aXbx", "x", std::nullopt, true, 4},
        {"aXbx", "x", 4, true, 2},
        {"a.b.d", ".", 99, false, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindTextReverse(T(c.text), T(c.sought), c.start, c.foldCase), c.expected)
            << "'" << c.text << "' start " << c.start.value_or(-999);
    }
}

// The second byte of a two-byte character is never the start of a match, however the
// byte reads on its own.
TEST(FindText, StepsOverTwoByteCharacters) {
    const Text text =
        T("\xB0"
          "AA");
    EXPECT_EQ(FindText(text, T("A")), 3);
    EXPECT_EQ(FindTextReverse(text, T("A")), 3);
    EXPECT_EQ(FindText(T("\xB0"
                         "a"),
                       T("A"), std::nullopt, true),
              -1);
    // 0x80 counts as a lead byte too.
    EXPECT_EQ(FindText(T("\x80"
                         "AA"),
                       T("A")),
              3);
    // A lead byte at the very end is a character of its own.
    EXPECT_EQ(FindText(T("ab\xB0"), T("\xB0")), 3);
}

// Characters are counted from where the walk begins, never re-aligned with the text start.
TEST(FindText, CountsCharactersFromTheStartPosition) {
    const Text text =
        T("\xB0"
          "AA");
    EXPECT_EQ(FindText(text, T("A"), 2), 2);
}

// Folding applies to every compared byte, also the second byte of a two-byte character.
TEST(FindText, FoldsCaseInSecondBytes) {
    EXPECT_EQ(FindText(T("x\xB0"
                         "a"),
                       T("\xB0"
                         "A"),
                       std::nullopt, true),
              2);
    EXPECT_EQ(FindText(T("x\xB0"
                         "a"),
                       T("\xB0"
                         "A"),
                       std::nullopt, false),
              -1);
}

}  // namespace
}  // namespace vantrel
