#include "workflow/book_query.h"

namespace vantrel {

void OnQueryClicked(BookView&, const Site&) {}

}  // namespace vantrel
