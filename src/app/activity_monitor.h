#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/activity_progress_dialog.h"
#include "app/transfer_rate_meter.h"
#include "workflow/book_view.h"

namespace vantrel {

// Runs the query or the download on the GUI thread, one at a time, with the window's
// controls switched off and a progress dialog in front that keeps the program painting and
// lets the user stop it. The activity calls Report as often as it likes; the monitor hands
// the event loop a turn only every few hundredths of a second, so a fast transfer is not
// slowed down by its own display.
//
// The dialog is not modal: Qt drops the window manager's request to close a window that a
// modal dialog blocks, and closing the window must stop the activity.
class ActivityMonitor {
public:
    ActivityMonitor(QWidget& window, std::vector<QWidget*> controls);

    bool running() const { return dialog_ != nullptr; }

    // Runs activity to its end; returns false at once, running nothing, while another
    // activity runs (a click queued before the controls went off must not start a second
    // one).
    bool Run(const std::function<void()>& activity);

    // Shows progress and lets the user act on the dialog; false once a stop was asked for.
    bool Report(const ActivityProgress& progress);
    // Takes the dialog out of the way while the activity shows a message box; the next
    // report brings it back.
    void StepAside();

    // Stops the running activity at its next report.
    void Stop();
    // Stops it because the user is leaving: nobody is there to read its messages any more.
    void Abandon();
    // Whether the activity that runs, or ran last, was abandoned.
    bool abandoned() const { return abandoned_; }

private:
    using Clock = TransferRateMeter::Clock;

    void EnableControls(bool enabled);
    void CountBytes(const ActivityProgress& progress);
    void Refresh(const ActivityProgress& progress, Clock::time_point now);

    // The transfer reported last, to notice when the next one begins, and the bytes of the
    // activity's earlier transfers, so that the speed runs on from chapter to chapter.
    struct ByteTally {
        ActivityProgress::Stage stage{};
        int chapterOrdinal = 0;
        std::int64_t received = 0;
        std::int64_t finished = 0;
    };

    QWidget& window_;
    const std::vector<QWidget*> controls_;
    ActivityProgressDialog* dialog_ = nullptr;  // while an activity runs
    TransferRateMeter rate_;
    ByteTally bytes_;
    Clock::time_point nextRefresh_{};
    bool stopRequested_ = false;
    bool abandoned_ = false;
};

}  // namespace vantrel
