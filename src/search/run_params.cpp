#include "search/run_params.hpp"

#include <cctype>
#include <limits>
#include <string>

#include "data/fields.hpp"
#include "data/messages.hpp"

namespace antkeys {

const char* RunParamName(RunParam param) {
    switch (param) {
        case RunParam::Ants:
            return "ants";
        case RunParam::Sensitivity:
            return "pheromone sensitivity";
        case RunParam::Reinforcement:
            return "reinforcement factor";
    }
    return "parameter";
}

std::optional<Integer> ParseAntCount(std::string_view text) {
    long value = 0;
    std::string why;
    if (!ParseWhole(text, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(),
                    value, why))
        return std::nullopt;
    return static_cast<Integer>(value);
}

std::optional<double> ParseParamNumber(std::string_view text) {
    double value = 0;
    std::string why;  // stays empty, so no allocation on the way to a good number
    if (!ParseDouble(text, value, why)) return std::nullopt;
    return value;
}

// The parameter's name to begin a sentence.
static std::string SentenceName(RunParam param) {
    std::string name = RunParamName(param);
    if (!name.empty())
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

Message TooFewAntsMessage(std::string_view text) {
    const std::string name = SentenceName(RunParam::Ants);
    return Message{msg::kParamTitle,
                   WithDescription(name + ": " + Quoted(text) + " is less than 1.",
                                   "The run was not started."),
                   true};
}

Message BadParamMessage(RunParam param, std::string_view text, bool duringRun) {
    const std::string name = SentenceName(param);
    const std::string what = param == RunParam::Ants
                                 ? " is not a whole number from -32768 to 32767."
                                 : " is not a number.";
    return Message{msg::kParamTitle,
                   WithDescription(name + ": " + Quoted(text) + what,
                                   duringRun ? "The run was stopped." : "The run was not started."),
                   true};
}

std::optional<RunParams> ParamTexts::Start(std::string_view ants, std::string_view sensitivity,
                                           std::string_view reinforcement, MessageSink& sink) {
    const std::optional<Integer> antCount = ParseAntCount(ants);
    if (!antCount || *antCount < 1) {
        sink.show(antCount ? TooFewAntsMessage(ants)
                           : BadParamMessage(RunParam::Ants, ants, false));
        return std::nullopt;
    }
    RunParams params;
    params.ants = *antCount;
    const std::optional<double> sens = ParseParamNumber(sensitivity);
    if (!sens) {
        sink.show(BadParamMessage(RunParam::Sensitivity, sensitivity, false));
        return std::nullopt;
    }
    const std::optional<double> factor = ParseParamNumber(reinforcement);
    if (!factor) {
        sink.show(BadParamMessage(RunParam::Reinforcement, reinforcement, false));
        return std::nullopt;
    }
    // The numbers now come from the boxes' texts as they stand.
    sensitivity_.Restart(params.sensitivity = *sens);
    reinforcement_.Restart(params.reinforcement = *factor);
    return params;
}

double ParamTexts::LastGood::Read(std::string_view text) {
    if (valid_ && text == text_) return good_;
    if (const std::optional<double> parsed = ParseParamNumber(text)) {
        // assign() reuses the string's room, so an edit of the box seldom allocates.
        text_.assign(text);
        valid_ = true;
        good_ = *parsed;
    }
    return good_;
}

}  // namespace antkeys
