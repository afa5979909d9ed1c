#include "text/regex_object.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::G;
using test::T;

// The patterns the book query and the chapter download run, exactly as they use them.
const char kCategoryPattern[] = R"(分类：(.*?)</li>)";
const char kBookNamePattern[] = R"(名称：<span class="red12"><strong>(.*?)</strong>)";
const char kChapterPattern[] = R"(htm">(.*?).mp3</a>)";
const char kMediaUrlPattern[] = R"(url\[3\]= \"(.*?)\"\;)";

std::vector<Text> AllMatches(const RegexObject& regex) {
    std::vector<Text> matches;
    for (int i = 1; i <= regex.MatchCount(); ++i) matches.push_back(regex.MatchText(i));
    return matches;
}

std::vector<Text> AllGroups(const RegexObject& regex) {
    std::vector<Text> groups;
    for (int i = 1; i <= regex.MatchCount(); ++i) groups.push_back(regex.SubmatchText(i, 1));
    return groups;
}

void ExpectNothingToRead(const RegexObject& regex) {
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.SubmatchCount(), 0);
    EXPECT_EQ(regex.MatchText(1), Text());
    EXPECT_EQ(regex.SubmatchText(1, 1), Text());
    EXPECT_EQ(regex.Replace(T("x")), Text());
}

TEST(RegexObject, ReadsNothingBeforeAnyCreate) {
    const RegexObject regex;
    ExpectNothingToRead(regex);
    EXPECT_EQ(regex.Pattern(), Text());
}

TEST(RegexObject, SubjectWithoutMatchIsASuccessfulSearch) {
    RegexObject regex;
    EXPECT_TRUE(regex.Create(T("(x+)"), T("abc")));
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.SubmatchCount(), 0);
    EXPECT_EQ(regex.SubmatchText(1, 1), Text());
    EXPECT_EQ(regex.Replace(T("y")), T("abc"));
}

TEST(RegexObject, InvalidPatternFailsAndHidesTheEarlierSearch) {
    for (const char* pattern : {"(abc", "abc)", "[a", "a{2,1}"}) {
        RegexObject regex;
        ASSERT_TRUE(regex.Create(T("(b)"), T("abc")));
        EXPECT_FALSE(regex.Create(T(pattern), T("abc"))) << pattern;
        ExpectNothingToRead(regex);
        EXPECT_EQ(regex.Pattern(), T(pattern));
    }
}

TEST(RegexObject, SecondCreateReplacesEverythingOfTheFirst) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create(T("(a)(b)"), T("AB ab AB")));
    ASSERT_EQ(regex.MatchCount(), 3);

    ASSERT_TRUE(regex.Create(T("(c)"), T("xcC c"), /*caseSensitive=*/true,
                             /*multiline=*/std::nullopt, /*global=*/false));
    EXPECT_EQ(regex.Pattern(), T("(c)"));
    EXPECT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.SubmatchCount(), 1);
    EXPECT_EQ(regex.MatchText(1), T("c"));
    EXPECT_EQ(regex.MatchText(2), Text());
    EXPECT_EQ(regex.SubmatchText(1, 2), Text());
    EXPECT_EQ(regex.Replace(T("[$1]")), T("x[c]C c"));
}

struct MatchCase {
    const char* pattern;
    const char* subject;
    std::optional<bool> caseSensitive;
    std::optional<bool> multiline;
    std::optional<bool> global;
    std::vector<const char*> expected;
};

TEST(RegexObject, MatchesTheWayVBScriptRegExpDoes) {
    const std::nullopt_t _ = std::nullopt;
    const MatchCase cases[] = {
        // Case-insensitive and global unless told otherwise.
        {"a", "AaA", _, _, _, {"A", "a", "A"}},
        {"a", "AaA", true, _, _, {"a"}},
        {"a", "aaa", _, _, false, {"a"}},
        // ^ and $ at every line end in multi-line mode; without it $ is the very end only.
        {R"(^\w+$)", "ab\ncd", _, _, _, {"ab", "cd"}},
        {R"(^\w+$)", "ab\ncd", _, false, _, {}},
        {R"(\w+$)", "ab\n", _, false, _, {}},
        // Only a line feed stops `.`; a carriage return is an ordinary character.
        {"a.c", "a\nc a\rc", _, _, _, {"a\rc"}},
        {"<(.*?)>", "<a><b>", _, _, _, {"<a>", "<b>"}},
        // An escaped punctuation character stands for itself.
        {R"(\[\"\;\])", R"(x[";]x)", _, _, _, {R"([";])"}},
        // Characters, not GBK bytes: `.` takes a whole Chinese character.
        {"中.", "中文中a", _, _, _, {"中文", "中a"}},
        {R"(\u4e2d\x41)", "中A", true, _, _, {"中A"}},
        {R"((a)?\1b)", "b", _, _, _, {"b"}},
        // The next search starts where the last match ended, one character on after an
        // empty match, so the empty first alternative wins at every position.
        {R"(\d*)", "a1", _, _, _, {"", "1", ""}},
        {"x*|b", "b", _, _, _, {"", ""}},
    };
    for (const auto& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(
            regex.Create(G(c.pattern), G(c.subject), c.caseSensitive, c.multiline, c.global))
            << c.pattern;
        std::vector<Text> expected;
        for (const char* match : c.expected) expected.push_back(G(match));
        EXPECT_EQ(AllMatches(regex), expected) << c.pattern << " over " << c.subject;
    }
}

