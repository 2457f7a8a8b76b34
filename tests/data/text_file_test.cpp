#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/text_file.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

std::vector<std::string> AllLines(std::string content) {
    LineReader reader(std::move(content));
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line)) lines.push_back(line);
    return lines;
}

TEST(LineReader, TakesCrLfAndLfEndsAndAnUnendedLastLine) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(AllLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(AllLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(AllLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(AllLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(AllLines("\r\n"), (Lines{""}));
    EXPECT_EQ(AllLines(""), (Lines{}));
    // Only a CR right before the LF belongs to the line end.
    EXPECT_EQ(AllLines("a\rb\r\r\n"), (Lines{"a\rb\r"}));
}

TEST(LineReader, CountsLinesFromOne) {
    LineReader reader("h\nx\n");
    std::string line;
    EXPECT_EQ(reader.LineNumber(), 0);
    reader.ReadLine(line);
    reader.ReadLine(line);
    EXPECT_EQ(reader.LineNumber(), 2);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_EQ(reader.LineNumber(), 2);
}

TEST(WriteFileAtomically, ReplacesTheTargetAndLeavesNoTemporaryFile) {
    test::TempFolder folder;
    const std::string path = folder.Write("store.txt", "old content that is longer");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "new", error)) << error;
    EXPECT_EQ(folder.Read("store.txt"), "new");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(WriteFileAtomically, FailsIntoAMissingFolderWithTheTargetInTheDescription) {
    test::TempFolder folder;
    const std::string path = folder.path() + "/missing/store.txt";
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, "x", error));
    EXPECT_NE(error.find("missing/store.txt"), std::string::npos) << error;
}

TEST(EnsureFolder, CreatesNestedFoldersAndFailsWhereAFileStands) {
    test::TempFolder folder;
    std::string error;
    ASSERT_TRUE(EnsureFolder(folder.path() + "/a/b", error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() + "/a/b"));
    ASSERT_TRUE(EnsureFolder(folder.path() + "/a/b", error));

    const std::string file = folder.Write("file", "x");
    EXPECT_FALSE(EnsureFolder(file + "/sub", error));
    EXPECT_FALSE(error.empty());
}

TEST(ReadWholeFile, KeepsBytesAndNamesAMissingFile) {
    test::TempFolder folder;
    const std::string bytes("\xE0\x00\r\n", 4);
    const std::string path = folder.Write("bytes.bin", bytes);
    std::string content, error;
    ASSERT_TRUE(ReadWholeFile(path, content, error));
    EXPECT_EQ(content, bytes);
    EXPECT_FALSE(ReadWholeFile(folder.path() + "/nope.txt", content, error));
    EXPECT_NE(error.find("nope.txt"), std::string::npos);
    EXPECT_FALSE(ReadWholeFile(folder.path(), content, error));
}

}  // namespace
}  // namespace antkeys
