#pragma once
// The explanation of layouts as rows of text cells, for the tool's tables and the window's
// dialog alike.
#include <string>
#include <vector>

#include "eval/layout_explain.hpp"

namespace antkeys {

using TextRows = std::vector<std::vector<std::string>>;

// A header row ("figure" and the layouts' names), then one row per figure with the layouts side
// by side, as percentages.
TextRows FigureRows(const std::vector<std::string>& names,
                    const std::vector<const LayoutExplanation*>& layouts);

// A column of ranks, then one column per list: its name, the figure, then the digraphs, largest
// part first, as letters with their share ("ab 1.23%"; for V4 and V5 what the digraph adds to the
// figure).
TextRows WorstRows(const LayoutExplanation& layout, const CharacterMap& chars);

}  // namespace antkeys
