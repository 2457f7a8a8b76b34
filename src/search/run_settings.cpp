#include "search/run_settings.hpp"

namespace antkeys {

std::string_view ParamTextOf(const RunSettings& settings, ParamBox box) {
    switch (box) {
        case ParamBox::Ants:
            return settings.ants;
        case ParamBox::PheroSens:
            return settings.sensitivity;
        case ParamBox::PheroModifK:
            return settings.reinforcement;
    }
    return {};
}

bool IsCheckedIn(const RunSettings& settings, CheckBox box) {
    return box == CheckBox::Aco && settings.aco;
}

}  // namespace antkeys
