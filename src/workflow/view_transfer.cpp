#include "workflow/view_transfer.h"

#include "text/code_page.h"
#include "text/text_number.h"

namespace vantrel {

Transfer TransferShownIn(BookView& view, const ActivityProgress& activity) {
    Transfer transfer;
    transfer.onProgress = [&view, activity = activity](const TransferProgress& progress) mutable {
        activity.transfer = progress;
        return view.ShowProgress(activity);
    };
    return transfer;
}

Text TransferFailure(const TransferResult& result) {
    if (!result.completed()) return Utf8ToText(result.error);
    if (result.status < 200 || result.status > 299) {
        return Text("HTTP ") + IntToText(static_cast<int>(result.status));
    }
    return Text();
}

}  // namespace vantrel
