#include "support/fixture_site.h"

#include <algorithm>
#include <string_view>

#include "support/fixture_pages.h"
#include "text/code_page.h"

namespace vantrel::test {

namespace {

constexpr std::string_view kPlayPagePath = "/play/yousheng/flash.asp";

std::pair<std::string, std::string> SplitTarget(const std::string& target) {
    const auto question = target.find('?');
    if (question == std::string::npos) return {target, ""};
    return {target.substr(0, question), target.substr(question + 1)};
}

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

std::string PercentDecode(std::string_view encoded) {
    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size() && HexValue(encoded[i + 1]) >= 0 &&
            HexValue(encoded[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
            i += 2;
        } else {
            decoded += encoded[i];
        }
    }
    return decoded;
}

std::string QueryValue(const std::string& query, std::string_view key) {
    std::size_t start = 0;
    while (start <= query.size()) {
        const auto end = std::min(query.find('&', start), query.size());
        const std::string_view pair(query.data() + start, end - start);
        if (pair.substr(0, key.size()) == key && pair.size() > key.size() &&
            pair[key.size()] == '=') {
            return PercentDecode(pair.substr(key.size() + 1));
        }
        start = end + 1;
    }
    return "";
}

}  // namespace

Response OkResponse(std::string body, std::string contentType) {
    Response response;
    response.headers = {{"Content-Type", std::move(contentType)}};
    response.body = std::move(body);
    return response;
}

Response ErrorResponse(int status, std::string reason) {
    Response response = OkResponse("<html><head><title>" + reason + "</title></head><body><h1>" +
                                       reason + "</h1></body></html>",
                                   "text/html");
    response.status = status;
    response.reason = std::move(reason);
    return response;
}

FixtureSite::FixtureSite(FixtureBook book) : book_(std::move(book)) {
    for (const FixtureChapter& chapter : book_.chapters) {
        gbkChapterNames_.push_back(Utf8ToText(chapter.name).str());
    }
    web_.SetHandler([this](const RecordedRequest& request) { return AnswerWeb(request); });
    media_.SetHandler([this](const RecordedRequest& request) { return AnswerMedia(request); });
}

std::string FixtureSite::CatalogueUrl() const {
    return web_.Url("/yousheng/disp_" + book_.id + ".htm");
}

void FixtureSite::ServeWebPage(const std::string& path, Response response) {
    std::lock_guard lock(mutex_);
    webPages_[path] = std::move(response);
}

void FixtureSite::ServePlayPage(int number, Response response) {
    std::lock_guard lock(mutex_);
    playPages_[number] = std::move(response);
}

void FixtureSite::ServeMediaFile(int number, Response response) {
    std::lock_guard lock(mutex_);
    mediaFiles_[number] = std::move(response);
}

void FixtureSite::ThrottleMedia(std::int64_t bytesPerSecond) {
    std::lock_guard lock(mutex_);
    mediaBytesPerSecond_ = bytesPerSecond;
}

std::vector<RecordedRequest> FixtureSite::PlayPageRequests() const {
    std::vector<RecordedRequest> playPages;
    for (RecordedRequest& request : web_.Requests()) {
        if (SplitTarget(request.target).first == kPlayPagePath)
            playPages.push_back(std::move(request));
    }
    return playPages;
}

Response FixtureSite::AnswerWeb(const RecordedRequest& request) {
    const auto [path, query] = SplitTarget(request.target);
    {
        std::lock_guard lock(mutex_);
        if (const auto page = webPages_.find(path); page != webPages_.end()) return page->second;
    }
    if (path == "/yousheng/disp_" + book_.id + ".htm") {
        return OkResponse(CataloguePage(book_), "text/html; charset=gb2312");
    }
    if (path == kPlayPagePath) return AnswerPlayPage(query);
    return ErrorResponse(404, "Not Found");
}

// The site finds the chapter by the GBK name in the filename value ("<name>.mp3").
int FixtureSite::ChapterNamedInQuery(const std::string& query) const {
    std::string fileName = QueryValue(query, "filename");
    constexpr std::string_view kExtension = ".mp3";
    if (fileName.ends_with(kExtension)) fileName.resize(fileName.size() - kExtension.size());
    const auto found = std::find(gbkChapterNames_.begin(), gbkChapterNames_.end(), fileName);
    return found == gbkChapterNames_.end() ? 0
                                           : static_cast<int>(found - gbkChapterNames_.begin()) + 1;
}

Response FixtureSite::AnswerPlayPage(const std::string& query) {
    const int number = ChapterNamedInQuery(query);
    {
        std::lock_guard lock(mutex_);
        if (const auto page = playPages_.find(number); page != playPages_.end())
            return page->second;
    }
    const std::string mediaPath = number == 0 ? "" : MediaPath(book_, number);
    return OkResponse(PlayPage(mediaPath), "text/html; charset=gb2312");
}

Response FixtureSite::AnswerMedia(const RecordedRequest& request) {
    const std::string path = SplitTarget(request.target).first;
    for (std::size_t i = 0; i < book_.chapters.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (path != MediaPath(book_, number)) continue;
        std::lock_guard lock(mutex_);
        Response response = mediaFiles_.contains(number)
                                ? mediaFiles_[number]
                                : OkResponse(book_.chapters[i].audio, "audio/mpeg");
        if (response.bytesPerSecond == 0) response.bytesPerSecond = mediaBytesPerSecond_;
        return response;
    }
    return ErrorResponse(404, "Not Found");
}

}  // namespace vantrel::test
