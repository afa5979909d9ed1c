#include "workflow/site.h"

#include <cstdlib>

namespace vantrel {

namespace {

Text HostFromEnvironment(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    return Text(value && *value ? value : fallback);
}

}  // namespace

Site SiteFromEnvironment(const std::filesystem::path& downloadsDirectory) {
    return Site{
        .webHost = HostFromEnvironment("VANTREL_WEB_HOST", kDefaultWebHost),
        .mediaHost = HostFromEnvironment("VANTREL_MEDIA_HOST", kDefaultMediaHost),
        .downloadFolder = downloadsDirectory / kDownloadFolderName,
    };
}

}  // namespace vantrel
