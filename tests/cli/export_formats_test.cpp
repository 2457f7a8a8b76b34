// antkeys-cli export for Windows, macOS and the keyboard-layout-editor writes each file. The formats themselves are checked in tests/export.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/cli_run.hpp"
#include "support/temp_folder.hpp"

namespace antkeys {
namespace {

using test::CliRun;
using test::RunTool;

TEST(ExportFormats, WriteTheirFiles) {
    test::TempFolder dir;
    const std::string set = test::BundledSet("ka");
    const std::string ref = set + "/In/RefKeyLay.txt";
    const CliRun klc = RunTool({"export", "--klc", "--dir", set, "--name", "antka", "--locale",
                                "ka-GE", "--shift", "us", ref, "-o", dir.path() + "/k/antka.klc"});
    EXPECT_EQ(klc.status, 0) << klc.err;
    EXPECT_EQ(dir.Read("k/antka.klc").substr(0, 2), "\xFF\xFE");

    const CliRun mac = RunTool(
        {"export", "--keylayout", "--dir", set, ref, "-o", dir.path() + "/antka.keylayout"});
    EXPECT_EQ(mac.status, 0) << mac.err;
    if (std::system("xmllint --version >/dev/null 2>&1") == 0) {
        const std::string check = "xmllint --noout " + dir.path() + "/antka.keylayout";
        EXPECT_EQ(std::system(check.c_str()), 0);
    }
    const CliRun kle = RunTool({"export", "--kle", "--dir", set, ref});
    EXPECT_EQ(kle.status, 0);
    EXPECT_EQ(kle.out.rfind("[\n{\"name\":\"RefKeyLay\"", 0), 0u) << kle.out;

}

}  // namespace
}  // namespace antkeys
