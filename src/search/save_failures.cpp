#include "search/save_failures.hpp"

#include "data/messages.hpp"

namespace antkeys {
namespace {

std::string Times(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

bool SaveFailures::Add(SavedFile kind, const Message& message) {
    const std::size_t at = Index(kind);
    if (counts_[at]++ > 0) return false;
    const std::size_t cut = message.text.find("\r\n");
    reasons_[at] = cut == std::string::npos ? message.text : message.text.substr(cut + 2);
    if (first_.empty()) first_ = reasons_[at];
    return true;
}

Message SaveFailures::Summary() const {
    std::string text = "This run could not save " +
                       Times(count(SavedFile::BestLayout), "best layout", "best layouts") +
                       " and " +
                       Times(count(SavedFile::Store), "pheromone store", "pheromone stores") + ".";
    text += "\r\nThe first reason: " + first_;
    return Message{msg::kWriteTitle, text, true};
}

}  // namespace antkeys
