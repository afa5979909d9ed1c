#include "app/qt_text.h"

#include "text/code_page.h"

namespace vantrel {

QString TextToQString(const Text& text) { return QString::fromStdString(TextToUtf8(text)); }

Text QStringToText(const QString& string) { return Utf8ToText(string.toStdString()); }

}  // namespace vantrel
