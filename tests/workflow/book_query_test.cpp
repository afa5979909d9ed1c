#include "workflow/book_query.h"

#include <gtest/gtest.h>

#include "support/fixture_pages.h"
#include "support/text_literals.h"
#include "text/text_number.h"
#include "workflow/workflow_test_fixture.h"

namespace vantrel::test {
namespace {

using BookQueryTest = WorkflowTest;

std::vector<std::string> ListedNames(const FakeBookView& view) {
    std::vector<std::string> names;
    for (const auto& row : view.rows) names.push_back(TextToUtf8(row[1]));
    return names;
}

Response GbkPage(std::string_view utf8Html) {
    return OkResponse(Utf8ToText(utf8Html).str(), "text/html; charset=gb2312");
}

TEST_F(BookQueryTest, ListsEveryChapterAndKeepsTheBookDetails) {
    StartSite(SampleBook(3));
    OnQueryClicked(view(), SiteDescription());

    ASSERT_EQ(view().rows.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(view().rows[k - 1][0], IntToText(k));
        EXPECT_EQ(view().rows[k - 1][1], G("第" + std::to_string(k) + "集"));
    }
    EXPECT_EQ(view().listFills, 1);
    EXPECT_EQ(gBookId, T("27417"));
    EXPECT_EQ(gCategory, G("评书"));
    EXPECT_EQ(gBookName, G("三国演义"));
    EXPECT_EQ(gBookPageText, T(CataloguePage(site().book())));
    EXPECT_EQ(gChapterIndex, 4);
    EXPECT_EQ(gInsertedRow, 2);
    EXPECT_EQ(view().statuses.back(), G("《三国演义》 分类：评书，共 3 章"));
}

TEST_F(BookQueryTest, ReadsTheSitesMarkupToTheLetter) {
    StartSite(SampleBook(0));
    const struct {
        const char* category;
        const char* expectedCategory;
    } categories[] = {
        {"评书,经典,老", "评书"},
        {"评书", "评书"},
        {",经典", ""},
        {"评书，经典", "评书，经典"},  // a full-width comma does not cut
    };
    for (const auto& c : categories) {
        site().ServeWebPage("/yousheng/disp_27417.htm",
                            GbkPage(std::string("<li>分类：") + c.category +
                                    "</li>\n"
                                    "<LI>名称：<SPAN class=\"red12\"><STRONG>书</STRONG></span>\n"
                                    "<a href=\"1.htm\">第1集.mp3</a>\n"
                                    "<A HREF=\"2.HTM\">第2集.MP3</A>\n"
                                    "<a href=\"3.htm\">abc.mp3.mp3</a>\n"));
        OnQueryClicked(view(), SiteDescription());
        EXPECT_EQ(gCategory, G(c.expectedCategory)) << c.category;
        EXPECT_EQ(gBookName, G("书"));
        EXPECT_EQ(ListedNames(view()), (std::vector<std::string>{"第1集", "第2集", "abc.mp3"}));
    }
}

TEST_F(BookQueryTest, TakesTheBookIdFromTheAddress) {
    StartSite(SampleBook(1));
    const struct {
        std::string path;
        const char* expectedId;
    } addresses[] = {
        {"/yousheng/disp_27417.htm?x=1", "27417"},
        {"/disp_27417.html", "27417"},
        {"/book/27417.htm", ""},
    };
    for (const auto& a : addresses) {
        site().ServeWebPage(a.path.substr(0, a.path.find('?')),
                            OkResponse(CataloguePage(site().book()), "text/html"));
        view().editBoxes[EditBox::kAddress] = Text("https://" + site().webHost() + a.path);
        OnQueryClicked(view(), SiteDescription());
        EXPECT_EQ(gBookId, T(a.expectedId)) << a.path;
        EXPECT_EQ(view().rows.size(), 1u) << a.path;
    }
}

TEST_F(BookQueryTest, KeepsTheCookiesTheSiteSets) {
    StartSite(SampleBook(1));
    Response page = OkResponse(CataloguePage(site().book()), "text/html");
    page.headers.push_back({"Set-Cookie", "sid=42; path=/"});
    site().ServeWebPage("/yousheng/disp_27417.htm", page);
    OnQueryClicked(view(), SiteDescription());
    EXPECT_EQ(gBookPageCookies, T("sid=42"));
}

TEST_F(BookQueryTest, ASecondQueryReplacesTheFirstBooksRows) {
    StartSite(SampleBook(5));
    OnQueryClicked(view(), SiteDescription());
    ASSERT_EQ(view().rows.size(), 5u);
    site().ServeWebPage("/yousheng/disp_27417.htm",
                        GbkPage("<a href=\"1.htm\">甲.mp3</a>\n<a href=\"2.htm\">乙.mp3</a>\n"));
    OnQueryClicked(view(), SiteDescription());
    EXPECT_EQ(ListedNames(view()), (std::vector<std::string>{"甲", "乙"}));
    EXPECT_EQ(view().rows[1][0], T("2"));
}

TEST_F(BookQueryTest, AFailedQueryListsNothingAndSaysWhy) {
    StartSite(SampleBook(2));
    site().ServeWebPage("/yousheng/disp_404.htm", ErrorResponse(404, "Not Found"));
    site().ServeWebPage("/yousheng/disp_7.htm", GbkPage("<html><body>维护中</body></html>"));
    const struct {
        std::string address;
        const char* expectedId;
        const char* statusStart;
    } cases[] = {
        {"https://127.0.0.1:" + std::to_string(UnusedPort()) + "/yousheng/disp_1.htm", "1",
         "查询失败："},
        {"https://" + site().webHost() + "/yousheng/disp_404.htm", "404", "查询失败：HTTP 404"},
        {"https://" + site().webHost() + "/yousheng/disp_7.htm", "7", "页面中没有章节列表"},
    };
    for (const auto& c : cases) {
        OnQueryClicked(view(), SiteDescription());  // a successful query first
        ASSERT_EQ(view().rows.size(), 2u);
        view().editBoxes[EditBox::kAddress] = Text(c.address);
        OnQueryClicked(view(), SiteDescription());
        EXPECT_EQ(gBookId, T(c.expectedId)) << c.address;
        EXPECT_EQ(gCategory, Text()) << c.address;
        EXPECT_EQ(gBookName, Text()) << c.address;
        EXPECT_TRUE(view().rows.empty()) << c.address;
        EXPECT_EQ(gChapterIndex, 1) << c.address;
        EXPECT_EQ(gInsertedRow, 1) << "kept from the earlier query";
        EXPECT_EQ(TextToUtf8(view().statuses.back()).rfind(c.statusStart, 0), 0u)
            << TextToUtf8(view().statuses.back());
        view().editBoxes[EditBox::kAddress] = Text(site().CatalogueUrl());
    }
}

}  // namespace
}  // namespace vantrel::test
