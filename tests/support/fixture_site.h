#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "support/fixture_book.h"
#include "support/test_http_server.h"

namespace vantrel::test {

// The book site on 127.0.0.1: an HTTPS web host serving a book's catalogue page and the
// play page of each chapter, and a plain-HTTP media host serving the MP3 files. Tests can
// make any page or file answer differently, to see how the tool copes.
class FixtureSite {
public:
    explicit FixtureSite(FixtureBook book);

    const FixtureBook& book() const { return book_; }
    std::string webHost() const { return web_.hostPort(); }
    std::string mediaHost() const { return media_.hostPort(); }
    // https://<web host>/yousheng/disp_<id>.htm
    std::string CatalogueUrl() const;

    // Answers requests for path (without query) on the web host with response instead.
    void ServeWebPage(const std::string& path, Response response);
    // Answers the play page of chapter number (from 1) with response instead.
    void ServePlayPage(int number, Response response);
    // Answers the media file of chapter number (from 1) with response instead.
    void ServeMediaFile(int number, Response response);
    // Sends every media file at this pace; 0 for full speed.
    void ThrottleMedia(std::int64_t bytesPerSecond);

    std::vector<RecordedRequest> WebRequests() const { return web_.Requests(); }
    std::vector<RecordedRequest> MediaRequests() const { return media_.Requests(); }
    // The play-page requests only, in the order they arrived.
    std::vector<RecordedRequest> PlayPageRequests() const;

private:
    Response AnswerWeb(const RecordedRequest& request);
    Response AnswerMedia(const RecordedRequest& request);
    Response AnswerPlayPage(const std::string& query);
    int ChapterNamedInQuery(const std::string& query) const;

    const FixtureBook book_;
    std::vector<std::string> gbkChapterNames_;
    mutable std::mutex mutex_;
    std::map<std::string, Response> webPages_;
    std::map<int, Response> playPages_;
    std::map<int, Response> mediaFiles_;
    std::int64_t mediaBytesPerSecond_ = 0;
    TestHttpServer web_{TestHttpServer::Scheme::kHttps};
    TestHttpServer media_{TestHttpServer::Scheme::kHttp};
};

// A 200 answer carrying body with the given content type.
Response OkResponse(std::string body, std::string contentType);
// A status answer with a short HTML page, as a web server gives it.
Response ErrorResponse(int status, std::string reason);

}  // namespace vantrel::test
