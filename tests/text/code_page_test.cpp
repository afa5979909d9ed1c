#include "text/code_page.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

TEST(CodePage, SourceLiteralsBecomeGbk) {
    EXPECT_EQ(Utf8ToText("评书"), T("\xC6\xC0\xCA\xE9"));
    EXPECT_EQ(Utf8ToText("中"), T("\xD6\xD0"));
    EXPECT_EQ(Utf8ToText("分类："), T("\xB7\xD6\xC0\xE0\xA3\xBA"));
    EXPECT_EQ(TextToUtf8(T("\xC6\xC0\xCA\xE9")), "评书");
    // Windows 936 maps 0x80 to the euro sign.
    EXPECT_EQ(TextToUtf8(T("\x80")), "€");
}

TEST(CodePage, Utf16HasATerminatingZeroUnit) {
    EXPECT_EQ(TextToUtf16(T("a")), Bytes(std::string_view("a\0\0\0", 4)));
    EXPECT_EQ(TextToUtf16(Text()), Bytes());
    EXPECT_EQ(TextToUtf16(T("\xD6\xD0"), kGbkCodePage), Bytes(std::string_view("\x2D\x4E\0\0", 4)));
    EXPECT_EQ(Utf16ToText(Bytes()), Text());
    // Units after the first zero unit are not read.
    EXPECT_EQ(Utf16ToText(Bytes(std::string_view("a\0\0\0b\0", 6))), T("a"));
}

TEST(CodePage, RoundTrips) {
    const Text gbk = Utf8ToText("第1集 评书《三国》，全本");
    EXPECT_EQ(Utf16ToText(TextToUtf16(gbk, kGbkCodePage)), gbk);
    EXPECT_EQ(AnsiToUtf8(gbk), T("第1集 评书《三国》，全本"));
    EXPECT_EQ(Utf16ToText(TextToUtf16(AnsiToUtf8(gbk)), kGbkCodePage), gbk);
}

// Bytes that form no character are replaced one by one and the conversion goes on; a
// character GBK cannot hold becomes "?".
TEST(CodePage, ReplacesWhatCannotBeConverted) {
    EXPECT_EQ(TextToUtf8(T("a\xFF"
                           "b")),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(TextToUtf8(T("a\xD6")), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToText("a\xC3(b"), T("a?(b"));
    EXPECT_EQ(Utf8ToText("x😀y"), T("x?y"));
    EXPECT_EQ(AnsiToUtf8(T("\xFF")), T("\xEF\xBF\xBD"));
}

}  // namespace
}  // namespace vantrel
