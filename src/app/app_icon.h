#pragma once

#include <QIcon>

namespace vantrel {

// The program's icon, the same picture the desktop entry names; drawn from the SVG built
// into the program, so it needs no installed files, only Qt's SVG icon engine.
QIcon ApplicationIcon();

}  // namespace vantrel
