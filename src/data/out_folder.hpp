#pragma once
// The Out folder before a run: is it usable, and what did killed runs leave in it.
#include <string>
#include <vector>

namespace antkeys {

// True when `folder` is a folder this process can create files in (made when missing).
// Otherwise false with a description naming the folder and the reason.
bool CheckOutFolder(const std::string& folder, std::string& error);

// Removes the temporaries of the pheromone store and of best-layout files
// ("<name>.tmp<PID>") whose process is no longer running. Those of a running process, and
// every other file, are left alone. Returns the paths removed.
std::vector<std::string> RemoveStaleTemporaries(const std::string& folder);

// Whether a best-layout file or the store could have this name ("012_4711.txt",
// "-003_0.txt", "Pheromones.txt").
bool IsOutFileName(const std::string& name);

}  // namespace antkeys
