#pragma once

#include "http/transfer.h"
#include "workflow/book_view.h"

namespace vantrel {

// A Transfer whose progress the view shows as part of activity, and which stops when the
// user asks the view to stop.
Transfer TransferShownIn(BookView& view, const ActivityProgress& activity);

// Why an exchange gave nothing usable: the transport error, else "HTTP <status>" for a
// status outside 2xx; empty when neither applies.
Text TransferFailure(const TransferResult& result);

}  // namespace vantrel
