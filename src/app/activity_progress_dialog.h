#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/elided_label.h"
#include "app/progress_text.h"

namespace vantrel {

// Stands in front of the window while the query or the download runs: what is being
// fetched, how far it is, and a way to stop it (the Cancel button, Escape or the dialog's
// own close button). It never closes itself; whoever runs the activity does that.
class ActivityProgressDialog : public QDialog {
    Q_OBJECT

public:
    explicit ActivityProgressDialog(QWidget* parent);

    void Display(const ProgressLines& lines);
    // Tells the user that the stop is under way; later stop requests are not repeated.
    void ShowStopping();

signals:
    void stopRequested();

public slots:
    // Escape: stops the activity rather than hiding the dialog in front of it.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RequestStop();

    QLabel* const step_;
    ElidedLabel* const chapter_;
    QProgressBar* const bar_;
    QLabel* const transfer_;
    QLabel* const rate_;
    QPushButton* const cancel_;
};

}  // namespace vantrel
