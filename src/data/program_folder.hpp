#pragma once
// Where the programs find In and Out (the program folder), and the input sets installed with
// them. Paths are joined with '/'; a folder never ends with a separator.
#include <string>

namespace antkeys {

// The rules below in words, for the programs' --help.
extern const char* const kProgramFolderHelp;

// What decides the program folder, gathered from the command line and the environment.
struct FolderSources {
    std::string dir;         // --dir of the command-line tool, empty when not given
    std::string home;        // $ANTKEYS_HOME, empty when unset
    std::string executable;  // the folder of the running executable
    std::string dataHome;    // $XDG_DATA_HOME, empty when unset
    std::string userHome;    // $HOME
};

enum class FolderSource { Dir, Home, Executable, User };

struct ProgramFolderChoice {
    std::string folder;
    FolderSource source;
};

// In this order: --dir, $ANTKEYS_HOME, the executable's folder when it holds In/ (a portable
// copy or the build tree), else the user's $XDG_DATA_HOME/antkeys (~/.local/share/antkeys).
ProgramFolderChoice ChooseProgramFolder(const FolderSources& sources);

// The sources of this process: the environment and /proc/self/exe.
FolderSources CurrentFolderSources(const std::string& dir = {});

// The folder of an installed input set ("ka", "en"), beside the executables' share folder;
// empty when there is none.
std::string InstalledSet(const std::string& executableFolder, const std::string& name);

// Copies a set's In/ and its shipped pheromone store into `folder`, creating what is missing.
// Files already there are kept, unless `replace`: then the In/ files are replaced and an
// existing store is first moved aside to Out/Pheromones.txt.old, since a store belongs to the
// In/ it was learnt on; so is an In/Charset.txt the set does not have, to In/Charset.txt.old.
// False with the reason in `error` when something cannot be copied.
bool CopyInputSet(const std::string& set, const std::string& folder, bool replace,
                  std::string& error);

struct ProgramFolderResult {
    std::string folder;
    std::string created;  // the set the folder was just made from, empty when none
    std::string error;    // why the folder could not be made, empty when all is well
};

// The program folder of this process. The user's folder gets the installed Georgian set on
// the first start (when it has no In/ yet); nothing there is ever overwritten.
ProgramFolderResult ResolveProgramFolder(const FolderSources& sources);

// ResolveProgramFolder for this process without --dir, for callers with nothing to report.
// argv0 is not needed: /proc/self/exe names the executable.
std::string ProgramFolder(const char* argv0 = nullptr);

struct InputPaths {
    std::string folder;
    std::string In(const std::string& name) const { return folder + "/In/" + name; }
    std::string OutFolder() const { return folder + "/Out"; }
    std::string Out(const std::string& name) const { return folder + "/Out/" + name; }
    std::string keyDefs() const { return In("KeyDefs.txt"); }
    std::string diGraphs() const { return In("DiGraphs.txt"); }
    std::string kdi() const { return In("Kdi.txt"); }
    std::string gj() const { return In("Gj.txt"); }
    std::string refKeyLay() const { return In("RefKeyLay.txt"); }
    std::string bestLoad() const { return In("BestLoad.txt"); }
    std::string charset() const { return In("Charset.txt"); }
    std::string pheromones() const { return Out("Pheromones.txt"); }
};

}  // namespace antkeys
