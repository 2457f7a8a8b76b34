#include "search/search_host.hpp"

#include "data/messages.hpp"

namespace antkeys {

const char* ParamBoxName(ParamBox box) {
    switch (box) {
        case ParamBox::Ants:
            return "ants (txtAnts)";
        case ParamBox::PheroSens:
            return "pheromone sensitivity (txtPheroSens)";
        case ParamBox::PheroModifK:
            return "reinforcement factor (txtPheroModifK)";
    }
    return "parameter";
}

void SearchHost::OnNoCandidate(int /*letter*/) {
    show(Message{msg::kGenRndKeyTitle, msg::kGenRndKeyText, true});
}

}  // namespace antkeys
