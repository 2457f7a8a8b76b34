// antkeys-cli run --polish and --polish=swaps: repeatable runs, and the variant named where a
// run can be repeated from.
#include <gtest/gtest.h>

#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::Contains;
using test::ProgramFolder;
const auto RunCommand = test::RunSearchCommand;

// Plain polished runs are pinned by the goldens; polished colonies must repeat too.
TEST(RunPolish, TheSameSeedGivesTheSameOutWithColonies) {
    const ProgramFolder a("en"), b("en");
    for (const ProgramFolder* d : {&a, &b}) {
        const test::CliRun r = RunCommand({"--dir", d->path(), "--polish", "--seed", "11", "--layouts",
                                           "20000", "--quiet", "--colonies", "2"});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    EXPECT_GE(a.Out().size(), 2u);
    EXPECT_TRUE(a.Out() == b.Out());
}

TEST(RunPolish, RunParametersAndRepeatLineNameTheVariant) {
    for (const auto& [option, shown] : {std::pair<std::string, std::string>{"--polish", "on"},
                                        {"--polish=swaps", "swaps"}}) {
        const ProgramFolder d("en");
        const test::CliRun r =
            RunCommand({"--dir", d.path(), option, "--seed", "2", "--layouts", "500", "--quiet"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(Contains(r.out, "  polish         " + shown + "\n")) << r.out;
        EXPECT_TRUE(Contains(r.out, " " + option + " --seed 2 --layouts 500")) << r.out;
    }
}

}  // namespace
}  // namespace antkeys
