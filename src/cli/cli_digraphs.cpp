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
#include <unordered_map>
#include <vector>

#include <unistd.h>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "cli/stderr_sink.hpp"
#include "corpus/count_mix.hpp"
#include "corpus/digraph_counter.hpp"
#include "data/charset_file.hpp"
#include "data/count_files.hpp"
#include "data/fields.hpp"
#include "data/text_file.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli digraphs [--charset FILE | --dir DIR] [--alphabet LAYOUT]\n"
    "                            [--weights P,P,...] [-o FILE] [--trigrams FILE] TEXT ...\n"
    "\n"
    "Counts how often each character follows another in UTF-8 texts and writes the counts\n"
    "as a DiGraphs.txt: a header line, then one line per pair, 'code1<TAB>code2<TAB>count',\n"
    "sorted by codes, lines ended by CR LF.\n"
    "\n"
    "Characters get the codes of a character map (In/Charset.txt; without one GEORGIAN-PS:\n"
    "Georgian letters 192..229, ASCII as itself). The text is put in NFC first, so a letter\n"
    "and a combining mark count as the composed letter; a capital counts as its letter; every\n"
    "run of white space, line end or start and end of a text counts as one space (32).\n"
    "Characters the map has no code for are dropped; a summary of them goes to stderr.\n"
    "A text that is not valid UTF-8 is an error naming the byte. TEXT '-' reads standard\n"
    "input.\n"
    "\n"
    "Options:\n"
    "  --charset FILE     the character map to count by (a Charset.txt)\n"
    "  --dir DIR          the map of the program folder DIR (DIR/In/Charset.txt, else\n"
    "                     GEORGIAN-PS)\n"
    "  --alphabet LAYOUT  keep only pairs of characters that this layout file places\n"
    "                     (lines 'code<TAB>keycode[<TAB>fixed]' after a header line)\n"
    "  --weights P,P,...  one share per TEXT, in order, for a layout of several languages:\n"
    "                     each text's counts are scaled so that its characters make that\n"
    "                     share of all counted characters (70,30: 70 % and 30 %)\n"
    "  -o, --output FILE  write to FILE instead of standard output (- is standard output)\n"
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
    const std::uint64_t start = counter.fed();
    const auto malformed = [&] {
        return counter.firstMalformed() >= static_cast<std::int64_t>(start);
    };
    counter.Boundary();
    for (;;) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file.get());
        counter.Feed(buffer.data(), n);
        done += n;
        progress.Show(path, done, total);
        if (n < buffer.size() || malformed()) break;
    }
    if (std::ferror(file.get())) {
        error = "error while reading " + path;
        return false;
    }
    counter.Boundary();
    if (malformed()) {
        error = path + ": not valid UTF-8 at byte offset " +
                std::to_string(static_cast<std::uint64_t>(counter.firstMalformed()) - start) +
                " (convert the text to UTF-8 first, e.g. with iconv)";
        return false;
    }
    return true;
}

std::string CharName(char32_t cp) {
    if (cp == 0xFFFD) return "malformed UTF-8";
    // The character itself, for the reader to recognise.
    if (cp < 0xA0) return CodePointName(cp);
    return Utf8Of(cp) + " " + CodePointName(cp);
}

