#include "search/search_host.hpp"

#include "data/messages.hpp"

namespace antkeys {

void SearchHost::OnNoCandidate(int /*letter*/) {
    show(Message{msg::kGenRndKeyTitle, msg::kGenRndKeyText, true});
}

}  // namespace antkeys
