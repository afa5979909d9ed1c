#pragma once

#include <QColor>
#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>
#include <ostream>
#include <vector>

#include "app/activity_progress_dialog.h"

namespace vantrel::test {

// Selects Qt's offscreen platform unless the caller chose one, so the tests need no display.
void UseOffscreenPlatformUnlessChosen();

// Creates, once per test program, the application every widget test runs in.
void EnsureApplication();

// Hands the next application-modal message box to inspect, then presses its OK button, so
// a test can go through code that waits for a person to close a box.
void AnswerNextMessageBox(std::function<void(QMessageBox&)> inspect);

// Presses OK on every message box that shows while it lives, whenever the event loop turns,
// and keeps what each said: for activities that show boxes before and after their work.
class MessageBoxAnswerer {
public:
    struct Answered {
        QString text;
        QString detailedText;
    };

    MessageBoxAnswerer();

    const std::vector<Answered>& boxes() const { return boxes_; }
    std::vector<QString> texts() const;

private:
    QTimer timer_;
    std::vector<Answered> boxes_;
};

// The progress dialog of the running activity while it shows, else null.
ActivityProgressDialog* ShownProgressDialog();

}  // namespace vantrel::test

// Readable failure messages for the Qt values the widget tests compare.
inline void PrintTo(const QString& string, std::ostream* out) {
    *out << '"' << string.toStdString() << '"';
}

inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << " x "
         << rect.height() << ")";
}

inline void PrintTo(const QSize& size, std::ostream* out) {
    *out << "QSize(" << size.width() << " x " << size.height() << ")";
}

inline void PrintTo(const QColor& color, std::ostream* out) { *out << color.name().toStdString(); }
