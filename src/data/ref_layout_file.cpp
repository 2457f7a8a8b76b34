// In/RefKeyLay.txt: the reference layout. Every data line is one letter of the search
// (character code, key code, fixed flag); the loader also builds the letters' fixed keys and
// their initial pheromones.
#include <string>
#include <string_view>
#include <vector>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/layout_line.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

// The start value of an open key, taken in single precision as the file format has it.
constexpr double kOpenKeyPhero = static_cast<double>(0.1f);

// Column j of a free letter named on key k: 0 on rows 0 and 1, on flagged keys and their
// companions and on keys already fixed by an earlier line, its own key included (the fixed
// letter always takes that key, so the free letter never can); 1 on its own key; 0.1
// elsewhere.
void FillFreeColumn(const KeyTables& keys, const std::vector<bool>& fixedEarlier, int k,
                    PheroTable& phero, int j) {
    for (int x = 0; x <= keys.nKeys(); ++x) {
        const auto at = static_cast<std::size_t>(x);
        double value = kOpenKeyPhero;
        if (keys.rows[at] == 0 || keys.rows[at] == 1 || keys.alters[at] != 0) {
            value = 0;
        } else if (fixedEarlier[at]) {
            value = 0;
        } else if (x == k) {
            value = 1;
        }
        phero.at(x, j) = value;
    }
}

struct RefTarget {
    Layout& lay;
    LetterTables& letters;
    PheroTable& phero;
};

// One letter, stored step by step as it is read: a fault leaves what was stored before it.
bool ReadLetter(const InputFile& in, std::string_view line, const KeyTables& keys,
                std::vector<bool>& fixedKeys, RefTarget& out, MessageSink& sink,
                std::string& description) {
    if (line.empty()) {
        description = in.LineFault(
            "the line is empty, a character code, a key code and a fixed flag were expected");
        return false;
    }
    FieldCursor fields(line);
    LayoutLine placed;
    if (!ReadLayoutLine(in, fields, keys, sink, placed, description)) return false;
    const Byte k = placed.key;
    out.lay[placed.ch] = k;

    const int j = out.letters.nLet() + 1;
    out.letters.letSet.push_back(static_cast<Byte>(placed.ch));
    out.letters.letFixKey.push_back(0);
    out.phero.Resize(keys.nKeys(), j);

    double fixed = 0;
    std::string why;
    if (!fields.Double(fixed, why)) {
        description = in.FieldFault(why);
        return false;
    }
    if (fixed != 0) {
        out.letters.letFixKey.back() = k;
        out.phero.at(k, j) = 1;
        fixedKeys[k] = true;
    } else {
        FillFreeColumn(keys, fixedKeys, k, out.phero, j);
    }
    NormalizePhero(out.phero, j);
    return true;
}

bool ParseRefKeyLay(InputFile& in, const KeyTables& keys, RefTarget out, MessageSink& sink,
                    std::string& description) {
    if (!in.ReadHeader(description)) return false;
    out.lay.fill(0);
    if (keys.nKeys() < 0) {
        description =
            in.name() + ": no key definitions are loaded, so no key code can be looked up";
        return false;
    }
    out.letters = LetterTables{};
    out.phero.Clear();
    std::vector<bool> fixedKeys(static_cast<std::size_t>(keys.nKeys() + 1), false);
    std::string line;
    while (!in.AtEnd()) {
        if (!in.ReadFieldLine(line, description)) return false;
        if (!ReadLetter(in, line, keys, fixedKeys, out, sink, description)) return false;
    }
    return true;
}

}  // namespace

bool LoadRefKeyLayText(std::string content, const std::string& path, const KeyTables& keys,
                       Layout& lay, LetterTables& letters, PheroTable& phero, MessageSink& sink) {
    InputFile in(std::move(content), path);
    std::string description;
    if (ParseRefKeyLay(in, keys, RefTarget{lay, letters, phero}, sink, description)) return true;
    ReportLoadFailure(sink, msg::kLayoutTitle, msg::kRefLayoutText + path, description);
    return false;
}

bool LoadRefKeyLay(const std::string& path, const KeyTables& keys, Layout& lay,
                   LetterTables& letters, PheroTable& phero, MessageSink& sink) {
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kLayoutTitle, msg::kRefLayoutText + path, description);
        return false;
    }
    return LoadRefKeyLayText(std::move(content), path, keys, lay, letters, phero, sink);
}

}  // namespace antkeys
