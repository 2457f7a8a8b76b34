#pragma once
// A message for the user: what a loader, the grading or the search reports.
// The core never shows anything itself; it hands messages to a MessageSink.
#include <string>
#include <vector>

namespace antkeys {

struct Message {
    std::string title;
    std::string text;  // the fixed text, then "\r\n" and a description where there is one
    bool critical = true;

    bool operator==(const Message&) const = default;
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Returns once the user has seen the message (a modal box in the window).
    virtual void show(const Message& message) = 0;
};

// Keeps every message it is given; used by tests and by batch tools that report later.
class RecordingSink final : public MessageSink {
  public:
    void show(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

// Joins a fixed message text and a description with the line break the messages use.
inline std::string WithDescription(const std::string& fixedText, const std::string& description) {
    return fixedText + "\r\n" + description;
}

}  // namespace antkeys
