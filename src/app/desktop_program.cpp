#include "app/desktop_program.hpp"

#include <cstdio>

#include <QApplication>
#include <QTimer>
#include <QTranslator>

#include "app/command_line.hpp"
#include "app/exit_signals.hpp"
#include "data/messages.hpp"
#include "data/out_folder.hpp"
#include "data/program_folder.hpp"
#include "eval/workspace.hpp"
#include "search/search_engine.hpp"
#include "ui/caption_language.hpp"
#include "ui/main_window.hpp"
#include "ui/message_box.hpp"
#include "version.hpp"

namespace antkeys {

DesktopProgram::DesktopProgram() : workspace_(std::make_unique<Workspace>()) {}

DesktopProgram::~DesktopProgram() = default;

std::unique_ptr<DesktopProgram> DesktopProgram::Load(const std::string& folder, MessageSink& sink,
                                                     std::string* why, KernelChoice kernels) {
    std::unique_ptr<DesktopProgram> program(new DesktopProgram());
    program->workspace_->paths.folder = folder;
    program->workspace_->kernels = kernels;
    if (!LoadWorkspace(*program->workspace_, sink, why)) return nullptr;
    const std::string out = program->workspace_->paths.OutFolder();
    if (CheckOutFolder(out, program->outFolderError_)) RemoveStaleTemporaries(out);
    program->random_.Seed(Random::ClockSeed());
    program->engine_ = std::make_unique<SearchEngine>(*program->workspace_, program->random_);
    program->window_ = std::make_unique<MainWindow>(*program->engine_);
    return program;
}

void DesktopProgram::ReportOutFolder(MessageSink& sink) const {
    if (outFolderError_.empty()) return;
    sink.show(
        Message{msg::kWriteTitle, WithDescription(msg::kOutFolderText, outFolderError_), true});
}

void DesktopProgram::Show(bool autoStart) {
    window_->CenterOnScreen();
    window_->show();
    if (autoStart) QTimer::singleShot(0, window_.get(), &MainWindow::cmdRun_Click);
}

// Says on stderr which folder is used, so a user can find the results.
static std::string ChooseFolder() {
    const ProgramFolderResult r = ResolveProgramFolder(CurrentFolderSources());
    std::string lines;
    if (!r.created.empty())
        lines +=
            std::string(msg::kProgramTitle) + ": made the program folder from " + r.created + "\n";
    if (!r.error.empty()) lines += std::string(msg::kProgramTitle) + ": " + r.error + "\n";
    lines += std::string(msg::kProgramTitle) + ": program folder " + r.folder + "\n";
    std::fputs(lines.c_str(), stderr);
    return r.folder;
}

int RunDesktopProgram(QApplication& app, const QStringList& arguments) {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    // Before the window is built: its captions are looked up as it is made.
    QString warning;
    const std::unique_ptr<QTranslator> catalogue = InstallCaptionCatalogue(warning);
    if (!warning.isEmpty())
        std::fputs((std::string(msg::kProgramTitle) + ": " + warning.toStdString() + "\n").c_str(),
                   stderr);
    WindowMessageSink sink;
    std::string why;
    std::unique_ptr<DesktopProgram> program =
        DesktopProgram::Load(ChooseFolder(), sink, &why, KernelChoiceFromEnvironment());
    if (!program) {
        // A failure that showed no message still leaves a trace for whoever started us.
        if (!why.empty() || sink.shown() == 0) {
            const std::string line = std::string(msg::kProgramTitle) + ": " +
                                     (why.empty() ? "the start-up failed" : why) + "\n";
            std::fputs(line.c_str(), stderr);
        }
        return 1;
    }

    MainWindow& window = program->window();
    QObject::connect(&window, &MainWindow::programEnded, &app, &QCoreApplication::quit);
    ExitSignals exitSignals;
    QObject::connect(&exitSignals, &ExitSignals::closeRequested, &window,
                     &MainWindow::RequestClose);

    // Before the window shows, so that an automatic start waits for the box.
    program->ReportOutFolder(sink);
    program->Show(IsAutoStartCommandLine(arguments));
    return app.exec();
}

}  // namespace antkeys
