// Every command's wrong command lines: status 2 (1 for files that cannot be read or written),
// nothing on stdout, and the fault named on stderr; and every command's help.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

struct Wrong {
    std::vector<std::string> args;  // SET: the bundled Georgian set, REF: its reference
                                    // layout, TMP: a scratch program folder whose Out is a file
    int status;
    std::string says;  // a part of stderr
};

const std::string kRunUsage = "Usage: antkeys-cli run";

const Wrong kWrong[] = {
    {{"bogus"}, 2, "unknown command 'bogus'"},
    {{}, 2, "Usage: antkeys-cli COMMAND"},
    // run: each option's value, and options that exclude each other.
    {{"run", "--ants", "x"}, 2, kRunUsage},
    {{"run", "--sensitivity", "inf"}, 2, kRunUsage},
    {{"run", "--reinforcement"}, 2, kRunUsage},
    {{"run", "--layouts", "0"}, 2, kRunUsage},
    {{"run", "--seconds", "-1"}, 2, kRunUsage},
    {{"run", "--seed", "-5"}, 2, kRunUsage},
    {{"run", "--layouts", "5", "--seconds", "5"}, 2, "give --layouts or --seconds, not both"},
    {{"run", "--quiet=yes"}, 2, kRunUsage},
    {{"run", "--bogus"}, 2, "unknown option '--bogus'"},
    {{"run", "--colonies", "x"}, 2, "--colonies: \"x\" is not 'auto'"},
    {{"run", "--colonies", "257"}, 2, kRunUsage},
    {{"run", "--polish", "--no-aco"}, 2, "it cannot go with --no-aco"},
    {{"run", "--polish=1"}, 2, kRunUsage},
    {{"run", "--polish=relocate"}, 2, "--polish: \"relocate\" is not 'swaps'"},
    {{"run", "--dir", "TMP/nowhere", "--layouts", "10"},
     2,
     "Fatal Error: Error Loading KeyDefinitions!!!\n"},
    {{"run", "--dir", "TMP", "--layouts", "10"},
     2,
     "Error Saving File: The Out folder cannot be used: "
     "no best layout and no pheromone store can be saved\ncannot use TMP/Out: it is a file"},
    // evaluate
    {{"evaluate", "--dir"}, 2, "option '--dir' needs a value"},
    {{"evaluate", "--dir", "TMP/nowhere"}, 2, "Fatal Error: Error Loading KeyDefinitions!!!\n"},
    {{"evaluate", "--dir", "SET", "--top", "3"}, 2, "--top goes with --explain"},
    {{"evaluate", "--dir", "SET", "--explain", "--top", "-1"}, 2, "not \"-1\""},
    // render
    {{"render", "--dir", "SET", "REF"}, 2, "give the picture to write with -o FILE"},
    {{"render", "--dir", "SET", "REF", "-o", "TMP/x.jpg"}, 2, "must end in .svg or .png"},
    {{"render", "--dir", "SET", "-o", "TMP/x.svg"}, 2, "antkeys-cli render: "},
    {{"render", "--dir", "SET", "REF", "-o", "TMP/no/such/x.svg"}, 2, "TMP/no/such/x.svg"},
    // export
    {{"export", "--dir", "SET", "REF"}, 2, "choose a format"},
    {{"export", "--xkb", "--dir", "SET"}, 2, "antkeys-cli export: "},
    {{"export", "--xkb", "--dir", "SET", "--name", "a/b", "REF"}, 2, "'a/b'"},
    {{"export", "--xkb", "--dir", "SET", "SET/nothing.txt"},
     2,
     "Error Loading Custom Layout from:"},
    {{"export", "--klc", "--locale", "xx-XX", "--dir", "SET", "REF"},
     2,
     "antkeys-cli export: unknown locale"},
    {{"export", "--klc", "--kle", "--dir", "SET", "REF"}, 2, "antkeys-cli export: "},
    {{"export", "--kle", "--shift", "ru", "--dir", "SET", "REF"}, 2, "antkeys-cli export: "},
    {{"export", "--kle", "--dir", "SET", "REF", "-o", "TMP/bad.txt/x.json"}, 2, "TMP/bad.txt"},
    // digraphs
    {{"digraphs"}, 2, "no text given"},
    {{"digraphs", "--bogus", "REF"}, 2, "unknown option '--bogus'"},
    {{"digraphs", "--alphabet", "TMP/bad.txt", "REF"}, 2, "line 2"},
    {{"digraphs", "TMP/missing.txt"}, 1, "TMP/missing.txt"},
    {{"digraphs", "--alphabet", "TMP/empty.txt", "REF"}, 2, "the file is empty"},
    {{"digraphs", "--trigrams", "TMP/bad.txt/t.txt", "-o", "TMP/d.txt", "REF"},
     1,
     "TMP/bad.txt/t.txt"},
    {{"digraphs", "-o", "TMP/no/such/folder/out.txt", "REF"}, 1, "antkeys-cli digraphs: "},
    // init
    {{"init", "--set", "xx", "somewhere"}, 2, "no input set 'xx' is installed"},
    {{"init", "a", "b"}, 2, "give one folder DIR"},
    {{"init", "TMP/bad.txt/folder"}, 1, "cannot create TMP/bad.txt/folder/In"},
};

TEST(CommandLines, WrongOnesAreRefusedWithTheirStatusAndReason) {
    const test::ProgramFolder temp;
    temp.Write("Out", "a file");
    temp.Write("bad.txt", "h\r\n300\tA\r\n");
    temp.Write("empty.txt", "");
    const std::string set = test::BundledSet("ka");
    const auto expand = [&](std::string text) {
        text = std::regex_replace(text, std::regex("REF"), set + "/In/RefKeyLay.txt");
        text = std::regex_replace(text, std::regex("SET"), set);
        return std::regex_replace(text, std::regex("TMP"), temp.path());
    };
    for (const Wrong& w : kWrong) {
        std::vector<std::string> args;
        for (const std::string& a : w.args) args.push_back(expand(a));
        const std::string line = args.empty() ? "(nothing)" : args[0] + " " + w.args.back();
        const test::CliRun r = test::RunTool(args);
        EXPECT_EQ(r.status, w.status) << line;
        EXPECT_TRUE(test::Contains(r.err, expand(w.says))) << line << "\n" << r.err;
        EXPECT_EQ(r.out, "") << line;
    }
}

TEST(CommandLines, EveryCommandHasHelp) {
    for (const char* command : {"run", "evaluate", "render", "export", "digraphs", "init"}) {
        const test::CliRun r = test::RunTool({command, "--help"});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out.rfind(std::string("Usage: antkeys-cli ") + command, 0), 0u) << r.out;
    }
    const test::CliRun run = test::RunTool({"run", "--help"});
    for (const char* option : {"--reinforcement K", "--colonies N", "--polish"})
        EXPECT_TRUE(test::Contains(run.out, option)) << option;
}

}  // namespace
}  // namespace antkeys
