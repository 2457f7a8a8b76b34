// The pieces of antkeys-cli run: the keyboard drawing, the progress line, the host's
// reports of letters without a key.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/keyboard_text.hpp"
#include "cli/run_host.hpp"
#include "data/key_geometry.hpp"
#include "data/random.hpp"
#include "eval/workspace.hpp"
#include "support/keyboards.hpp"

namespace antkeys {
namespace {

// Q W on the left of row 2, E on the right; A left and S right on row 3.
KeyTables FiveKeys() {
    return test::MakeKeys({{"Q", 0, 2, 2, 2}, {"W", 0, 2, 1, 2}, {"E", 1, 2, 1, 2},
                           {"A", 0, 2, 1, 3}, {"S", 1, 2, 1, 3}});
}

TEST(KeyboardText, DrawsRowsHalfAKeyApartWithTheHandsSplit) {
    Layout lay{};
    lay['q'] = 1;
    lay['w'] = 2;
    lay[192] = 3;  // a Georgian letter
    lay[' '] = 4;  // the space bar's sign
    lay[9] = 2;    // control codes are not drawn
    lay['s'] = 5;
    lay['x'] = 5;  // two characters on one key: the higher code shows
    EXPECT_EQ(cli::KeyboardText(lay, FiveKeys()),
              (std::vector<std::string>{"q w   \u10D0", "   \u2423   x"}));
    lay[' '] = 0;
    EXPECT_EQ(cli::KeyboardText(lay, FiveKeys()),
              (std::vector<std::string>{"q w   \u10D0", "   \u00B7   x"}));
}

TEST(CliRunHost, NoCandidateIsPrintedOncePerLetterAndCountedAtTheEnd) {
    Workspace ws;
    ws.letters.letSet = {'a', 192};
    ws.letters.letFixKey = {0, 0};
    Random random(1);
    SearchEngine engine(ws, random);
    cli::RunOptions options;
    std::ostringstream err;
    cli::CliRunHost host(engine, options, err, false);
    host.OnNoCandidate(1);
    host.OnNoCandidate(1);
    host.OnNoCandidate(0);
    host.OnNoCandidate(1);
    EXPECT_EQ(
        err.str(),
        "ERROR: Unexpected Error In GenRndKey!\nletter 1 (code 192, \u10D0) found no free key "
        "with positive pheromone\n"
        "ERROR: Unexpected Error In GenRndKey!\nletter 0 (code 97, a) found no free key with "
        "positive pheromone\n");
    std::ostringstream summary;
    host.PrintRepeats(summary);
    EXPECT_EQ(summary.str(),
              "ERROR: letter 0 (code 97, a) found no free key in 1 layout\n"
              "ERROR: letter 1 (code 192, \u10D0) found no free key in 3 layouts\n");
}

TEST(CliRunHost, RepeatedMessagesAreShownOnceAndCounted) {
    Workspace ws;
    Random random(1);
    SearchEngine engine(ws, random);
    cli::RunOptions options;
    std::ostringstream err;
    cli::CliRunHost host(engine, options, err, false);
    for (int i = 0; i < 3; ++i)
        host.show(Message{"Error Saving File", "Error Saving Pheromones\r\nno room", true});
    EXPECT_EQ(err.str(), "Error Saving File: Error Saving Pheromones\nno room\n");
    std::ostringstream summary;
    host.PrintRepeats(summary);
    EXPECT_EQ(summary.str(), "(given 3 times) Error Saving File: Error Saving Pheromones\n");
}

TEST(CliRunHost, ProgressLineSaysWhatIsLeft) {
    cli::RunOptions options;
    EXPECT_EQ(cli::ProgressText(1000, 2.0, "", options),
              "1000 layouts, 500/s, best none yet, 2.0 s (Ctrl+C stops)");
    options.layouts = 5000;
    EXPECT_EQ(cli::ProgressText(1000, 2.0, "3.25%", options),
              "1000 layouts, 500/s, best 3.25%, 4000 layouts left");
    options.layouts.reset();
    options.seconds = 3600;
    EXPECT_EQ(cli::ProgressText(1000, 2.0, "3.25%", options),
              "1000 layouts, 500/s, best 3.25%, 59:58 left");
    EXPECT_EQ(cli::FormatDuration(3725), "1:02:05");
}

}  // namespace
}  // namespace antkeys
