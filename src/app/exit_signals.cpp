#include "app/exit_signals.hpp"

#include <cerrno>
#include <csignal>

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace antkeys {
namespace {

int pipeFds[2] = {-1, -1};  // [0] read by the event loop, [1] written by the handler
struct sigaction previousInt {};
struct sigaction previousTerm {};

extern "C" void OnExitSignal(int /*signal*/) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a pending request; nothing is lost by dropping this byte.
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    if (pipeFds[0] != -1) return;  // one watcher per process
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pipeFds) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &previousInt);
    ::sigaction(SIGTERM, &action, &previousTerm);

    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ExitSignals::OnReadable);
}

ExitSignals::~ExitSignals() {
    if (!notifier_) return;
    ::sigaction(SIGINT, &previousInt, nullptr);
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    delete notifier_;
    notifier_ = nullptr;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void ExitSignals::OnReadable() {
    char buffer[64];
    bool any = false;
    while (::read(pipeFds[0], buffer, sizeof buffer) > 0) any = true;
    if (any) emit closeRequested();
}

}  // namespace antkeys
