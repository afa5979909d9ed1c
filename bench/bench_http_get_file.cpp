// A 1 GiB body from a local server through the streaming HttpGetFile into /dev/null, against
// the curl command line downloading the same body to /dev/null in the same run. Peak RSS
// covers the whole process, the in-process server included.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "http/http_get_file.h"
#include "support/test_http_server.h"

namespace vantrel {
namespace {

constexpr std::int64_t kBodySize = std::int64_t{1} << 30;

class MediaServer {
public:
    MediaServer() {
        server_.SetHandler([](const test::RecordedRequest&) {
            test::Response response;
            response.generatedSize = kBodySize;
            response.generator = [](std::int64_t, std::span<char> chunk) {
                std::ranges::fill(chunk, 'm');
            };
            return response;
        });
    }
    std::string Url() const { return server_.Url("/chapter.mp3"); }

private:
    test::TestHttpServer server_;
};

double PeakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss counts KiB
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void BM_StreamingHttpGetFile(benchmark::State& state) {
    const MediaServer server;
    const std::unique_ptr<std::FILE, FileCloser> devNull(std::fopen("/dev/null", "wb"));
    for (auto _ : state) {
        Transfer transfer;
        HttpGetFile(
            Text(server.Url()),
            [&devNull](std::string_view chunk) {
                return std::fwrite(chunk.data(), 1, chunk.size(), devNull.get()) == chunk.size();
            },
            &transfer);
        if (transfer.result.bytes != kBodySize) state.SkipWithError(transfer.result.error.c_str());
    }
    state.SetBytesProcessed(state.iterations() * kBodySize);
    state.counters["peak_rss_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_StreamingHttpGetFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CurlCommandLine(benchmark::State& state) {
    const MediaServer server;
    const std::string command = "curl --silent --fail --output /dev/null '" + server.Url() + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("curl failed");
    }
    state.SetBytesProcessed(state.iterations() * kBodySize);
}
BENCHMARK(BM_CurlCommandLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace vantrel

BENCHMARK_MAIN();
