#pragma once
// Where the program finds In and Out: the executable's folder, or $ANTKEYS_HOME when set.
// Paths are joined with '/'; the folder never ends with a separator.
#include <string>

namespace antkeys {

// argv0 is used only when /proc/self/exe cannot be read.
std::string ProgramFolder(const char* argv0);

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
    std::string pheromones() const { return Out("Pheromones.txt"); }
};

}  // namespace antkeys
