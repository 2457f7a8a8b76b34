// The pheromone store and the best layouts: the store read back exactly, unreadable stores
// moved aside, writes through a temporary and a rename, the Out folder checked and cleared of
// the temporaries of killed runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/out_folder.hpp"
#include "data/unreadable_store.hpp"
#include "support/child_process.hpp"
#include "support/temp_folder.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

namespace fs = std::filesystem;
using test::Contains;
using test::CrLf;

// 3 keys and 2 letters: values base + k + j/10, so every entry is distinct.
PheroTable Table(double base = 0) {
    PheroTable phero;
    phero.Resize(3, 1);
    for (int k = 0; k <= 3; ++k)
        for (int j = 0; j <= 1; ++j) phero.at(k, j) = base + k + j / 10.0;
    return phero;
}

TEST(PheroStore, IsWrittenOnlyWithAcoAndReadBackExactlyAndAFaultNamesFileLineAndField) {
    test::TempFolder folder;
    const std::string path = folder.path() + "/Out/Pheromones.txt";
    RecordingSink sink;
    EXPECT_TRUE(SavePhero(path, false, Table(), sink));
    EXPECT_FALSE(fs::exists(folder.path() + "/Out"));  // without ACO nothing is written
    PheroTable loaded = Table();
    std::string description;
    EXPECT_EQ(ReadPheroStore(path, loaded, description), StoreLoad::Missing);
    EXPECT_EQ(loaded, Table());

    PheroTable saved = Table();
    saved.at(1, 0) = 1e-100;
    saved.at(1, 1) = 0.25;
    saved.at(2, 0) = 0;
    saved.at(2, 1) = -0.5;
    saved.at(3, 0) = 4.9406564584124654e-324;         // the smallest positive Double
    ASSERT_TRUE(SavePhero(path, true, saved, sink));  // Out is created
    EXPECT_EQ(ReadPheroStore(path, loaded, description), StoreLoad::Loaded);
    EXPECT_EQ(loaded, saved);
    EXPECT_TRUE(sink.messages.empty());

    // A byte order mark is skipped: the first fault is on line 2.
    folder.Write("Out/Pheromones.txt", "\xEF\xBB\xBF" + CrLf({"1\t2", "3\t0,5", "5\t6", "7\t8"}));
    EXPECT_EQ(ReadPheroStore(path, loaded, description), StoreLoad::Unreadable);
    EXPECT_TRUE(Contains(description, path + ", line 2, field 2: \"0,5\" is not a number"))
        << description;
}

TEST(ReadPheroStore, ReplacesTheRowsItReadsAndReportsAShortOrBrokenStore) {
    struct Case {
        std::string content;
        bool reported;
        std::vector<std::tuple<int, int, double>> read;  // (k, j, value) replaced
    };
    const Case cases[] = {
        // Extra values and lines are ignored; an empty line keeps its row.
        {test::Lf({"9\t9\t9", "", "7\t7", "6\t6", "not read"}),
         false,
         {{0, 0, 9}, {0, 1, 9}, {2, 0, 7}, {2, 1, 7}, {3, 0, 6}, {3, 1, 6}}},
        // One line too few: the rows present are kept.
        {CrLf({"9\t9", "8\t8", "7\t7"}),
         true,
         {{0, 0, 9}, {0, 1, 9}, {1, 0, 8}, {1, 1, 8}, {2, 0, 7}, {2, 1, 7}}},
        // A value that is not a number, a line with too few values: what came before stays.
        {CrLf({"9\t9", "8\tx", "7\t7", "6\t6"}), true, {{0, 0, 9}, {0, 1, 9}, {1, 0, 8}}},
        {CrLf({"9\t9", "8"}), true, {{0, 0, 9}, {0, 1, 9}, {1, 0, 8}}},
        {std::string(40000, '1'), true, {}},  // too long for field positions
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content.substr(0, 20));
        PheroTable phero = Table();
        PheroTable expected = Table();
        for (const auto& [k, j, v] : c.read) expected.at(k, j) = v;
        std::string description;
        EXPECT_EQ(ReadPheroText(c.content, "Pheromones.txt", phero, description), !c.reported);
        EXPECT_EQ(phero, expected);
        if (c.reported) {
            EXPECT_EQ(description.rfind("Pheromones.txt, line ", 0), 0u) << description;
        }
    }
}

TEST(PheroStore, UnreadableStoreIsMovedAsideBeforeTheFirstSaveOrElseKept) {
    test::TempFolder folder;
    const std::string path = folder.Write("Out/Pheromones.txt", "broken\xFF store");
    UnreadableStore unreadable{path, AsideName(path, 0), false};
    EXPECT_TRUE(Contains(unreadable.aside, "/Out/Pheromones.unreadable-19700101-"));
    const std::string earlier = folder.Write(
        "Out/" + fs::path(unreadable.aside).filename().string(), "an earlier unreadable store");
    RecordingSink sink;

    EXPECT_TRUE(SavePheroKeeping(path, false, Table(), unreadable, sink));
    EXPECT_TRUE(unreadable.pending()) << "no save without ACO, so nothing moves";
    EXPECT_EQ(folder.Read("Out/Pheromones.txt"), "broken\xFF store");

    ASSERT_TRUE(SavePheroKeeping(path, true, Table(), unreadable, sink));
    EXPECT_TRUE(unreadable.moved);
    EXPECT_NE(unreadable.aside, earlier);
    EXPECT_EQ(test::ReadFile(unreadable.aside), "broken\xFF store");
    EXPECT_EQ(test::ReadFile(earlier), "an earlier unreadable store");
    EXPECT_EQ(folder.Read("Out/Pheromones.txt"), GetPheroStr(Table()));

    // Later saves replace the new store and leave the moved one alone.
    ASSERT_TRUE(SavePheroKeeping(path, true, Table(7), unreadable, sink));
    EXPECT_EQ(test::ReadFile(unreadable.aside), "broken\xFF store");
    EXPECT_TRUE(sink.messages.empty());

    // A store that cannot be moved is not written over.
    folder.Write("Out/Pheromones.txt", "broken");
    UnreadableStore stuck{path, folder.path() + "/Missing/aside.txt", false};
    EXPECT_FALSE(SavePheroKeeping(path, true, Table(), stuck, sink));
    EXPECT_EQ(folder.Read("Out/Pheromones.txt"), "broken");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_TRUE(Contains(sink.messages[0].text, "cannot move " + path)) << sink.messages[0].text;
}

