#include "support/fixture_pages.h"

#include "text/code_page.h"

namespace vantrel::test {

namespace {

std::string Gbk(std::string_view utf8) { return Utf8ToText(utf8).str(); }

}  // namespace

std::string CataloguePage(const FixtureBook& book) {
    std::string html =
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />\r\n"
        "<title>" +
        book.name +
        " 有声小说</title>\r\n</head>\r\n<body>\r\n"
        "<div class=\"bookinfo\"><ul>\r\n"
        "<li>名称：<span class=\"red12\"><strong>" +
        book.name +
        "</strong></span></li>\r\n"
        "<li>分类：" +
        book.category +
        "</li>\r\n"
        "<li>集数：" +
        std::to_string(book.chapters.size()) +
        "</li>\r\n"
        "</ul></div>\r\n<div class=\"playlist\"><ul>\r\n";
    for (std::size_t i = 0; i < book.chapters.size(); ++i) {
        html += "<li><a href=\"/play/yousheng/play_" + book.id + "_" + std::to_string(i + 1) +
                ".htm\">" + book.chapters[i].name + ".mp3</a></li>\r\n";
    }
    html += "</ul></div>\r\n</body>\r\n</html>\r\n";
    return Gbk(html);
}

std::string PlayPage(std::string_view mediaPath) {
    std::string html =
        "<html>\r\n<head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=gb2312\" /><title>在线收听</title></head>\r\n<body>\r\n"
        "<script type=\"text/javascript\">\r\nvar url = new Array();\r\n";
    if (!mediaPath.empty()) html += "url[3]= \"" + std::string(mediaPath) + "\";\r\n";
    html += "player(url);\r\n</script>\r\n</body>\r\n</html>\r\n";
    return Gbk(html);
}

std::string MediaPath(const FixtureBook& book, int number) {
    return "/mp3/yousheng/" + book.id + "/" + std::to_string(number) + ".mp3";
}

}  // namespace vantrel::test
