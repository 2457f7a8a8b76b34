#include "app/command_line.hpp"

#include "data/program_folder.hpp"
#include "version.hpp"

namespace antkeys {

static const char* const kUsage =
    "Usage: antkeys [as]\n"
    "\n"
    "Opens the window of antkeys, which designs keyboard layouts with an ant colony search and\n"
    "grades them against a reference layout. With the one argument \"as\" the search starts as\n"
    "soon as the window is shown. The search without a window: antkeys-cli.\n"
    "\n"
    "Options:\n"
    "  -h, --help  show this help\n"
    "  --version   show the version\n"
    "The options of Qt (such as -style NAME or -platform NAME) are understood too.\n"
    "\n"
    "The captions are Georgian, or English where the system's language is English;\n"
    "ANTKEYS_LANG=ka or ANTKEYS_LANG=en chooses.\n"
    "\n";

QStringList GivenArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool IsAutoStartCommandLine(const QStringList& arguments) {
    return arguments.size() == 1 && arguments.front() == QLatin1String("as");
}

std::string InfoAnswer(const QStringList& arguments) {
    if (arguments.size() != 1) return {};
    if (arguments.front() == QLatin1String("--version"))
        return std::string("antkeys ") + kVersion + "\n";
    if (arguments.front() == QLatin1String("--help") || arguments.front() == QLatin1String("-h"))
        return std::string(kUsage) + kProgramFolderHelp;
    return {};
}

}  // namespace antkeys
