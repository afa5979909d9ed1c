#pragma once

#include "workflow/book_view.h"
#include "workflow/site.h"

namespace vantrel {

// 查询: fetches the catalogue page in the address box and lists the book's chapters.
void OnQueryClicked(BookView& view, const Site& site);

}  // namespace vantrel