// A file written in place would change under every hard link to it; a new file renamed over
// the name leaves the old one, and its links, as they were. A file that cannot be written is
// named, never its temporary, and no temporary is left.
TEST(SafeWrites, StoreAndBestLayoutAreNeverWrittenInPlaceAndAFailureNamesTheFile) {
    test::TempFolder folder;
    const std::string store = folder.Write("Out/Pheromones.txt", "old store");
    const std::string best = folder.Write("Out/012_7.txt", "old best");
    fs::create_hard_link(store, folder.path() + "/store-link");
    fs::create_hard_link(best, folder.path() + "/best-link");

    RecordingSink sink;
    ASSERT_TRUE(SavePhero(store, true, Table(), sink));
    ASSERT_EQ(SaveBestLay(folder.path() + "/Out", 12.0f, 7, Layout{}, KeyTables{}, sink), best);
    EXPECT_EQ(folder.Read("store-link"), "old store");
    EXPECT_EQ(folder.Read("best-link"), "old best");
    EXPECT_EQ(folder.Read("Out/Pheromones.txt"), GetPheroStr(Table()));
    EXPECT_NE(folder.Read("Out/012_7.txt"), "old best");
    EXPECT_EQ(test::FilesIn(folder.path() + "/Out").size(), 2u);

    const std::string blocked = folder.Write("Blocked", "a file where the folder should be");
    folder.Write("Store/Pheromones.txt/inside", "a folder with content: no rename over it");
    EXPECT_FALSE(SavePhero(blocked + "/Pheromones.txt", true, Table(), sink));
    EXPECT_FALSE(SavePhero(folder.path() + "/Store/Pheromones.txt", true, Table(), sink));
    EXPECT_EQ(SaveBestLay(blocked, 5.f, 3, Layout{}, KeyTables{}, sink), "");
    const std::pair<const char*, std::string> expected[] = {
        {msg::kPheroWriteText, blocked + "/Pheromones.txt"},
        {msg::kPheroWriteText, folder.path() + "/Store/Pheromones.txt"},
        {msg::kBestLayWriteText, blocked + "/005_3.txt"}};
    ASSERT_EQ(sink.messages.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const Message& m = sink.messages[i];
        EXPECT_EQ(m.title, msg::kWriteTitle);
        const std::string start =
            std::string(expected[i].first) + "\r\ncannot write " + expected[i].second;
        EXPECT_EQ(m.text.rfind(start, 0), 0u) << m.text;
        EXPECT_FALSE(Contains(m.text, ".tmp")) << m.text;
    }
    EXPECT_EQ(test::FilesIn(folder.path() + "/Store").size(), 1u);
}

TEST(OutFolder, AFileOrUncreatableFolderIsFoundAMissingOneMadeAndEndedTemporariesRemoved) {
    test::TempFolder folder;
    std::string error;
    EXPECT_TRUE(CheckOutFolder(folder.path() + "/Out", error)) << error;
    EXPECT_TRUE(fs::is_directory(folder.path() + "/Out"));

    folder.Write("File", "x");
    EXPECT_FALSE(CheckOutFolder(folder.path() + "/File", error));
    EXPECT_TRUE(Contains(error, folder.path() + "/File: it is a file")) << error;
    EXPECT_FALSE(CheckOutFolder(folder.path() + "/File/Out", error));
    EXPECT_TRUE(Contains(error, folder.path() + "/File/Out")) << error;

    // Only temporaries of ended processes are removed.
    const std::string dead = std::to_string(test::EndedPid());
    const std::string alive = std::to_string(::getppid());  // our parent is running
    const std::string self = std::to_string(::getpid());
    for (const std::string& name :
         {"Pheromones.txt.tmp" + dead, "012_40.txt.tmp" + dead, "-003_0.txt.tmp" + dead,
          "Pheromones.txt.tmp" + alive, "012_41.txt.tmp" + self, std::string("Pheromones.txt"),
          "notes.txt.tmp" + dead, "012_40.txt.tmpx" + dead,
          std::string("Pheromones.unreadable-1.txt")})
        folder.Write("Out/" + name, name);

    const auto removed = RemoveStaleTemporaries(folder.path() + "/Out");
    EXPECT_EQ(removed.size(), 3u);
    EXPECT_EQ(test::FilesIn(folder.path() + "/Out").size(), 6u);
    for (const std::string& gone :
         {"Pheromones.txt.tmp" + dead, "012_40.txt.tmp" + dead, "-003_0.txt.tmp" + dead})
        EXPECT_FALSE(fs::exists(folder.path() + "/Out/" + gone)) << gone;
}

}  // namespace
}  // namespace antkeys
