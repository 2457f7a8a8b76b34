#pragma once
// The icon of the program's windows: a 32 x 32 picture in 16 colours.
#include <QIcon>

namespace antkeys {

QIcon ProgramIcon();

}  // namespace antkeys
