#pragma once
// The run parameters as numbers, the names they go by in messages, and the reading of them
// from texts for hosts whose user types them (the window's boxes).
#include <optional>
#include <string>
#include <string_view>

#include "data/message.hpp"
#include "data/types.hpp"

namespace antkeys {

enum class RunParam { Ants, Sensitivity, Reinforcement };

// The parameter as the user knows it, for messages: "ants", "pheromone sensitivity", ...
const char* RunParamName(RunParam param);

// What a run starts with. The ants are read once per run; the two numbers are read again at
// every layout and every reinforcement through the host.
struct RunParams {
    Integer ants = 50;
    double sensitivity = 0.8;
    double reinforcement = 0.1;
};

// Ants: a whole number in the 16-bit signed range. A fraction rounds to the nearest whole
// number (halves to the even one), as the loaders read whole numbers.
std::optional<Integer> ParseAntCount(std::string_view text);

// Sensitivity and reinforcement: any finite number; "inf", "nan" and overflowing texts are
// not numbers.
std::optional<double> ParseParamNumber(std::string_view text);

// Titled msg::kParamTitle; names the parameter and quotes the text, then says whether the run
// did not start (before it) or was stopped (during it).
Message BadParamMessage(RunParam param, std::string_view text, bool duringRun);

// The ants are a whole number below 1: an iteration needs an ant.
Message TooFewAntsMessage(std::string_view text);

// The three parameters typed into boxes, read the way a run reads them: all three when it
// starts, where the first text that cannot be used is reported and keeps the run from
// starting; the two numbers again at each use during the run, where a text that is not a
// number (a box being edited may hold "" or "0," for a while) leaves the last number that was
// one. A text is parsed again only when it changed, so reading allocates seldom.
class ParamTexts {
  public:
    std::optional<RunParams> Start(std::string_view ants, std::string_view sensitivity,
                                   std::string_view reinforcement, MessageSink& sink);
    double Sensitivity(std::string_view text) { return sensitivity_.Read(text); }
    double Reinforcement(std::string_view text) { return reinforcement_.Read(text); }
    // The number in use for a parameter read during the run.
    double value(RunParam param) const {
        return param == RunParam::Reinforcement ? reinforcement_.value() : sensitivity_.value();
    }

  private:
    class LastGood {
      public:
        void Restart(double value) {
            good_ = value;
            valid_ = false;
        }
        double Read(std::string_view text);
        double value() const { return good_; }

      private:
        std::string text_;  // the last text that parsed
        bool valid_ = false;
        double good_ = 0;
    };
    LastGood sensitivity_, reinforcement_;
};

}  // namespace antkeys
