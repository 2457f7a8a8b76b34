#pragma once
// One shape for every export format: a layout, its keyboard, the character mapping and the
// options go in; the file's bytes, the number of characters written and one line per
// character or key left out come back. Each format lives in its own file.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/charset.hpp"
#include "data/key_tables.hpp"
#include "data/types.hpp"

namespace antkeys {

enum class ExportFormat { Xkb, Klc, Keylayout, Kle };

struct ExportOptions {
    std::string name;         // the layout's name as the target system shows it
    std::string description;  // a longer title; empty: the name
    std::string locale = "ka-GE";
    bool usShift = false;  // Shift gives the key's US character instead of the layout's
    std::string source;    // the layout file, named in the file's comment
};

struct ExportInput {
    const Layout& lay;
    const KeyTables& keys;
    const CharacterMap& chars;
    const ExportOptions& options;
};

struct ExportResult {
    std::string bytes;  // the whole file, exactly as it is to be written
    int exported = 0;   // characters of the layout written
    std::vector<std::string> problems;
};

struct ExportFormatInfo {
    ExportFormat format;
    std::string_view option;  // the command-line option without its dashes: "klc"
    std::string_view title;   // what the user reads in menus: "Windows (KLC)"
    std::string_view suffix;  // the usual file name ending (".klc"); empty when none
};

class Exporter {
  public:
    explicit Exporter(const ExportFormatInfo& info) : info_(info) {}
    virtual ~Exporter() = default;
    ExportFormat format() const { return info_.format; }
    std::string_view option() const { return info_.option; }
    std::string_view title() const { return info_.title; }
    std::string_view suffix() const { return info_.suffix; }
    // Why these options cannot make a file in this format (a bad name, an unknown locale);
    // empty when they can.
    virtual std::string CheckOptions(const ExportOptions& options) const = 0;
    // A name that passes CheckOptions, made from a layout file's name.
    virtual std::string NameFor(const std::string& layoutPath) const = 0;
    virtual ExportResult Export(const ExportInput& in) const = 0;

  private:
    ExportFormatInfo info_;
};

std::span<const Exporter* const> Exporters();
const Exporter& ExporterFor(ExportFormat format);

}  // namespace antkeys
