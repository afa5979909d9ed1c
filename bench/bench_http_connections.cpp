// 200 sequential HTTPS GETs of a small page from a local server through HttpRequest: on the
// connection kept for the run, and on a fresh connection each time (the server closes every
// connection after its answer, so each request connects and shakes hands anew).

#include <benchmark/benchmark.h>

#include <string>

#include "http/http_request.h"
#include "support/test_http_server.h"

namespace vantrel {
namespace {

constexpr int kRequests = 200;

void BM_SequentialHttpsGets(benchmark::State& state) {
    const bool keepConnection = state.range(0) != 0;
    test::TestHttpServer server(test::TestHttpServer::Scheme::kHttps);
    server.SetHandler([keepConnection](const test::RecordedRequest&) {
        test::Response response;
        response.body = std::string(2048, 'x');
        if (!keepConnection) response.headers = {{"Connection", "close"}};
        return response;
    });
    const Text url(server.Url("/play/page.asp"));
    for (auto _ : state) {
        for (int i = 0; i < kRequests; ++i) {
            const Bytes page = HttpRequest(url);
            if (page.length() != 2048) state.SkipWithError("a page did not arrive whole");
            benchmark::DoNotOptimize(page);
        }
    }
    state.counters["connections_per_200"] =
        static_cast<double>(server.ConnectionCount()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SequentialHttpsGets)
    ->ArgName("keep_connection")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vantrel

BENCHMARK_MAIN();
