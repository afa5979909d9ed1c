#include "app/activity_monitor.h"

#include <QCoreApplication>
#include <QPointer>
#include <utility>

namespace vantrel {

namespace {

// About 25 pictures a second: smooth to the eye, and a handful of event-loop turns beside
// the thousands of reports a fast transfer makes.
constexpr std::chrono::milliseconds kRefreshInterval(40);

}  // namespace

ActivityMonitor::ActivityMonitor(QWidget& window, std::vector<QWidget*> controls)
    : window_(window), controls_(std::move(controls)) {}

bool ActivityMonitor::Run(const std::function<void()>& activity) {
    if (running()) return false;
    // Switching the controls off takes the focus from them; it goes back where it was.
    const QPointer<QWidget> focus = window_.focusWidget();
    EnableControls(false);
    ActivityProgressDialog dialog(&window_);
    QObject::connect(&dialog, &ActivityProgressDialog::stopRequested, &dialog,
                     [this] { stopRequested_ = true; });
    // The dialog appears with the first report, so a message box the activity shows
    // before it fetches anything does not flash it up and away again.
    dialog_ = &dialog;
    bytes_ = ByteTally();
    stopRequested_ = false;
    abandoned_ = false;
    activity();
    dialog_ = nullptr;
    EnableControls(true);
    if (focus) focus->setFocus();
    return true;
}

bool ActivityMonitor::Report(const ActivityProgress& progress) {
    if (!running()) return true;  // not one of the monitor's activities: nothing to show
    if (stopRequested_) return false;
    CountBytes(progress);
    const Clock::time_point now = Clock::now();
    if (dialog_->isVisible() && now < nextRefresh_) return true;
    Refresh(progress, now);
    return !stopRequested_;
}

void ActivityMonitor::StepAside() {
    if (running()) dialog_->hide();
}

void ActivityMonitor::Stop() {
    if (!running()) return;
    stopRequested_ = true;
    dialog_->ShowStopping();
}

void ActivityMonitor::Abandon() {
    if (!running()) return;
    abandoned_ = true;
    Stop();
}

void ActivityMonitor::EnableControls(bool enabled) {
    for (QWidget* control : controls_) control->setEnabled(enabled);
}

void ActivityMonitor::CountBytes(const ActivityProgress& progress) {
    const std::int64_t received = progress.transfer.received;
    const bool sameTransfer = progress.stage == bytes_.stage &&
                              progress.chapterOrdinal == bytes_.chapterOrdinal &&
                              received >= bytes_.received;
    if (!sameTransfer) {
        bytes_.finished += bytes_.received;
        bytes_.stage = progress.stage;
        bytes_.chapterOrdinal = progress.chapterOrdinal;
    }
    bytes_.received = received;
}

void ActivityMonitor::Refresh(const ActivityProgress& progress, Clock::time_point now) {
    nextRefresh_ = now + kRefreshInterval;
    const std::int64_t bytesSoFar = bytes_.finished + bytes_.received;
    // Time spent behind a message box is not time spent transferring.
    if (!dialog_->isVisible()) {
        rate_.Restart(bytesSoFar, now);
    } else {
        rate_.Sample(bytesSoFar, now);
    }
    dialog_->Display(DescribeProgress(progress, rate_.bytesPerSecond()));
    dialog_->show();
    // Paints the window and the dialog and lets the user press Cancel or close the window,
    // whose controls take no clicks meanwhile.
    QCoreApplication::processEvents();
}

}  // namespace vantrel
