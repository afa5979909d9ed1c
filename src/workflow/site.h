#pragma once

#include <filesystem>

#include "text/text.h"

namespace vantrel {

// Where the book site lives and where chapters are saved. Hosts are "host" or
// "host:port", without scheme or slash.
struct Site {
    Text webHost;
    Text mediaHost;
    std::filesystem::path downloadFolder;
};

inline constexpr char kDefaultWebHost[] = "www.vantrel.example";
inline constexpr char kDefaultMediaHost[] = "media.vantrel.example";
inline constexpr char kDownloadFolderName[] = "yousheng";

// The default hosts, replaced by VANTREL_WEB_HOST and VANTREL_MEDIA_HOST when set (tests
// and the offline demo point them at a local site); chapters go to the folder "yousheng"
// inside downloadsDirectory.
Site SiteFromEnvironment(const std::filesystem::path& downloadsDirectory);

}  // namespace vantrel
