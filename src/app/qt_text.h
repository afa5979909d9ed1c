#pragma once

#include <QString>

#include "text/text.h"

namespace vantrel {

// The window speaks UTF-16 and the rest of the program GBK; every crossing goes through
// these two, so the widgets never see raw GBK bytes.
QString TextToQString(const Text& text);
Text QStringToText(const QString& string);

}  // namespace vantrel
