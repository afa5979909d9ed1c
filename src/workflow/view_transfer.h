#pragma once

#include "http/transfer.h"
#include "workflow/book_view.h"

namespace vantrel {

// A Transfer whose progress the view shows as part of activity, and which stops when the
// user asks the view to stop.
Transfer TransferShownIn(BookView& view, const ActivityProgress& activity);

// "HTTP <status>" when the server answered with a status outside 2xx; empty otherwise.
Text StatusFailure(const TransferResult& result);

// Why an exchange gave nothing usable: a failing status, else the transport error; empty
// when the exchange went through.
Text TransferFailure(const TransferResult& result);

}  // namespace vantrel
