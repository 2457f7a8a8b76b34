// antkeys-cli digraphs: UTF-8 texts -> a DiGraphs.txt.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

#include <unistd.h>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "corpus/digraph_counter.hpp"
#include "data/count_files.hpp"
#include "data/text_file.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli digraphs [--alphabet LAYOUT] [-o FILE] [--trigrams FILE] TEXT ...\n"
    "\n"
    "Counts how often each character follows another in UTF-8 texts and writes the counts\n"
    "as a DiGraphs.txt: a header line, then one line per pair, 'code1<TAB>code2<TAB>count',\n"
    "sorted by codes, lines ended by CR LF.\n"
    "\n"
    "Text is lower-cased first. Georgian letters get their GEORGIAN-PS codes (192..229),\n"
    "ASCII characters keep theirs, and every run of white space, line end or start and end\n"
    "of a text counts as one space (32). Other characters are dropped; a summary of them\n"
    "goes to stderr. TEXT '-' reads standard input.\n"
    "\n"
    "Options:\n"
    "  --alphabet LAYOUT  keep only pairs of characters that this layout file places\n"
    "                     (lines 'code<TAB>keycode[<TAB>fixed]' after a header line)\n"
    "  -o, --output FILE  write to FILE instead of standard output\n"
    "  --trigrams FILE    also count sequences of three characters of the same texts into\n"
    "                     FILE (a TriGraphs.txt: 'code1<TAB>code2<TAB>code3<TAB>count'),\n"
    "                     with --alphabet only those of three placed characters\n"
    "  -h, --help         show this help\n";

constexpr const char* kName = "antkeys-cli digraphs: ";
constexpr std::size_t kChunk = 1 << 20;

// A one-line progress report, shown only when stderr is a terminal.
class Progress {
  public:
    explicit Progress(bool enabled) : enabled_(enabled) {}
    ~Progress() { Clear(); }

    void Show(const std::string& name, std::uint64_t done, std::uint64_t total) {
        if (!enabled_) return;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        char line[256];
        if (total > 0)
            std::snprintf(line, sizeof line, "\rreading %s: %.1f of %.1f MB (%d%%)\033[K",
                          name.c_str(), static_cast<double>(done) / 1e6,
                          static_cast<double>(total) / 1e6,
                          static_cast<int>(100 * done / std::max<std::uint64_t>(total, 1)));
        else
            std::snprintf(line, sizeof line, "\rreading %s: %.1f MB\033[K", name.c_str(),
                          static_cast<double>(done) / 1e6);
        std::cerr << line << std::flush;
        shown_ = true;
    }
    void Clear() {
        if (shown_) std::cerr << "\r\033[K" << std::flush;
        shown_ = false;
    }

  private:
    bool enabled_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_{};
};

bool CountText(const std::string& path, DigraphCounter& counter, Progress& progress,
               std::string& error) {
    const bool isStdin = path == "-";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        isStdin ? stdin : std::fopen(path.c_str(), "rb"),
        isStdin ? +[](std::FILE*) { return 0; } : &std::fclose);
    std::error_code ec;
    if (!file || (!isStdin && std::filesystem::is_directory(path, ec))) {
        error = "cannot read " + path;
        return false;
    }
    const std::uint64_t total = isStdin ? 0 : std::filesystem::file_size(path, ec);
    std::vector<char> buffer(kChunk);
    std::uint64_t done = 0;
    counter.Boundary();
    for (;;) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file.get());
        counter.Feed(buffer.data(), n);
        done += n;
        progress.Show(path, done, total);
        if (n < buffer.size()) break;
    }
    if (std::ferror(file.get())) {
        error = "error while reading " + path;
        return false;
    }
    counter.Boundary();
    return true;
}

