#pragma once

#include "workflow/book_view.h"
#include "workflow/site.h"

namespace vantrel {

// 下载: saves the chapters from the first up to, not including, the end chapter number.
void OnDownloadClicked(BookView& view, const Site& site);

}  // namespace vantrel
