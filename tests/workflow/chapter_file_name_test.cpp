#include "workflow/chapter_file_name.h"

#include <gtest/gtest.h>

#include <string>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::G;
using test::T;

TEST(ChapterFileName, KeepsTheFileInsideTheDownloadFolder) {
    const struct {
        Text name;
        std::string expected;
    } cases[] = {
        {G("第1集"), "第1集.mp3"},
        {T("../../etc/passwd"), "_.._etc_passwd.mp3"},
        {T("a\\b/c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j.mp3"},
        {T("tab\there\x01"), "tab_here_.mp3"},
        {T("  . name . "), "name.mp3"},
        {T(".."), "_.mp3"},
        {Text(), "_.mp3"},
        // GBK 81 5C holds a backslash byte inside one character; it is not a separator.
        {T("\x81\x5C"), "乗.mp3"},
    };
    for (const auto& c : cases) EXPECT_EQ(ChapterFileName(c.name), c.expected);
}

TEST(ChapterFileName, CutsLongNamesAtACharacterBoundary) {
    std::string name;
    for (int i = 0; i < 200; ++i) name += "长";
    const std::string fileName = ChapterFileName(G(name));
    EXPECT_LE(fileName.size() + std::string(".part").size(), 255u);
    EXPECT_EQ(fileName.substr(fileName.size() - 4), ".mp3");
    EXPECT_EQ(fileName.size() % 3, 4u % 3) << "a three-byte character was cut";
}

}  // namespace
}  // namespace vantrel
