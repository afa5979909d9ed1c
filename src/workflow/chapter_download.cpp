#include "workflow/chapter_download.h"

namespace vantrel {

void OnDownloadClicked(BookView&, const Site&) {}

}  // namespace vantrel
