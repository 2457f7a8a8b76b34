#include "search/run_params.hpp"

#include <cctype>
#include <limits>
#include <string>

#include "data/fields.hpp"
#include "data/messages.hpp"

namespace antkeys {

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

// The box's name to begin a sentence.
static std::string SentenceName(ParamBox box) {
    std::string name = ParamBoxName(box);
    if (!name.empty())
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

Message TooFewAntsMessage(std::string_view text) {
    const std::string name = SentenceName(ParamBox::Ants);
    return Message{msg::kParamTitle,
                   WithDescription(name + ": " + Quoted(text) + " is less than 1.",
                                   "The run was not started."),
                   true};
}

Message BadParamMessage(ParamBox box, std::string_view text, bool duringRun) {
    const std::string name = SentenceName(box);
    const std::string what = box == ParamBox::Ants ? " is not a whole number from -32768 to 32767."
                                                   : " is not a number.";
    return Message{msg::kParamTitle,
                   WithDescription(name + ": " + Quoted(text) + what,
                                   duringRun ? "The run was stopped." : "The run was not started."),
                   true};
}

}  // namespace antkeys
