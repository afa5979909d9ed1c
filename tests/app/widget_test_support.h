#pragma once

#include <QColor>
#include <QMessageBox>
#include <QRect>
#include <QString>
#include <functional>
#include <ostream>

namespace vantrel::test {

// Selects Qt's offscreen platform unless the caller chose one, so the tests need no display.
void UseOffscreenPlatformUnlessChosen();

// Creates, once per test program, the application every widget test runs in.
void EnsureApplication();

// Hands the next application-modal message box to inspect, then presses its OK button, so
// a test can go through code that waits for a person to close a box.
void AnswerNextMessageBox(std::function<void(QMessageBox&)> inspect);

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