void Summary(const std::vector<std::unique_ptr<DigraphCounter>>& texts, std::uint64_t pairs,
             std::uint64_t occurrences, std::ostream& err) {
    std::uint64_t kept = 0, droppedTotal = 0;
    std::unordered_map<char32_t, std::uint64_t> byChar;
    for (const auto& text : texts) {
        kept += text->kept();
        droppedTotal += text->dropped();
        for (const auto& [cp, n] : text->droppedByChar()) byChar[cp] += n;
    }
    err << "digraphs: " << kept << " characters counted, " << droppedTotal << " dropped";
    if (droppedTotal > 0) {
        std::vector<std::pair<char32_t, std::uint64_t>> dropped(byChar.begin(), byChar.end());
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
bool WriteTrigrams(const MixedCounts& counter, const PlacedCodes& placed, const std::string& path,
                   std::ostream& err) {
    CountsWritten written;
    std::string error;
    if (!TrigraphsText(counter.trigrams, placed, written, error) ||
        !WriteWholeFile(path, written.text, error)) {
        err << kName << error << '\n';
        return false;
    }
    err << "trigrams: " << written.lines << " sequences written, " << written.occurrences
        << " occurrences\n";
    return true;
}

// The pairs of placed codes, to `out` or the file of -o.
bool WriteDigraphs(const MixedCounts& counter, const PlacedCodes& placed, const ParsedArgs& parsed,
                   std::ostream& out, std::ostream& err, CountsWritten& written) {
    std::string error;
    const auto count = [&counter](int a, int b) { return counter.Count(a, b); };
    if (!DigraphsText(count, placed, written, error)) {
        err << kName << error << '\n';
        return false;
    }
    if (parsed.ToStandardOutput()) {
        out << written.text << std::flush;
        return true;
    }
    if (WriteWholeFile(parsed.Value("-o"), written.text, error)) return true;
    err << kName << error << '\n';
    return false;
}

// The map of --charset, of --dir's folder, or GEORGIAN-PS.
bool ChooseMap(const ParsedArgs& parsed, CharacterMap& map, std::ostream& err) {
    StderrSink sink(err);
    if (parsed.Has("--charset")) return LoadCharset(parsed.Value("--charset"), map, sink);
    if (parsed.Has("--dir")) return LoadFolderCharset({parsed.Value("--dir")}, map, sink);
    map = CharacterMap::GeorgianPs();
    return true;
}

// "70,30": one positive share per text.
bool ParseWeights(const ParsedArgs& parsed, std::size_t texts, std::vector<double>& shares,
                  std::string& error) {
    if (!parsed.Has("--weights")) return true;
    std::stringstream list(parsed.Value("--weights"));
    for (std::string item; std::getline(list, item, ',');) {
        double share = 0;
        std::string why;
        if (!ParseDouble(item, share, why) || !(share >= 0)) {
            error = "--weights: " + (why.empty() ? Quoted(item) + " is not a share" : why);
            return false;
        }
        shares.push_back(share);
    }
    if (shares.size() != texts) {
        error = "--weights gives " + std::to_string(shares.size()) + " shares for " +
                std::to_string(texts) + " texts";
        return false;
    }
    if (std::all_of(shares.begin(), shares.end(), [](double v) { return v == 0; })) {
        error = "--weights: every share is 0";
        return false;
    }
    return true;
}

// The characters to keep (--alphabet, else all) and the texts' shares (--weights).
bool ReadSelection(const ParsedArgs& parsed, PlacedCodes& placed, std::vector<double>& shares,
                   std::string& error) {
    placed.fill(true);
    if (parsed.Has("--alphabet")) {
        placed.fill(false);
        if (!LoadPlacedCodes(parsed.Value("--alphabet"), placed, error)) return false;
    }
    return ParseWeights(parsed, parsed.positional.size(), shares, error);
}

// One counter per text when the texts are weighted, so each text's share can be scaled.
bool CountTexts(const ParsedArgs& parsed, const CharacterMap& map, bool weighted,
                std::vector<std::unique_ptr<DigraphCounter>>& counters, std::ostream& err) {
    Progress progress(&err == &std::cerr && ::isatty(2) == 1);
    std::string error;
    for (const std::string& path : parsed.positional) {
        if (counters.empty() || weighted) {
            counters.push_back(std::make_unique<DigraphCounter>(map));
            if (parsed.Has("--trigrams")) counters.back()->CountTrigrams();
        }
        if (!CountText(path, *counters.back(), progress, error)) {
            progress.Clear();
            err << kName << error << '\n';
            return false;
        }
    }
    return true;
}

}  // namespace

int RunDigraphs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args,
                   {{{"--alphabet"}, true},
                    {{"-o", "--output"}, true},
                    {{"--trigrams"}, true},
                    {{"--charset"}, true},
                    {{"--dir"}, true},
                    {{"--weights"}, true}},
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
    std::vector<double> shares;
    PlacedCodes placed{};
    if (!ReadSelection(parsed, placed, shares, error)) {
        err << kName << error << '\n';
        return 2;
    }
    CharacterMap map;
    if (!ChooseMap(parsed, map, err)) return 1;
    std::vector<std::unique_ptr<DigraphCounter>> counters;
    if (!CountTexts(parsed, map, !shares.empty(), counters, err)) return 1;
    MixedCounts mixed;
    std::vector<const DigraphCounter*> texts;
    for (const auto& c : counters) texts.push_back(c.get());
    if (!MixCounts(texts, shares, mixed, error)) {
        err << kName << error << '\n';
        return 1;
    }

    CountsWritten written;
    if (!WriteDigraphs(mixed, placed, parsed, out, err, written)) return 1;
    Summary(counters, written.lines, written.occurrences, err);
    if (parsed.Has("--trigrams") && !WriteTrigrams(mixed, placed, parsed.Value("--trigrams"), err))
        return 1;
    return 0;
}

}  // namespace antkeys::cli
