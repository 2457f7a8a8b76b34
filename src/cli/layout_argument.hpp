#pragma once
// A layout file named on the command line.
#include <string>

#include "data/key_tables.hpp"
#include "data/message.hpp"
#include "data/types.hpp"

namespace antkeys::cli {

// Reads `path` as a layout file for `keys`. Beyond the reader's own checks it refuses a file
// whose lines place no character on a key of the keyboard (a pheromone store, a count file,
// a layout for other key definitions): grading or drawing it would silently show an empty
// layout. A file with no lines after its header is an empty layout and is read. False after
// reporting through the sink. With `fixed`, the fixed flag of the third field is read too.
bool LoadLayoutArgument(const std::string& path, const KeyTables& keys, Layout& lay,
                        MessageSink& sink, CharFlags* fixed = nullptr);

}  // namespace antkeys::cli
