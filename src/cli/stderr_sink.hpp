#pragma once
// Messages of the core written to the error stream as "title: text".
#include <iosfwd>

#include "data/message.hpp"

namespace antkeys::cli {

class StderrSink final : public MessageSink {
  public:
    explicit StderrSink(std::ostream& out) : out_(out) {}
    void show(const Message& message) override;

  private:
    std::ostream& out_;
};

}  // namespace antkeys::cli
