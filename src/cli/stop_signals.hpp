#pragma once
// SIGINT and SIGTERM as the Stop button of a command-line run: the handler only sets a flag,
// which the run's Yield() reads between steps. A second signal takes the default action.
#include <csignal>

namespace antkeys::cli {

class StopSignals {
  public:
    // Installs the handlers and clears the flag; the destructor puts the old handlers back.
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // A plain read of a sig_atomic_t: cheap enough for every Yield().
    static bool Received() { return flag_ != 0; }

  private:
    static void Handle(int signal);
    static volatile std::sig_atomic_t flag_;
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

}  // namespace antkeys::cli
