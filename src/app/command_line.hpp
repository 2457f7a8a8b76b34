#pragma once
// The command line of the desktop program.
#include <string>

#include <QStringList>

namespace antkeys {

// The arguments as given (without the program's name), read before QApplication takes out
// the options it knows (-style, -reverse, ...), so that they count like any other word.
QStringList GivenArguments(int argc, char** argv);

// True when the arguments (without the program's name) are exactly the one word "as":
// case-sensitive, nothing before or after it. The search then starts at once.
bool IsAutoStartCommandLine(const QStringList& arguments);

// What --version or --help print, which need no display; empty for any other command line.
std::string InfoAnswer(const QStringList& arguments);

}  // namespace antkeys
