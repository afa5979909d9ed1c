#include "text/text_slice.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"
#include "text/bytes_ops.h"

namespace vantrel {
namespace {

using test::T;

TEST(TextSlice, GivesEmptyTextOutOfRange) {
    const Text abc = T("abc");
    EXPECT_EQ(TextMid(abc, 0, 2), Text());
    EXPECT_EQ(TextMid(abc, 2, 5), T("bc"));
    EXPECT_EQ(TextMid(abc, 4, 1), Text());
    EXPECT_EQ(TextMid(abc, 1, 0), Text());
    EXPECT_EQ(TextLeft(abc, -2), Text());
    EXPECT_EQ(TextLeft(abc, 5), abc);
    EXPECT_EQ(TextRight(abc, 2), T("bc"));
    EXPECT_EQ(TextRight(abc, 9), abc);
    EXPECT_EQ(TextRight(abc, 0), Text());
    // Byte counting may cut a two-byte character in two.
    EXPECT_EQ(TextLeft(T("\xB0\xA1"), 1), T("\xB0"));
}

TEST(TextSlice, CharactersAndBlanks) {
    EXPECT_EQ(CharCode(Text()), 0);
    EXPECT_EQ(CharCode(T("\xB0"
                         "a")),
              -80);
    EXPECT_EQ(CharCode(T("\xB0"
                         "a"),
                       2),
              'a');
    EXPECT_EQ(CharCode(T("a"), 0), 0);
    EXPECT_EQ(CharFromCode(0), Text());
    EXPECT_EQ(CharFromCode(32), T(" "));
    EXPECT_EQ(CharFromCode(256 + 65), T("A"));
    EXPECT_EQ(CharFromCode(-80), T("\xB0"));
    EXPECT_EQ(BlankText(3), T("   "));
    EXPECT_EQ(BlankText(0), Text());
}

TEST(TextSlice, ComparesAndJoins) {
    EXPECT_EQ(CompareText(Text(), T("")), 0);
    EXPECT_LT(CompareText(T("ab"), T("abc")), 0);
    EXPECT_GT(CompareText(T("\xB0"), T("a")), 0);  // bytes compare unsigned
    EXPECT_EQ(Concat(T("a"), Text(), T("b"), T("c")), T("abc"));
}

TEST(Bytes, ConvertAndCutAtTheEdges) {
    const Bytes withZero(std::string_view("ab\0c", 4));
    EXPECT_EQ(BytesToText(withZero), T("ab"));
    EXPECT_EQ(BytesLength(withZero), 4);
    EXPECT_EQ(TextToBytes(T("ab")), Bytes("ab"));
    EXPECT_EQ(Text(std::string_view("x\0y", 3)), T("x"));

    const Bytes abc("abc");
    EXPECT_EQ(BytesMid(abc, 0, 2), Bytes("ab"));
    EXPECT_EQ(BytesMid(abc, 2, 9), Bytes("bc"));
    EXPECT_EQ(BytesMid(abc, 4, 1), Bytes());
    EXPECT_EQ(BytesMid(abc, 2, -1), Bytes());
    EXPECT_EQ(BytesLeft(abc, 9), abc);
    EXPECT_EQ(BytesLeft(abc, -1), Bytes());
    EXPECT_TRUE(BytesEqual(Bytes(), Bytes("")));
    EXPECT_FALSE(BytesEqual(abc, Bytes("abd")));
    EXPECT_EQ(BytesConcat(Bytes("a"), Bytes(), withZero), Bytes(std::string_view("aab\0c", 5)));
    EXPECT_EQ(BlankBytes(2), Bytes(std::string_view("\0\0", 2)));
    EXPECT_EQ(BlankBytes(0), Bytes());
}

}  // namespace
}  // namespace vantrel
