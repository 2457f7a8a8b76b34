// The start-up: the end of the program after a failed load and the command line "as". The load
// order itself is tested with the workspace.
#include <csignal>
#include <cstdio>
#include <filesystem>

#include <QApplication>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

#include "app/command_line.hpp"
#include "data/messages.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;

namespace {

// Runs the program's entry with stderr sent to a file of `temp`; returns what was written.
std::string RunCapturingStderr(const test::TempFolder& temp, int& status,
                               const QStringList& arguments = {}) {
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int fd =
        ::open((temp.path() + "/stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(fd, 2);
    ::close(fd);
    status = RunDesktopProgram(*qApp, arguments);
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    return temp.Read("stderr.txt");
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

  private slots:
    // The program's own entry: a failed load ends it with status 1, the message on stderr
    // too; the silent failure of the reference grading still leaves its reason there.
    void failedLoadEndsTheProgram() {
        test::TempFolder temp;
        const std::string folder = test::MakeProgramFolder(temp, test::SmallWindowSet());
        std::filesystem::remove(folder + "/In/Gj.txt");
        test::RecordedBoxes boxes;
        qputenv("ANTKEYS_HOME", QByteArray::fromStdString(folder));
        // Should a load wrongly succeed, the event loop must still end.
        QTimer guard;
        connect(&guard, &QTimer::timeout, qApp, &QCoreApplication::quit);
        guard.start(3000);
        int status = 0;
        std::string err = RunCapturingStderr(temp, status);
        QCOMPARE(status, 1);
        QCOMPARE(boxes.sink.messages.size(), std::size_t{1});
        QVERIFY2(err.find(std::string(msg::kGjTitle) + ": " + msg::kGjText) != std::string::npos,
                 err.c_str());

        // Key E has a finger the Kdi table has no row for: the reference layout cannot be graded.
        test::InputSet::Small().Line("KeyDefs.txt", 6, "E\t0\t7\t2\t2\t0").WriteTo(folder);
        boxes.sink.messages.clear();
        err = RunCapturingStderr(temp, status);
        qunsetenv("ANTKEYS_HOME");
        QCOMPARE(status, 1);
        QVERIFY(boxes.sink.messages.empty());
        // After the line that names the program folder.
        QVERIFY2(err.find("\n" + std::string(msg::kProgramTitle) + ": ") != std::string::npos,
                 err.c_str());
    }

    void aSignalClosesTheStartedProgram_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("as") << QStringList{QStringLiteral("as")};
        QTest::newRow("no argument") << QStringList{};
    }
    // A good folder opens the window, which SIGTERM closes; the program then ends with 0.
    // Only with "as" has a run started, which the close ends by saving the store.
    void aSignalClosesTheStartedProgram() {
        QFETCH(QStringList, arguments);
        test::TempFolder temp;
        qputenv("ANTKEYS_HOME",
                QByteArray::fromStdString(test::MakeProgramFolder(temp, test::SmallWindowSet())));
        QTimer::singleShot(300, [] { std::raise(SIGTERM); });
        QTimer guard;  // should the signal be lost, the event loop must still end
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
        guard.start(10000);
        int status = -1;
        const std::string err = RunCapturingStderr(temp, status, arguments);
        qunsetenv("ANTKEYS_HOME");
        QCOMPARE(status, 0);
        QVERIFY2(err.find(": program folder " + temp.path()) != std::string::npos, err.c_str());
        QCOMPARE(test::OutHolds(temp.path(), "Pheromones.txt"), !arguments.isEmpty());
    }

    void commandLines() {
        QVERIFY(IsAutoStartCommandLine({QStringLiteral("as")}));
        for (const QStringList& line :
             {QStringList{}, QStringList{"AS"}, QStringList{"As"}, QStringList{"as", "x"},
              QStringList{"as x"}, QStringList{" as"}})
            QVERIFY2(!IsAutoStartCommandLine(line), qPrintable(line.join(QLatin1Char('|'))));
        // --version and --help are checked on the installed program.
        QVERIFY(InfoAnswer({QStringLiteral("-h")}).rfind("Usage: antkeys [as]", 0) == 0);
        for (const QStringList& line :
             {QStringList{}, QStringList{"as"}, QStringList{"--help", "x"}})
            QVERIFY(InfoAnswer(line).empty());
        char name[] = "antkeys", as[] = "as", style[] = "-style";
        char* argv[] = {name, style, as, nullptr};
        QCOMPARE(GivenArguments(3, argv),
                 QStringList({QStringLiteral("-style"), QStringLiteral("as")}));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
