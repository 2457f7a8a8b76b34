#pragma once
// Modal message boxes with a test hook: a test routes every box to a sink instead of showing
// it, so no test ever waits on a modal window.
#include <QString>

#include "data/message.hpp"

class QWidget;

namespace antkeys {

class MessageBox {
  public:
    // A modal box with the critical icon, the title, the text and one OK button; returns once
    // the user has dismissed it. CR LF in the text breaks the line.
    static void Critical(QWidget* parent, const Message& message);

    // While set, Critical hands every message to `sink` and shows nothing. nullptr restores
    // the boxes.
    static void SetTestSink(MessageSink* sink);
};

// Writes "title: text" to stderr, one line per line of the text.
void WriteToStderr(const Message& message);

// The window's MessageSink: writes "title: text" to stderr and shows the modal box.
class WindowMessageSink final : public MessageSink {
  public:
    explicit WindowMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const Message& message) override;
    int shown() const { return shown_; }

  private:
    QWidget* parent_;
    int shown_ = 0;
};

}  // namespace antkeys
