#include "data/program_folder.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "version.hpp"

namespace antkeys {
namespace fs = std::filesystem;

const char* const kProgramFolderHelp =
    "The program folder holds the input files In/ and the results Out/. It is the first of:\n"
    "--dir DIR (antkeys-cli); $ANTKEYS_HOME; the folder of the executable when it holds In/\n"
    "(a portable copy); $XDG_DATA_HOME/antkeys (by default ~/.local/share/antkeys), which the\n"
    "first start fills from the installed Georgian set without overwriting anything.\n";

static std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

static std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

static bool HoldsIn(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(fs::path(folder) / "In", ec);
}

ProgramFolderChoice ChooseProgramFolder(const FolderSources& s) {
    if (!s.dir.empty()) return {WithoutTrailingSeparator(s.dir), FolderSource::Dir};
    if (!s.home.empty()) return {WithoutTrailingSeparator(s.home), FolderSource::Home};
    if (HoldsIn(s.executable))
        return {WithoutTrailingSeparator(s.executable), FolderSource::Executable};
    // XDG: a relative $XDG_DATA_HOME is invalid and ignored.
    const std::string data = !s.dataHome.empty() && s.dataHome.front() == '/'
                                 ? s.dataHome
                                 : WithoutTrailingSeparator(s.userHome) + "/.local/share";
    return {WithoutTrailingSeparator(data) + "/antkeys", FolderSource::User};
}

FolderSources CurrentFolderSources(const std::string& dir) {
    FolderSources s;
    s.dir = dir;
    s.home = Env("ANTKEYS_HOME");
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    s.executable = ec ? "." : exe.parent_path().generic_string();
    s.dataHome = Env("XDG_DATA_HOME");
    s.userHome = Env("HOME");
    return s;
}

std::string InstalledSet(const std::string& executableFolder, const std::string& name) {
    std::error_code ec;
    const fs::path set = fs::path(executableFolder) / kSetsFromExecutable / name;
    if (!fs::is_directory(set / "In", ec)) return {};
    return fs::weakly_canonical(set, ec).generic_string();
}

bool CopyInputSet(const std::string& set, const std::string& folder, bool replace,
                  std::string& error) {
    const fs::path from(set), to(folder);
    std::error_code ec;
    const auto fail = [&](const std::string& what) {
        error = what + ": " + ec.message();
        return false;
    };
    fs::create_directories(to / "In", ec);
    if (ec) return fail("cannot create " + (to / "In").generic_string());
    fs::create_directories(to / "Out", ec);
    if (ec) return fail("cannot create " + (to / "Out").generic_string());
    const auto inOptions =
        replace ? fs::copy_options::overwrite_existing : fs::copy_options::skip_existing;
    for (const fs::directory_entry& entry : fs::directory_iterator(from / "In", ec)) {
        if (!entry.is_regular_file()) continue;
        fs::copy_file(entry.path(), to / "In" / entry.path().filename(), inOptions, ec);
        if (ec) return fail("cannot copy " + entry.path().generic_string());
    }
    if (ec) return fail("cannot read " + (from / "In").generic_string());
    // A character map the set does not have would give the set's codes other characters.
    const fs::path map = to / "In" / "Charset.txt";
    if (replace && !fs::exists(from / "In" / "Charset.txt", ec) && fs::exists(map, ec)) {
        fs::rename(map, to / "In" / "Charset.txt.old", ec);
        if (ec) return fail("cannot move " + map.generic_string() + " aside");
    }

    const fs::path store = to / "Out" / "Pheromones.txt";
    if (replace && fs::exists(store, ec)) {
        fs::rename(store, to / "Out" / "Pheromones.txt.old", ec);
        if (ec) return fail("cannot move " + store.generic_string() + " aside");
    }
    const fs::path shipped = from / "Out" / "Pheromones.txt";
    if (fs::exists(shipped, ec)) {
        fs::copy_file(shipped, store, fs::copy_options::skip_existing, ec);
        if (ec) return fail("cannot copy " + shipped.generic_string());
    }
    return true;
}

ProgramFolderResult ResolveProgramFolder(const FolderSources& sources) {
    const ProgramFolderChoice choice = ChooseProgramFolder(sources);
    ProgramFolderResult result{choice.folder, {}, {}};
    if (choice.source != FolderSource::User || HoldsIn(choice.folder)) return result;
    const std::string set = InstalledSet(sources.executable, "ka");
    if (set.empty()) {
        result.error = "no input set installed beside " + sources.executable + " to fill " +
                       choice.folder + " from";
        return result;
    }
    if (CopyInputSet(set, choice.folder, false, result.error)) result.created = set;
    return result;
}

std::string ProgramFolder(const char*) {
    return ResolveProgramFolder(CurrentFolderSources()).folder;
}

}  // namespace antkeys