TEST(RegexObject, ReadsGroupsByNumberAndGivesEmptyOutsideThem) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create(T("(a)|(b)"), T("ba")));
    EXPECT_EQ(regex.SubmatchCount(), 2);
    EXPECT_EQ(regex.SubmatchText(1, 1), Text()) << "group took no part in the match";
    EXPECT_EQ(regex.SubmatchText(1, 2), T("b"));
    EXPECT_EQ(regex.SubmatchText(2, 1), T("a"));
    EXPECT_EQ(regex.SubmatchText(2, 2), Text());

    EXPECT_EQ(regex.MatchText(0), Text());
    EXPECT_EQ(regex.MatchText(3), Text());
    EXPECT_EQ(regex.MatchText(-1), Text());
    EXPECT_EQ(regex.SubmatchText(1, 0), Text()) << "group 0 must not give the whole match";
    EXPECT_EQ(regex.SubmatchText(1, 3), Text());
    EXPECT_EQ(regex.SubmatchText(3, 1), Text());
}

TEST(RegexObject, CountsGroupsOnlyWhenSomethingMatched) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create(T("a(b)"), T("ab")));
    EXPECT_EQ(regex.SubmatchCount(), 1);
    ASSERT_TRUE(regex.Create(T("a(b)"), T("xx")));
    EXPECT_EQ(regex.SubmatchCount(), 0);
    ASSERT_TRUE(regex.Create(T("ab"), T("ab")));
    EXPECT_EQ(regex.SubmatchCount(), 0);
}

TEST(RegexObject, QuoteTokenStandsForADoubleQuoteOnlyWhenAskedFor) {
    const Text pattern = G("a=#引号(.*?)#引号");
    const Text subject = G(R"(a="x" a=#引号y#引号)");
    RegexObject regex;

    ASSERT_TRUE(regex.Create(pattern, subject, std::nullopt, std::nullopt, std::nullopt, true));
    EXPECT_EQ(regex.Pattern(), T(R"re(a="(.*?)")re"));
    EXPECT_EQ(AllGroups(regex), std::vector<Text>{T("x")});

    ASSERT_TRUE(regex.Create(pattern, subject, std::nullopt, std::nullopt, std::nullopt, false));
    EXPECT_EQ(regex.Pattern(), pattern);
    EXPECT_EQ(AllGroups(regex), std::vector<Text>{T("y")});
}

struct PositionCase {
    const char* pattern;
    const char* subject;
    std::optional<bool> caseSensitive;
    int match;
    int submatch;  // 0 reads the whole match
    int expected;
};

TEST(RegexObject, PositionSearchesFromTheCharacterOffsetTakenAsABytePosition) {
    const std::nullopt_t _ = std::nullopt;
    const PositionCase cases[] = {
        {"ab", "xab", _, 1, 0, 1},
        {"ab", "中ab", _, 1, 0, 2},
        // Starting inside a two-byte character throws the character walk off the match.
        {"文", "中中文", _, 1, 0, -2},
        {"a(b)", "xxab", _, 1, 1, 3},
        // The search starts a byte early in single-byte text, so an equal text just
        // before the match is found instead, and the case mode is the engine's.
        {"a", "aa", _, 2, 0, 0},
        {"b", "Bb", _, 2, 0, 0},
        {"b", "Bb", true, 1, 0, 1},
        // Nothing to find.
        {"a", "a", _, 2, 0, -2},
        {"(x)?a", "a", _, 1, 1, -2},
    };
    for (const auto& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.Create(G(c.pattern), G(c.subject), c.caseSensitive));
        int position = -99;
        if (c.submatch == 0) {
            regex.MatchText(c.match, &position);
        } else {
            regex.SubmatchText(c.match, c.submatch, &position);
        }
        EXPECT_EQ(position, c.expected) << c.pattern << " over " << c.subject;
    }
}

struct ReplaceCase {
    const char* pattern;
    const char* replacement;
    std::optional<bool> global;
    const char* expected;
};

