#include "cli/stderr_sink.hpp"

#include <ostream>

namespace antkeys::cli {

void StderrSink::show(const Message& message) {
    // The messages break their lines with CR LF, as the window's message boxes do; a
    // terminal wants LF alone.
    std::string text;
    text.reserve(message.text.size());
    for (std::size_t i = 0; i < message.text.size(); ++i) {
        if (message.text[i] == '\r' && i + 1 < message.text.size() && message.text[i + 1] == '\n')
            continue;
        text += message.text[i];
    }
    out_ << message.title << ": " << text << '\n';
}

}  // namespace antkeys::cli
