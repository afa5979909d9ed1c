// From the click on 查询 to a filled list, for a book of 10,000 chapters served by the local
// site: fetch, regular expressions and list filling through the headless view.

#include <benchmark/benchmark.h>

#include "support/fixture_site.h"
#include "workflow/book_query.h"
#include "workflow/fake_book_view.h"
#include "workflow/globals.h"

namespace vantrel {
namespace {

void BM_QueryOfTenThousandChapters(benchmark::State& state) {
    test::FixtureSite site(test::SampleBook(10'000, 0.0));
    const Site description{
        .webHost = Text(site.webHost()), .mediaHost = Text(site.mediaHost()), .downloadFolder = {}};
    InitGlobals();
    test::FakeBookView view;
    view.editBoxes[EditBox::kAddress] = Text(site.CatalogueUrl());
    for (auto _ : state) {
        OnQueryClicked(view, description);
        if (view.rows.size() != 10'000) state.SkipWithError("the list was not filled");
    }
    state.counters["page_bytes"] = static_cast<double>(gBookPageText.length());
    FreeGlobals();
}
BENCHMARK(BM_QueryOfTenThousandChapters)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel

BENCHMARK_MAIN();
