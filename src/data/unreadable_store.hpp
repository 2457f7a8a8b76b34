#pragma once
// A pheromone store that could not be read holds what earlier runs learnt: it is moved aside,
// never written over, before the first save of a new store.
#include <ctime>
#include <string>

#include "data/message.hpp"
#include "data/phero_table.hpp"

namespace antkeys {

struct UnreadableStore {
    std::string path;   // the store that failed to load; empty when there is none
    std::string aside;  // where it goes: planned at load, final once moved
    bool moved = false;

    bool pending() const { return !path.empty() && !moved; }
};

// "<folder>/Pheromones.unreadable-YYYYMMDD-HHMMSS.txt" for a store at "<folder>/Pheromones.txt",
// in local time.
std::string AsideName(const std::string& storePath, std::time_t when);

// Moves `from` to `to` without ever replacing a file: when `to` exists, "-2", "-3", ... are
// put before ".txt" until a free name is found; `to` then holds the name used. False with a
// description naming both files when the move failed; `from` is then where it was.
bool MoveAside(const std::string& from, std::string& to, std::string& error);

// What the user is told once the store has been moved.
std::string StoreMovedText(const std::string& aside);

// The store's save: when `unreadable` is pending, the old file is moved aside first, and when
// that fails nothing is written over it. Reports failures through the sink; returns false
// after one. Writes nothing without `aco`.
bool SavePheroKeeping(const std::string& path, bool aco, const PheroTable& phero,
                      UnreadableStore& unreadable, MessageSink& sink);

}  // namespace antkeys
