#include "ui/message_box.hpp"

#include <cstdio>
#include <string>

#include <QMessageBox>

namespace antkeys {
namespace {

MessageSink* testSink = nullptr;

std::string WithoutCarriageReturns(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

}  // namespace

void MessageBox::Critical(QWidget* parent, const Message& message) {
    if (testSink) {
        testSink->show(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(message.title),
                    QString::fromStdString(WithoutCarriageReturns(message.text)), QMessageBox::Ok,
                    parent);
    box.exec();
}

void MessageBox::SetTestSink(MessageSink* sink) {
    testSink = sink;
}

void WriteToStderr(const Message& message) {
    const std::string line = message.title + ": " + WithoutCarriageReturns(message.text) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

void WindowMessageSink::show(const Message& message) {
    ++shown_;
    WriteToStderr(message);
    MessageBox::Critical(parent_, message);
}

}  // namespace antkeys