std::string CharName(char32_t cp) {
    char name[48];
    if (cp == 0xFFFD) return "malformed UTF-8";
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
    if (cp < 0xA0) return name;
    // The character itself, for the reader to recognise.
    std::string glyph;
    if (cp < 0x800) {
        glyph += static_cast<char>(0xC0 | (cp >> 6));
    } else if (cp < 0x10000) {
        glyph += static_cast<char>(0xE0 | (cp >> 12));
        glyph += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    } else {
        glyph += static_cast<char>(0xF0 | (cp >> 18));
        glyph += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        glyph += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    glyph += static_cast<char>(0x80 | (cp & 0x3F));
    return glyph + " " + name;
}

void Summary(const DigraphCounter& counter, std::uint64_t pairs, std::uint64_t occurrences,
             std::ostream& err) {
    err << "digraphs: " << counter.kept() << " characters counted, " << counter.dropped()
        << " dropped";
    if (counter.dropped() > 0) {
        std::vector<std::pair<char32_t, std::uint64_t>> dropped(counter.droppedByChar().begin(),
                                                                counter.droppedByChar().end());
        std::sort(dropped.begin(), dropped.end(), [](const auto& l, const auto& r) {
            return l.second != r.second ? l.second > r.second : l.first < r.first;
        });
        err << " (" << dropped.size() << " different; most often:";
        const std::size_t shown = std::min<std::size_t>(dropped.size(), 8);
        for (std::size_t i = 0; i < shown; ++i)
            err << (i ? ", " : " ") << CharName(dropped[i].first) << " x" << dropped[i].second;
        err << ")";
    }
    err << "\ndigraphs: " << pairs << " pairs written, " << occurrences << " occurrences\n";
}

// The trigram file, sorted by codes; a count beyond a 32-bit number fails.
bool WriteTrigrams(const DigraphCounter& counter, const PlacedCodes& placed,
                   const std::string& path, std::ostream& err) {
    CountsWritten written;
    std::string error;
    if (!TrigraphsText(counter.trigrams(), placed, written, error) ||
        !WriteWholeFile(path, written.text, error)) {
        err << kName << error << '\n';
        return false;
    }
    err << "trigrams: " << written.lines << " sequences written, " << written.occurrences
        << " occurrences\n";
    return true;
}

// The pairs of placed codes, to `out` or the file of -o.
bool WriteDigraphs(const DigraphCounter& counter, const PlacedCodes& placed,
                   const ParsedArgs& parsed, std::ostream& out, std::ostream& err,
                   CountsWritten& written) {
    std::string error;
    const auto count = [&counter](int a, int b) { return counter.Count(a, b); };
    if (!DigraphsText(count, placed, written, error)) {
        err << kName << error << '\n';
        return false;
    }
    if (!parsed.Has("-o")) {
        out << written.text << std::flush;
        return true;
    }
    if (WriteWholeFile(parsed.Value("-o"), written.text, error)) return true;
    err << kName << error << '\n';
    return false;
}

}  // namespace

int RunDigraphs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args,
                   {{{"--alphabet"}, true}, {{"-o", "--output"}, true}, {{"--trigrams"}, true}},
                   parsed, error)) {
        err << kName << error << "\nRun 'antkeys-cli digraphs --help' for the options.\n";
        return 2;
    }
    if (parsed.help) {
        out << kHelp;
        return 0;
    }
    if (parsed.positional.empty()) {
        err << kName << "no text given\n\n" << kHelp;
        return 2;
    }

    PlacedCodes placed{};
    placed.fill(true);
    if (parsed.Has("--alphabet")) {
        placed.fill(false);
        if (!LoadPlacedCodes(parsed.Value("--alphabet"), placed, error)) {
            err << kName << error << '\n';
            return 2;
        }
    }

    DigraphCounter counter;
    if (!counter.ready()) {
        err << kName << counter.error() << '\n';
        return 1;
    }
    if (parsed.Has("--trigrams")) counter.CountTrigrams();
    {
        Progress progress(&err == &std::cerr && ::isatty(2) == 1);
        for (const std::string& path : parsed.positional) {
            if (!CountText(path, counter, progress, error)) {
                progress.Clear();
                err << kName << error << '\n';
                return 1;
            }
        }
    }

    CountsWritten written;
    if (!WriteDigraphs(counter, placed, parsed, out, err, written)) return 1;
    Summary(counter, written.lines, written.occurrences, err);
    if (parsed.Has("--trigrams") &&
        !WriteTrigrams(counter, placed, parsed.Value("--trigrams"), err))
        return 1;
    return 0;
}

}  // namespace antkeys::cli