TEST(RegexObject, ReplaceExpandsGroupReferences) {
    const std::nullopt_t _ = std::nullopt;
    const char subject[] = "x=1, y=22";
    const ReplaceCase cases[] = {
        {R"((\w)=(\d+))", "$2:$1", _, "1:x, 22:y"},
        {R"(\w=\d+)", "[$&]", _, "[x=1], [y=22]"},
        {R"(\w=\d+)", "[$&]", false, "[x=1], y=22"},
        {",", "<$`|$'>", _, "x=1<x=1| y=22> y=22"},
        {R"(\d+)", "$$", _, "x=$, y=$"},
        // A reference to a group the pattern lacks is literal text; $10 with one group
        // is group 1 followed by a zero.
        {R"((\d)\d*)", "$2$10$", _, "x=$210$, y=$220$"},
        {R"((x)|y)", "<$1>", _, "<x>=1, <>=22"},
        {R"(\d+)", "第$&集", _, "x=第1集, y=第22集"},
    };
    for (const auto& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.Create(G(c.pattern), G(subject), std::nullopt, std::nullopt, c.global));
        EXPECT_EQ(regex.Replace(G(c.replacement)), G(c.expected))
            << c.pattern << " -> " << c.replacement;
    }
}

TEST(RegexObject, CatastrophicBacktrackingCountsAsAFailedSearch) {
    RegexObject regex;
    EXPECT_FALSE(regex.Create(T("(a+)+$"), Text(std::string(5000, 'a') + "!")));
    ExpectNothingToRead(regex);
}

// A catalogue page and a play page as the site serves them: GBK, CR LF line ends, a
// chapter link in upper-case markup, one whose name contains ".mp3", and one broken over
// two lines, whose name must not reach into the next line.
const char kCatalogue[] =
    "<html><head><title>三国演义</title></head><body>\r\n"
    "<ul class=\"info\"><li>分类：评书,袁阔成</li>\r\n"
    "<li>名称：<span class=\"red12\"><strong>三国演义</strong></span></li></ul>\r\n"
    "<ul class=\"list\">\r\n"
    "<li><a href=\"/play/27417_1.htm\">第1集.mp3</a></li>\r\n"
    "<LI><A HREF=\"/play/27417_2.HTM\">第2集.MP3</A></LI>\r\n"
    "<li><a href=\"/play/27417_3.htm\">abc.mp3.mp3</a></li>\r\n"
    "<li><a href=\"/play/27417_4.htm\">第4集\r\n"
    "</a> 尾声.mp3</a></li>\r\n"
    "<li><a href=\"/play/27417_5.htm\">第5集 大结局.mp3</a></li>\r\n"
    "</ul><a href=\"/index.htm\">首页</a></body></html>\r\n";

const char kPlayPage[] =
    "<script>\r\n"
    "var url = new Array();\r\n"
    "url[2]= \"/mp3/wrong.mp3\";\r\n"
    "url[3]= \"/mp3/评书/三国演义/001.mp3\";\r\n"
    "</script>\r\n";

Text FirstGroup(const char* pattern, const char* page) {
    RegexObject regex;
    regex.Create(G(pattern), G(page));
    return regex.SubmatchText(1, 1);
}

TEST(RegexObject, SystemPatternsCutTheirValuesOutOfRealisticPages) {
    EXPECT_EQ(FirstGroup(kCategoryPattern, kCatalogue), G("评书,袁阔成"));
    EXPECT_EQ(FirstGroup(kBookNamePattern, kCatalogue), G("三国演义"));
    EXPECT_EQ(FirstGroup(kMediaUrlPattern, kPlayPage), G("/mp3/评书/三国演义/001.mp3"));

    // 第2集 in GBK bytes, written out once to show the names come back as GBK.
    const Text secondChapter = T("\xB5\xDA\x32\xBC\xAF");
    RegexObject chapters;
    ASSERT_TRUE(chapters.Create(G(kChapterPattern), G(kCatalogue)));
    EXPECT_EQ(AllGroups(chapters),
              (std::vector<Text>{G("第1集"), secondChapter, G("abc.mp3"), G("第5集 大结局")}));
}

TEST(RegexObject, PatternLimitsLeaveALargeOneLineCatalogueAlone) {
    std::string page = "<ul>";
    for (int i = 1; i <= 10000; ++i) {
        page += "<li><a href=\"/play/27417_" + std::to_string(i) + ".htm\">第" + std::to_string(i) +
                "集 三国演义评书袁阔成播讲版本.mp3</a></li>";
    }
    // Links without a media name make the lazy group run to the end of the line.
    for (int i = 0; i < 20; ++i) page += "<a href=\"/about.htm\">关于我们</a>";
    RegexObject regex;
    ASSERT_TRUE(regex.Create(G(kChapterPattern), G(page)));
    ASSERT_EQ(regex.MatchCount(), 10000);
    EXPECT_EQ(regex.SubmatchText(10000, 1), G("第10000集 三国演义评书袁阔成播讲版本"));
}

}  // namespace
}  // namespace vantrel
