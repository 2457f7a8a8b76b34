// Layout files other than the reference: any layout file read into a layout (a dropped file,
// a best-layout file) and the best-layout files written into Out.
#include <string>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/layout_line.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/number_format.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

// A line's third field when it has one: a number, not 0 for a fixed character.
bool ReadFixedFlag(const InputFile& in, FieldCursor& fields, bool& fixed,
                   std::string& description) {
    FieldCursor probe = fields;
    std::string_view present;
    std::string why;
    fixed = false;
    if (!probe.Text(present, why)) return true;  // no third field: free
    double flag = 0;
    if (!fields.Double(flag, why)) {
        description = in.FieldFault(why);
        return false;
    }
    fixed = flag != 0;
    return true;
}

// Character code and key code of every non-empty line; with `fixed`, also the fixed flag of
// the third field, which a best-layout file does not have.
bool ParseKeyLay(InputFile& in, const KeyTables& keys, Layout& lay, CharFlags* fixed,
                 MessageSink& sink, std::string& description, int& lines) {
    if (!in.ReadHeader(description)) return false;
    lay.fill(0);
    if (fixed) fixed->fill(false);
    lines = 0;
    std::string line;
    while (!in.AtEnd()) {
        if (!in.ReadFieldLine(line, description)) return false;
        if (line.empty()) continue;
        FieldCursor fields(line);
        LayoutLine placed;
        if (!ReadLayoutLine(in, fields, keys, sink, placed, description)) return false;
        bool isFixed = false;
        if (fixed && !ReadFixedFlag(in, fields, isFixed, description)) return false;
        lay[placed.ch] = placed.key;
        if (fixed) (*fixed)[placed.ch] = isFixed;
        ++lines;
    }
    return true;
}

bool LoadText(std::string content, const std::string& path, const KeyTables& keys, Layout& lay,
              CharFlags* fixed, MessageSink& sink, int* lines) {
    InputFile in(std::move(content), path);
    std::string description;
    int read = 0;
    const bool ok = ParseKeyLay(in, keys, lay, fixed, sink, description, read);
    if (lines) *lines = read;
    if (ok) return true;
    ReportLoadFailure(sink, msg::kLayoutTitle, msg::kCustomLayoutText + path, description);
    return false;
}

bool LoadFile(const std::string& path, const KeyTables& keys, Layout& lay, CharFlags* fixed,
              MessageSink& sink, int* lines) {
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kLayoutTitle, msg::kCustomLayoutText + path, description);
        return false;
    }
    return LoadText(std::move(content), path, keys, lay, fixed, sink, lines);
}

}  // namespace

bool LoadKeyLayText(std::string content, const std::string& path, const KeyTables& keys,
                    Layout& lay, MessageSink& sink, int* lines) {
    return LoadText(std::move(content), path, keys, lay, nullptr, sink, lines);
}

bool LoadKeyLay(const std::string& path, const KeyTables& keys, Layout& lay, MessageSink& sink,
                int* lines) {
    return LoadFile(path, keys, lay, nullptr, sink, lines);
}

bool LoadFixedKeyLayText(std::string content, const std::string& path, const KeyTables& keys,
                         Layout& lay, CharFlags& fixed, MessageSink& sink, int* lines) {
    return LoadText(std::move(content), path, keys, lay, &fixed, sink, lines);
}

bool LoadFixedKeyLay(const std::string& path, const KeyTables& keys, Layout& lay, CharFlags& fixed,
                     MessageSink& sink, int* lines) {
    return LoadFile(path, keys, lay, &fixed, sink, lines);
}

namespace {

std::string LayLines(const Layout& lay, const KeyTables& keys, const CharFlags* fixed) {
    std::string text;
    for (std::size_t ch = 0; ch < lay.size(); ++ch) {
        const std::size_t key = lay[ch];
        if (key == 0) continue;
        text += std::to_string(ch);
        text += '\t';
        // A layout made for other key definitions may name a key these tables lack.
        if (key < keys.codes.size()) text += keys.codes[key];
        if (fixed) text += (*fixed)[ch] ? "\t1" : "\t0";
        text += "\r\n";
    }
    return text;
}

}  // namespace

std::string GetLayStr(const Layout& lay, const KeyTables& keys) {
    return LayLines(lay, keys, nullptr);
}

std::string GetFixedLayStr(const Layout& lay, const KeyTables& keys, const CharFlags& fixed) {
    return LayLines(lay, keys, &fixed);
}

std::string BestLayFileName(Single gradePercent, Long counter) {
    return Format000(gradePercent) + "_" + std::to_string(counter) + ".txt";
}

std::string SaveBestLay(const std::string& outFolder, Single gradePercent, Long counter,
                        const Layout& best, const KeyTables& keys, MessageSink& sink) {
    const std::string path = outFolder + "/" + BestLayFileName(gradePercent, counter);
    const std::string text = FormatSingle(gradePercent) + "\r\n" + GetLayStr(best, keys);
    std::string error;
    if (!EnsureFolder(outFolder, error)) {
        error = "cannot write " + path + ": " + error;
    } else if (WriteFileAtomically(path, text, error)) {
        return path;
    }
    sink.show(Message{msg::kWriteTitle, WithDescription(msg::kBestLayWriteText, error), true});
    return {};
}

}  // namespace antkeys
