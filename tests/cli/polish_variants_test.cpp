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

TEST(RunPolish, TheSameSeedGivesTheSameOutWithAndWithoutColonies) {
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, std::vector<std::string>{"--colonies", "2"}}) {
        const ProgramFolder a("en"), b("en");
        for (const ProgramFolder* d : {&a, &b}) {
            std::vector<std::string> args = {"--dir",     d->path(), "--polish", "--seed", "11",
                                             "--layouts", "20000",   "--quiet"};
            args.insert(args.end(), extra.begin(), extra.end());
            const test::CliRun r = RunCommand(args);
            ASSERT_EQ(r.status, 0) << r.err;
        }
        const auto out = a.Out();
        EXPECT_GE(out.size(), 2u);
        EXPECT_TRUE(out == b.Out()) << extra.size();
    }
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
