#include "cli/stop_signals.hpp"

namespace antkeys::cli {

volatile std::sig_atomic_t StopSignals::flag_ = 0;

void StopSignals::Handle(int /*signal*/) {
    flag_ = 1;
}

StopSignals::StopSignals() {
    flag_ = 0;
    struct sigaction action {};
    action.sa_handler = &StopSignals::Handle;
    sigemptyset(&action.sa_mask);
    // The first signal asks the run to stop; a second one ends the program at once.
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
}

StopSignals::~StopSignals() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
}

}  // namespace antkeys::cli
