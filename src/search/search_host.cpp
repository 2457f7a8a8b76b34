#include "search/search_host.hpp"

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

}  // namespace antkeys
