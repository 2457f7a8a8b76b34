#pragma once
// The run parameters as the search reads them from their boxes' texts, and the message for a
// text that cannot be read.
#include <optional>
#include <string_view>

#include "data/message.hpp"
#include "data/types.hpp"
#include "search/search_host.hpp"

namespace antkeys {

// txtAnts: a whole number in the 16-bit signed range. A fraction rounds to the nearest whole
// number (halves to the even one), as the loaders read whole numbers.
std::optional<Integer> ParseAntCount(std::string_view text);

// txtPheroSens and txtPheroModifK: any finite number; "inf", "nan" and overflowing texts are
// not numbers.
std::optional<double> ParseParamNumber(std::string_view text);

// Titled msg::kParamTitle; names the box and quotes the text, then says whether the run did
// not start (before it) or was stopped (during it).
Message BadParamMessage(ParamBox box, std::string_view text, bool duringRun);

// txtAnts holds a whole number below 1: an iteration needs an ant.
Message TooFewAntsMessage(std::string_view text);

}  // namespace antkeys
