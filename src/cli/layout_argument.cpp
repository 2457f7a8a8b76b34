#include "cli/layout_argument.hpp"

#include <algorithm>

#include "data/loaders.hpp"
#include "data/messages.hpp"

namespace antkeys::cli {

bool LoadLayoutArgument(const std::string& path, const KeyTables& keys, Layout& lay,
                        MessageSink& sink, CharFlags* fixed) {
    int lines = 0;
    const bool read = fixed ? LoadFixedKeyLay(path, keys, lay, *fixed, sink, &lines)
                            : LoadKeyLay(path, keys, lay, sink, &lines);
    if (!read) return false;
    const bool placesNothing = std::all_of(lay.begin(), lay.end(), [](Byte k) { return k == 0; });
    if (lines == 0 || !placesNothing) return true;
    sink.show(Message{msg::kLayoutTitle,
                      WithDescription(msg::kCustomLayoutText + path,
                                      "not a layout file: none of its " + std::to_string(lines) +
                                          " lines places a character on a key of In/KeyDefs.txt "
                                          "(a layout line is 'character code<TAB>key code')"),
                      true});
    return false;
}

}  // namespace antkeys::cli
