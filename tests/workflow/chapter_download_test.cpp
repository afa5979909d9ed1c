#include "workflow/chapter_download.h"

#include <gtest/gtest.h>

#include <fstream>

#include "http/http_timeouts.h"
#include "support/file_contents.h"
#include "support/fixture_pages.h"
#include "support/text_literals.h"
#include "text/text_number.h"
#include "workflow/book_query.h"
#include "workflow/workflow_test_fixture.h"

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;

// Which chapters the site was asked for, by the number in the fixture's file names.
std::vector<int> RequestedChapters(const FixtureSite& site) {
    std::vector<int> numbers;
    for (const RecordedRequest& request : site.MediaRequests()) {
        const auto slash = request.target.rfind('/');
        numbers.push_back(std::stoi(request.target.substr(slash + 1)));
    }
    return numbers;
}

std::vector<int> Chapters(int first, int last) {
    std::vector<int> numbers;
    for (int k = first; k <= last; ++k) numbers.push_back(k);
    return numbers;
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class ChapterDownloadTest : public WorkflowTest {
protected:
    void QueryBook(FixtureBook book) {
        StartSite(std::move(book));
        OnQueryClicked(view(), SiteDescription());
    }

    void Download(const char* first, const char* end) {
        view().editBoxes[EditBox::kFirstChapter] = Text(first);
        view().editBoxes[EditBox::kEndChapter] = Text(end);
        view().messages.clear();
        OnDownloadClicked(view(), SiteDescription());
    }

    std::string SavedChapter(int number) {
        return FileContents(DownloadFolder() / ("第" + std::to_string(number) + "集.mp3"));
    }
};

TEST_F(ChapterDownloadTest, SettlesTheRangeAndFetchesChaptersInOrder) {
    QueryBook(SampleBook(210, 0.01));
    const struct {
        const char* first;
        const char* end;
        std::vector<int> chapters;
    } cases[] = {
        {"200", "210", Chapters(200, 209)}, {"5", "5", {}},           {"12", "3", Chapters(12, 21)},
        {"0", "7", Chapters(1, 9)},         {"", "", Chapters(1, 9)}, {"3", "1", Chapters(3, 12)},
    };
    std::size_t mediaRequestsBefore = 0;
    for (const auto& c : cases) {
        Download(c.first, c.end);
        std::vector<int> requested = RequestedChapters(site());
        requested.erase(requested.begin(), requested.begin() + mediaRequestsBefore);
        mediaRequestsBefore += requested.size();
        EXPECT_EQ(requested, c.chapters) << c.first << ".." << c.end;
        EXPECT_EQ(view().messages.back(), G("下载完成")) << c.first << ".." << c.end;
    }
    for (int k : Chapters(1, 21)) EXPECT_EQ(SavedChapter(k), site().book().chapters[k - 1].audio);
    EXPECT_FALSE(fs::exists(DownloadFolder() / "第22集.mp3"));
}

TEST_F(ChapterDownloadTest, SaysWhetherTheFolderExistedAndCreatesIt) {
    QueryBook(SampleBook(1, 0.01));
    Download("5", "5");
    EXPECT_EQ(view().messages, (std::vector<Text>{G("假"), G("下载完成")}));
    EXPECT_TRUE(fs::is_directory(DownloadFolder()));
    Download("5", "5");
    EXPECT_EQ(view().messages, (std::vector<Text>{G("真"), G("下载完成")}));
}

TEST_F(ChapterDownloadTest, AsksForThePlayPageExactlyAsTheSiteExpects) {
    QueryBook(SampleBook(2, 0.01));
    Download("2", "3");
    const auto requests = site().PlayPageRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].target,
              "/play/yousheng/flash.asp?id=27417&inum=1&flei=%C6%C0%CA%E9"
              "&bookname=%C8%FD%B9%FA%D1%DD%D2%E5&filename=%B5%DA%32%BC%AF.mp3"
              "&rand=15&nexturl=play_27417_1.htm");
    EXPECT_EQ(gPlayPageText, T(PlayPage(MediaPath(site().book(), 2))));
    EXPECT_EQ(gMediaUrl, T("http://" + site().mediaHost() + "/mp3/yousheng/27417/2.mp3"));
    EXPECT_EQ(FilesIn(DownloadFolder()), std::vector<std::string>{"第2集.mp3"});
}

TEST_F(ChapterDownloadTest, ASecondRunReplacesEachFile) {
    QueryBook(SampleBook(2, 0.01));
    Download("1", "3");
    site().ServeMediaFile(1, OkResponse("ID3 new bytes", "audio/mpeg"));
    Download("1", "3");
    EXPECT_EQ(SavedChapter(1), "ID3 new bytes");
    EXPECT_EQ(SavedChapter(2), site().book().chapters[1].audio);
}

