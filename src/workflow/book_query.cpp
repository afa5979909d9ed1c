#include "workflow/book_query.h"

#include "http/http_request.h"
#include "text/bytes_ops.h"
#include "text/code_page.h"
#include "text/text_between.h"
#include "text/text_number.h"
#include "text/text_search.h"
#include "workflow/globals.h"
#include "workflow/view_transfer.h"

namespace vantrel {

namespace {

const Text& CategoryPattern() {
    static const Text pattern = Utf8ToText("分类：(.*?)</li>");
    return pattern;
}

const Text& BookNamePattern() {
    static const Text pattern = Utf8ToText(R"(名称：<span class="red12"><strong>(.*?)</strong>)");
    return pattern;
}

const Text& ChapterPattern() {
    static const Text pattern(R"(htm">(.*?).mp3</a>)");
    return pattern;
}

Text FetchCataloguePage(BookView& view, const Text& address, TransferResult& result) {
    Transfer transfer = TransferShownIn(view, ActivityProgress{});
    const Bytes body = HttpRequest(
        address, {.method = kHttpGet, .returnedCookies = &gBookPageCookies, .transfer = &transfer});
    result = transfer.result;
    // A page the user stopped half-way is no page: reading chapters out of it would list
    // a book that is not all there.
    return result.cancelled ? Text() : BytesToText(body);
}

void ReadBookDetails() {
    gCategoryPattern->Create(CategoryPattern(), gBookPageText);
    gCategory = gCategoryPattern->SubmatchText(1, 1);
    if (FindText(gCategory, Text(",")) != -1) gCategory = TextBefore(gCategory, Text(","));
    gBookNamePattern->Create(BookNamePattern(), gBookPageText);
    gBookName = gBookNamePattern->SubmatchText(1, 1);
}

// Row k - 1 holds chapter k of this book only: an earlier book's rows go first.
void ListChapters(BookView& view) {
    gChapterPattern->Create(ChapterPattern(), gBookPageText);
    const int chapterCount = gChapterPattern->MatchCount();
    view.ClearList();
    view.BeginListFill();
    for (gChapterIndex = 1; gChapterIndex <= chapterCount; ++gChapterIndex) {
        gInsertedRow = view.AppendListRow();
        view.SetListCellText(gChapterIndex - 1, 0, IntToText(gChapterIndex));
        view.SetListCellText(gChapterIndex - 1, 1, gChapterPattern->SubmatchText(gChapterIndex, 1));
    }
    view.EndListFill();
}

Text QueryStatus(const TransferResult& fetch, int chapterCount) {
    if (fetch.cancelled) return Utf8ToText("查询已停止");
    if (const Text failure = TransferFailure(fetch); !failure.empty()) {
        return Utf8ToText("查询失败：") + failure;
    }
    if (chapterCount == 0) return Utf8ToText("页面中没有章节列表");
    return Utf8ToText("《") + gBookName + Utf8ToText("》 分类：") + gCategory +
           Utf8ToText("，共 ") + IntToText(chapterCount) + Utf8ToText(" 章");
}

}  // namespace

void OnQueryClicked(BookView& view, const Site&) {
    TransferResult fetch;
    gBookPageText = FetchCataloguePage(view, view.ReadEditText(EditBox::kAddress), fetch);
    gBookId = TextBetween(view.ReadEditText(EditBox::kAddress), Text("disp_"), Text(".htm"));
    ReadBookDetails();
    ListChapters(view);
    view.ShowStatus(QueryStatus(fetch, gChapterPattern->MatchCount()));
}

}  // namespace vantrel
