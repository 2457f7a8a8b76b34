// Where the programs find In and Out: the order of the sources, and the user's folder that
// the first start fills from the installed set without overwriting anything.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "data/program_folder.hpp"
#include "test_support.hpp"
#include "version.hpp"

namespace antkeys {
namespace {
namespace fs = std::filesystem;

// An install tree: bin/ without In/, the Georgian set at its place beside bin/, and a home.
struct InstallTree {
    test::TempFolder temp;
    std::string bin = temp.path() + "/bin";
    std::string home = temp.path() + "/home";
    std::string user = home + "/.local/share/antkeys";
    InstallTree() {
        fs::create_directories(bin);
        fs::create_directories(home);
        const fs::path set = fs::path(bin) / kSetsFromExecutable / "ka";
        fs::create_directories(set / "Out");
        fs::copy(test::BundledSet("ka") + "/In", set / "In");
        std::ofstream(set / "Out" / "Pheromones.txt") << "shipped";
    }
    FolderSources Sources() const { return {{}, {}, bin, {}, home}; }
};

TEST(ProgramFolder, TakesTheFirstSourceThatIsThere) {
    test::TempFolder temp;
    const std::string portable = temp.path() + "/portable";
    fs::create_directories(portable + "/In");
    FolderSources s{"/from/dir/", "/from/home", portable, "/xdg", "/users/me/"};

    EXPECT_EQ(ChooseProgramFolder(s).folder, "/from/dir");
    EXPECT_EQ(ChooseProgramFolder(s).source, FolderSource::Dir);
    s.dir.clear();
    EXPECT_EQ(ChooseProgramFolder(s).folder, "/from/home");
    s.home.clear();
    EXPECT_EQ(ChooseProgramFolder(s).folder, portable);
    EXPECT_EQ(ChooseProgramFolder(s).source, FolderSource::Executable);
    s.executable = temp.path();  // holds no In/
    EXPECT_EQ(ChooseProgramFolder(s).folder, "/xdg/antkeys");
    EXPECT_EQ(ChooseProgramFolder(s).source, FolderSource::User);
    s.dataHome = "relative/data";  // not absolute: ignored, as XDG says
    EXPECT_EQ(ChooseProgramFolder(s).folder, "/users/me/.local/share/antkeys");
    s.dataHome.clear();
    EXPECT_EQ(ChooseProgramFolder(s).folder, "/users/me/.local/share/antkeys");
}

TEST(ProgramFolder, FirstStartFillsTheUserFolderOnceAndKeepsWhatIsThere) {
    InstallTree tree;
    test::TempFolder& t = tree.temp;
    // A store left from before, without In/: it stays.
    t.Write("home/.local/share/antkeys/Out/Pheromones.txt", "mine");

    ProgramFolderResult r = ResolveProgramFolder(tree.Sources());
    EXPECT_EQ(r.folder, tree.user);
    EXPECT_EQ(r.error, "");
    EXPECT_NE(r.created, "");
    EXPECT_EQ(t.Read("home/.local/share/antkeys/In/KeyDefs.txt"),
              t.Read("share/antkeys/ka/In/KeyDefs.txt"));
    EXPECT_EQ(t.Read("home/.local/share/antkeys/Out/Pheromones.txt"), "mine");

    // Later starts copy nothing, even when a file is missing or edited.
    t.Write("home/.local/share/antkeys/In/Gj.txt", "edited");
    fs::remove(tree.user + "/In/Kdi.txt");
    r = ResolveProgramFolder(tree.Sources());
    EXPECT_EQ(r.created, "");
    EXPECT_EQ(t.Read("home/.local/share/antkeys/In/Gj.txt"), "edited");
    EXPECT_FALSE(fs::exists(tree.user + "/In/Kdi.txt"));
}

TEST(ProgramFolder, OnlyTheUserFolderIsFilledAndAMissingSetIsSaid) {
    InstallTree tree;
    FolderSources s = tree.Sources();
    s.home = tree.temp.path() + "/chosen";
    const ProgramFolderResult chosen = ResolveProgramFolder(s);
    EXPECT_EQ(chosen.created, "");
    EXPECT_FALSE(fs::exists(s.home));

    fs::remove_all(tree.temp.path() + "/share");
    const ProgramFolderResult r = ResolveProgramFolder(tree.Sources());
    EXPECT_EQ(r.folder, tree.user);
    EXPECT_NE(r.error, "");
    EXPECT_FALSE(fs::exists(tree.user + "/In"));
}

}  // namespace
}  // namespace antkeys
