#include <QApplication>

#include "app/desktop_program.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return antkeys::RunDesktopProgram(app, argv[0]);
}
