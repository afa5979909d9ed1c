#pragma once

#include "text/text.h"

namespace vantrel {

// Both boxes have no owner window yet block every window of the program until the user
// closes them, and both return only then.

// The workflows' messages: caption "信息：", no icon, one OK button.
void ShowInformationBox(const Text& text);

// The presenter for ReportRuntimeError once the application exists: caption "错误" and
// the error icon.
void ShowFatalErrorBox(const Text& report);

}  // namespace vantrel
