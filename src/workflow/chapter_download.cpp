#include "workflow/chapter_download.h"

#include <string>
#include <system_error>

#include "http/http_get_file.h"
#include "http/http_request.h"
#include "text/bytes_ops.h"
#include "text/code_page.h"
#include "text/text_number.h"
#include "text/text_slice.h"
#include "text/url_encode.h"
#include "text/wrapping_int.h"
#include "workflow/audio_sniffer.h"
#include "workflow/chapter_file_name.h"
#include "workflow/chapter_range.h"
#include "workflow/download_report.h"
#include "workflow/globals.h"
#include "workflow/part_file.h"
#include "workflow/view_transfer.h"

namespace vantrel {

namespace {

namespace fs = std::filesystem;

struct Chapter {
    int row = 0;
    int number = 0;
    Text name{};
    ActivityProgress activity;
};

const Text& MediaPathPattern() {
    static const Text pattern(R"(url\[3\]= \"(.*?)\"\;)");
    return pattern;
}

Text PlayPageAddress(const Site& site, const Text& chapterName) {
    return Concat(Text("https://"), site.webHost, Text("/play/yousheng/flash.asp?id="), gBookId,
                  Text("&inum=1&flei="), UrlEncode(gCategory), Text("&bookname="),
                  UrlEncode(gBookName), Text("&filename="), UrlEncode(chapterName),
                  Text(".mp3&rand=15&nexturl=play_27417_1.htm"));
}

// Says whether the folder existed ("真" or "假"), creates it when missing, and tells the
// user once why nothing can be saved when it is still not a usable folder.
bool PrepareDownloadFolder(BookView& view, const fs::path& folder) {
    std::error_code error;
    if (fs::exists(folder, error)) {
        view.ShowMessageBox(Utf8ToText("真"));
    } else {
        view.ShowMessageBox(Utf8ToText("假"));
        fs::create_directories(folder, error);
    }
    if (fs::is_directory(folder)) return true;
    const std::string reason = error ? error.message() : "已有同名文件";
    const Text message = Utf8ToText("无法使用下载文件夹 " + folder.string() + "：" + reason);
    view.ShowStatus(message);
    view.ShowMessageBox(message);
    return false;
}

// Why a media file is not worth keeping; empty when it is. A failing status says most,
// and stopping the transfer for markup or a write error is the cause of any transport
// error that follows.
Text MediaFailure(const TransferResult& result, const AudioSniffer& sniffer,
                  const Text& writeFailure) {
    static const Text notAudio = Utf8ToText("不是音频文件");
    if (Text failure = StatusFailure(result); !failure.empty()) return failure;
    if (sniffer.isMarkup()) return notAudio;
    if (!writeFailure.empty()) return writeFailure;
    if (Text failure = TransferFailure(result); !failure.empty()) return failure;
    return result.bytes == 0 ? notAudio : Text();
}

// Fetches the media file into a part file; false when the user stopped the transfer.
bool SaveMediaFile(BookView& view, const Site& site, Chapter& chapter, DownloadReport& report) {
    chapter.activity.stage = ActivityProgress::Stage::kMediaFile;
    PartFile file(site.downloadFolder / ChapterFileName(chapter.name));
    if (!file.Open()) {
        report.Failed(chapter.number, chapter.name, Utf8ToText(file.error()));
        return true;
    }
    AudioSniffer sniffer;
    bool written = true;
    Transfer media = TransferShownIn(view, chapter.activity);
    const BodySink sink = [&](std::string_view chunk) {
        if (!sniffer.Accept(chunk)) return false;
        written = file.Write(chunk);
        return written;
    };
    HttpGetFile(gMediaUrl, sink, &media);
    if (media.result.cancelled) return false;

    Text failure = MediaFailure(media.result, sniffer, written ? Text() : Utf8ToText(file.error()));
    if (failure.empty() && !file.Commit()) failure = Utf8ToText(file.error());
    if (failure.empty()) {
        report.Saved(chapter.number, chapter.name);
    } else {
        report.Failed(chapter.number, chapter.name, failure);
    }
    return true;
}

// One pass of the download; false when the user stopped it.
bool DownloadChapter(BookView& view, const Site& site, Chapter& chapter, DownloadReport& report) {
    chapter.name = view.GetListCellText(chapter.row, 1);
    chapter.activity.chapterName = chapter.name;
    if (!view.ShowProgress(chapter.activity)) return false;
    if (chapter.name.empty()) {
        report.NotListed(chapter.number, 1);
        return true;
    }

    Transfer playPage = TransferShownIn(view, chapter.activity);
    const Bytes body = HttpRequest(PlayPageAddress(site, chapter.name),
                                   {.method = kHttpGet, .transfer = &playPage});
    if (playPage.result.cancelled) return false;
    gPlayPageText = BytesToText(body);
    gMediaUrlPattern->Create(MediaPathPattern(), gPlayPageText);
    const Text mediaPath = gMediaUrlPattern->SubmatchText(1, 1);
    gMediaUrl = Text("http://") + site.mediaHost + mediaPath;
    // Without a path the address names the bare media host: whatever it answers is not
    // this chapter.
    if (mediaPath.empty()) {
        const Text failure = TransferFailure(playPage.result);
        report.Failed(chapter.number, chapter.name,
                      failure.empty() ? Utf8ToText("页面中没有媒体地址") : failure);
        return true;
    }
    return SaveMediaFile(view, site, chapter, report);
}

// Walks only the passes whose chapters have a row, so a range reaching far beyond the
// list costs one report line, not a pass per chapter.
void DownloadRange(BookView& view, const Site& site, const ChapterRange& range,
                   DownloadReport& report) {
    const ListedPasses listed = PassesWithListRows(range, view.ListRowCount());
    if (listed.empty()) {
        report.NotListed(range.first, range.count);
        return;
    }
    report.NotListed(range.first, listed.firstPass - 1);
    for (int pass = listed.firstPass; pass <= listed.lastPass; ++pass) {
        Chapter chapter{
            .row = WrappingAdd(range.first, pass - 2),
            .number = WrappingAdd(range.first, pass - 1),
            .activity = {.stage = ActivityProgress::Stage::kPlayPage,
                         .chapterOrdinal = pass,
                         .chapterCount = range.count,
                         .chapterNumber = WrappingAdd(range.first, pass - 1)},
        };
        if (!DownloadChapter(view, site, chapter, report)) {
            report.Stopped();
            return;
        }
    }
    report.NotListed(WrappingAdd(range.first, listed.lastPass), range.count - listed.lastPass);
}

}  // namespace

void OnDownloadClicked(BookView& view, const Site& site) {
    if (!PrepareDownloadFolder(view, site.downloadFolder)) return;
    const ChapterRange range = SettleChapterRange(ToInt(view.ReadEditText(EditBox::kFirstChapter)),
                                                  ToInt(view.ReadEditText(EditBox::kEndChapter)));
    DownloadReport report;
    DownloadRange(view, site, range, report);
    view.ShowStatus(report.Summary());
    view.ShowMessageBox(report.ClosingMessage());
}

}  // namespace vantrel
