#include "ui/app_icon.hpp"

namespace antkeys {

// The icon is built into the program's resources (src/ui/CMakeLists.txt).
QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/icon.png"));
}

}  // namespace antkeys
