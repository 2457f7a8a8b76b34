#pragma once
// A program started by a test, its stdout read through a pipe. Every wait has a limit: a child
// that outlives it is killed, so a stop that no longer works fails the test instead of hanging.
#include <string>
#include <vector>

#include <sys/types.h>

namespace antkeys::test {

class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();  // kills and reaps a child still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // Reads stdout until `marker` has come (true), or to its end or the limit (false).
    bool ReadUntil(const std::string& marker, double seconds);
    // Everything read from stdout so far.
    const std::string& output() const { return output_; }
    bool Signal(int signal) const;
    // Reads stdout to its end and reaps the child within `seconds`; kills it after that.
    // Returns the wait status, or -1 when the child had to be killed.
    int Wait(double seconds);

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string output_;
};

// The id of a process that has ended: no running process owns it (until it is reused).
long EndedPid();

}  // namespace antkeys::test
