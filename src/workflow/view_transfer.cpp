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

Text StatusFailure(const TransferResult& result) {
    const bool answered = result.status != 0;
    if (!answered || (result.status >= 200 && result.status <= 299)) return Text();
    return Text("HTTP ") + IntToText(static_cast<int>(result.status));
}

Text TransferFailure(const TransferResult& result) {
    if (Text failure = StatusFailure(result); !failure.empty()) return failure;
    return result.completed() ? Text() : Utf8ToText(result.error);
}

}  // namespace vantrel
