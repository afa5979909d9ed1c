#include "app/app_icon.h"

namespace vantrel {

QIcon ApplicationIcon() { return QIcon(QStringLiteral(":/icons/vantrel.svg")); }

}  // namespace vantrel
