#include "app/command_line.hpp"

namespace antkeys {

bool IsAutoStartCommandLine(const QStringList& arguments) {
    return arguments.size() == 1 && arguments.front() == QLatin1String("as");
}

}  // namespace antkeys