TEST_F(ChapterDownloadTest, KeepsTheExistingFileWhenAChapterFails) {
    QueryBook(SampleBook(6, 0.1));  // files of a few kilobytes, so the site can break off
    SetHttpTimeouts({.connect = std::chrono::seconds(5), .stall = std::chrono::seconds(1)});
    fs::create_directories(DownloadFolder());
    for (int k = 1; k <= 6; ++k) {
        std::ofstream(DownloadFolder() / ("第" + std::to_string(k) + "集.mp3")) << "earlier";
    }
    Response reset = OkResponse(site().book().chapters[2].audio, "audio/mpeg");
    reset.resetAfterBytes = 500;
    Response stall = OkResponse(site().book().chapters[3].audio, "audio/mpeg");
    stall.stallAfterBytes = 500;
    site().ServeMediaFile(1, ErrorResponse(404, "Not Found"));
    site().ServeMediaFile(2, OkResponse("<html><body>文件不存在</body></html>", "text/html"));
    site().ServeMediaFile(3, reset);
    site().ServeMediaFile(4, stall);
    site().ServeMediaFile(5, OkResponse("", "audio/mpeg"));

    Download("1", "7");
    SetHttpTimeouts({});

    for (int k = 1; k <= 5; ++k) EXPECT_EQ(SavedChapter(k), "earlier") << "chapter " << k;
    EXPECT_EQ(SavedChapter(6), site().book().chapters[5].audio);
    for (const std::string& name : FilesIn(DownloadFolder())) {
        EXPECT_FALSE(name.ends_with(".part")) << name;
    }
    const std::string message = TextToUtf8(view().messages.back());
    EXPECT_EQ(message.rfind("下载结束：成功 1 章，失败 5 章\n"
                            "第 1 章「第1集」：HTTP 404\n"
                            "第 2 章「第2集」：不是音频文件\n"
                            "第 3 章「第3集」：",
                            0),
              0u)
        << message;
    EXPECT_NE(message.find("第 5 章「第5集」：不是音频文件"), std::string::npos) << message;
}

TEST_F(ChapterDownloadTest, NeverFetchesTheBareMediaHost) {
    QueryBook(SampleBook(2, 0.01));
    site().ServePlayPage(1, OkResponse(PlayPage(""), "text/html"));
    Download("1", "3");
    EXPECT_EQ(RequestedChapters(site()), std::vector<int>{2});
    EXPECT_EQ(gMediaUrl, T("http://" + site().mediaHost() + "/mp3/yousheng/27417/2.mp3"));
    EXPECT_EQ(view().messages.back(), G("下载结束：成功 1 章，失败 1 章\n"
                                        "第 1 章「第1集」：页面中没有媒体地址"));
}

TEST_F(ChapterDownloadTest, SkipsChaptersWithoutARowWithoutAsking) {
    QueryBook(SampleBook(3, 0.01));
    Download("2", "2147483647");
    EXPECT_EQ(RequestedChapters(site()), (std::vector<int>{2, 3}));
    EXPECT_EQ(site().PlayPageRequests().size(), 2u);
    EXPECT_EQ(view().messages.back(), G("下载结束：成功 2 章，失败 2147483643 章\n"
                                        "第 4 至 2147483646 章：列表中没有此章"));
}

TEST_F(ChapterDownloadTest, ADownloadBeforeAnyQueryAsksForNothing) {
    StartSite(SampleBook(3, 0.01));
    Download("1", "3");
    EXPECT_TRUE(site().WebRequests().empty());
    EXPECT_EQ(view().messages.back(), G("下载结束：成功 0 章，失败 2 章\n"
                                        "第 1 至 2 章：列表中没有此章"));
}

TEST_F(ChapterDownloadTest, KeepsNamesInsideTheDownloadFolder) {
    FixtureBook book = SampleBook(1, 0.01);
    book.chapters[0].name = "../逃逸";
    QueryBook(book);
    Download("1", "2");
    EXPECT_EQ(FilesIn(DownloadFolder()), std::vector<std::string>{"_逃逸.mp3"});
    EXPECT_EQ(view().messages.back(), G("下载完成"));
}

TEST_F(ChapterDownloadTest, StopsBeforeAnyRequestWhenTheFolderIsUnusable) {
    QueryBook(SampleBook(2, 0.01));
    fs::create_directories(DownloadFolder().parent_path());
    std::ofstream(DownloadFolder()) << "a file where the folder should be";
    Download("1", "3");
    ASSERT_EQ(view().messages.size(), 2u);
    EXPECT_EQ(view().messages[0], G("真"));
    EXPECT_EQ(TextToUtf8(view().messages[1]).rfind("无法使用下载文件夹 ", 0), 0u);
    EXPECT_TRUE(site().MediaRequests().empty());
}

TEST_F(ChapterDownloadTest, StopsWhenTheUserAsksAndLeavesNoPartialFile) {
    QueryBook(SampleBook(3, 1.0));
    site().ThrottleMedia(20'000);
    view().keepGoing = [](const ActivityProgress& activity) {
        return !(activity.chapterNumber == 2 && activity.transfer.received > 5'000);
    };
    Download("1", "4");
    EXPECT_EQ(RequestedChapters(site()), (std::vector<int>{1, 2}));
    EXPECT_EQ(FilesIn(DownloadFolder()), std::vector<std::string>{"第1集.mp3"});
    EXPECT_EQ(view().messages.back(), G("下载已停止：成功 1 章，失败 0 章\n第 1 章「第1集」"));
}

}  // namespace
}  // namespace vantrel::test
