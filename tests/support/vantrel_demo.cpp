// Starts a local copy of the book site with a sample book, then Vantrel pointed at it, so
// the whole tool can be tried without the internet. The site stops when Vantrel closes.

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "support/fixture_site.h"

extern char** environ;

namespace {

constexpr int kChapters = 30;
constexpr double kSecondsPerChapter = 5.0;
// Slow enough that the progress of each chapter can be watched.
constexpr std::int64_t kMediaBytesPerSecond = 400'000;

int RunVantrel() {
    char* argv[] = {const_cast<char*>(VANTREL_APP_PATH), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, VANTREL_APP_PATH, nullptr, nullptr, argv, environ) != 0) {
        std::perror("Cannot start " VANTREL_APP_PATH);
        return EXIT_FAILURE;
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : EXIT_FAILURE;
}

}  // namespace

int main() {
    vantrel::test::FixtureSite site(vantrel::test::SampleBook(kChapters, kSecondsPerChapter));
    site.ThrottleMedia(kMediaBytesPerSecond);
    setenv("VANTREL_WEB_HOST", site.webHost().c_str(), 1);
    setenv("VANTREL_MEDIA_HOST", site.mediaHost().c_str(), 1);
    std::printf(
        "Demo book site running: %s\n"
        "Press 查询 to list its %d chapters, then 下载; files go to the folder \"yousheng\"\n"
        "in your download directory.\n",
        site.CatalogueUrl().c_str(), kChapters);
    std::fflush(stdout);
    return RunVantrel();
}
