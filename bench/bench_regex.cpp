#include <benchmark/benchmark.h>

#include <string>

#include "text/code_page.h"
#include "text/regex_object.h"

namespace vantrel {
namespace {

constexpr int kChapters = 10000;

// A catalogue page the size of the site's longest books: 10,000 chapter links of about
// 150 bytes each, about 1.5 MB of GBK.
Text CataloguePage() {
    std::string page = "<html><body><ul class=\"list\">\r\n";
    for (int i = 1; i <= kChapters; ++i) {
        const std::string number = std::to_string(i);
        page += "<li class=\"item\"><a target=\"_blank\" title=\"在线收听第" + number +
                "集\" href=\"/play/yousheng/27417_" + number + ".htm\">第" + number +
                "集 三国演义 袁阔成评书 经典珍藏版.mp3</a></li>\r\n";
    }
    page += "</ul></body></html>\r\n";
    return Utf8ToText(page);
}

void CreateAndReadEveryChapter(benchmark::State& state) {
    const Text pattern = Utf8ToText(R"(htm">(.*?).mp3</a>)");
    const Text page = CataloguePage();
    for (auto _ : state) {
        RegexObject regex;
        regex.Create(pattern, page);
        const int count = regex.MatchCount();
        for (int i = 1; i <= count; ++i) benchmark::DoNotOptimize(regex.SubmatchText(i, 1));
        if (count != kChapters) state.SkipWithError("chapter links were missed");
    }
    state.counters["page_bytes"] = page.length();
}
BENCHMARK(CreateAndReadEveryChapter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel

BENCHMARK_MAIN();
