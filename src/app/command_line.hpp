#pragma once
// The command line of the desktop program.
#include <QStringList>

namespace antkeys {

// True when the arguments (without the program's name) are exactly the one word "as":
// case-sensitive, nothing before or after it. The search then starts at once.
bool IsAutoStartCommandLine(const QStringList& arguments);

}  // namespace antkeys
