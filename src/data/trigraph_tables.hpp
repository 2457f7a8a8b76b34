#pragma once
// Three-character sequences and their counts (In/TriGraphs.txt). Only the explanation of a
// layout reads them; the grade and the search never do.
#include <string>
#include <vector>

#include "data/message.hpp"
#include "data/types.hpp"

namespace antkeys {

struct TrigraphTables {
    std::vector<Byte> first;
    std::vector<Byte> second;
    std::vector<Byte> third;
    std::vector<Long> count;
    int nTri() const { return static_cast<int>(first.size()); }
};

// TriGraphs.txt: a header line, then first code, second code, third code, count. Reports a
// broken file like the other readers ("Error Loading Trigraphs", the file, the line, the field).
bool LoadTriGraphs(const std::string& path, TrigraphTables& trigraphs, MessageSink& sink);
bool LoadTriGraphsText(std::string content, const std::string& name, TrigraphTables& trigraphs,
                       MessageSink& sink);

}  // namespace antkeys
