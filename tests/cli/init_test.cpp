// antkeys-cli init: a program folder from an installed set, its refusal to overwrite In/,
// and --force, which keeps the old pheromone store aside.
#include <filesystem>

#include <gtest/gtest.h>

#include "support/cli_run.hpp"
#include "support/temp_folder.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {
using test::Contains;
using test::RunTool;

TEST(InitCommand, MakesAFolderThatLoadsRefusesToOverwriteItAndForceKeepsTheStoreAside) {
    test::TempFolder temp;
    const std::string dir = temp.path() + "/new/folder";
    test::CliRun r = RunTool({"init", dir});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(temp.Read("new/folder/In/RefKeyLay.txt"),
              test::ReadFile(test::BundledSet("ka") + "/In/RefKeyLay.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir + "/Out/Pheromones.txt"));

    r = RunTool({"evaluate", "--verbose", "--dir", dir});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "Program folder: " + dir + "\n")) << r.err;
    EXPECT_TRUE(Contains(r.out, "In/RefKeyLay.txt")) << r.out;

    temp.Write("new/folder/In/Gj.txt", "mine");
    temp.Write("new/folder/Out/Pheromones.txt", "learnt");
    r = RunTool({"init", "--set", "en", dir});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, "--force")) << r.err;
    EXPECT_EQ(temp.Read("new/folder/In/Gj.txt"), "mine");

    r = RunTool({"init", "--force", "--set", "en", dir});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(temp.Read("new/folder/In/RefKeyLay.txt"),
              test::ReadFile(test::BundledSet("en") + "/In/RefKeyLay.txt"));
    EXPECT_EQ(temp.Read("new/folder/Out/Pheromones.txt.old"), "learnt");
    EXPECT_FALSE(std::filesystem::exists(dir + "/Out/Pheromones.txt"));
}

}  // namespace
}  // namespace antkeys
