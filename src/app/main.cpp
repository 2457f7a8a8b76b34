#include <cstdio>
#include <string>

#include <QApplication>

#include "app/command_line.hpp"
#include "app/desktop_program.hpp"

int main(int argc, char** argv) {
    // Before QApplication: it would take out its own options and needs a display.
    const QStringList arguments = antkeys::GivenArguments(argc, argv);
    if (const std::string answer = antkeys::InfoAnswer(arguments); !answer.empty()) {
        std::fputs(answer.c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    return antkeys::RunDesktopProgram(app, arguments);
}
