// antkeys-cli init: a program folder from an installed set, its refusal to overwrite In/,
// and --force, which keeps the old pheromone store aside.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "cli_run.hpp"

namespace antkeys {
namespace {
using test::Contains;
using test::RunTool;

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(InitCommand, MakesAFolderThatLoadsAndRefusesToOverwriteIt) {
    test::TempFolder temp;
    const std::string dir = temp.path() + "/new/folder";
    test::CliRun r = RunTool({"init", dir});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(temp.Read("new/folder/In/RefKeyLay.txt"),
              FileText(test::BundledSet("ka") + "/In/RefKeyLay.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir + "/Out/Pheromones.txt"));

    r = RunTool({"evaluate", "--verbose", "--dir", dir});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "Program folder: " + dir + "\n")) << r.err;
    EXPECT_TRUE(Contains(r.out, "In/RefKeyLay.txt")) << r.out;

    temp.Write("new/folder/In/Gj.txt", "mine");
    r = RunTool({"init", "--set", "en", dir});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, "--force")) << r.err;
    EXPECT_EQ(temp.Read("new/folder/In/Gj.txt"), "mine");
}

TEST(InitCommand, ForceReplacesInAndKeepsTheOldStoreAside) {
    test::TempFolder temp;
    ASSERT_EQ(RunTool({"init", temp.path()}).status, 0);
    temp.Write("Out/Pheromones.txt", "learnt");
    const test::CliRun r = RunTool({"init", "--force", "--set", "en", temp.path()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(temp.Read("In/RefKeyLay.txt"),
              FileText(test::BundledSet("en") + "/In/RefKeyLay.txt"));
    EXPECT_EQ(temp.Read("Out/Pheromones.txt.old"), "learnt");
    EXPECT_FALSE(std::filesystem::exists(temp.path() + "/Out/Pheromones.txt"));
}

TEST(InitCommand, WrongCommandLines) {
    EXPECT_EQ(RunTool({"init"}).status, 2);
    EXPECT_EQ(RunTool({"init", "--set", "xx", "somewhere"}).status, 2);
    EXPECT_EQ(RunTool({"init", "a", "b"}).status, 2);
    EXPECT_EQ(RunTool({"init", "--help"}).status, 0);
}

}  // namespace
}  // namespace antkeys
