#include "data/count_files.hpp"

#include <algorithm>
#include <limits>
#include <sstream>
#include <utility>
#include <vector>

#include "data/fields.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

constexpr auto kMaxCount = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());

}  // namespace

bool LoadPlacedCodes(const std::string& path, PlacedCodes& placed, std::string& error) {
    auto reader = LineReader::Open(path, error);
    if (!reader) return false;
    std::string line;
    if (!reader->ReadLine(line)) {
        error = path + ": the file is empty, a header line was expected";
        return false;
    }
    while (reader->ReadLine(line)) {
        if (line.empty()) continue;
        FieldCursor fields(line);
        long code = 0;
        std::string_view key;
        std::string why;
        if (!fields.Whole(0, 255, code, why) || !fields.Text(key, why)) {
            error = path + " line " + std::to_string(reader->LineNumber()) + ": " + why;
            return false;
        }
        if (!key.empty()) placed[static_cast<std::size_t>(code)] = true;
    }
    return true;
}

bool DigraphsText(const std::function<std::uint64_t(int, int)>& count, const PlacedCodes& placed,
                  CountsWritten& written, std::string& error) {
    std::ostringstream text;
    text << "code1\tcode2\tcount\r\n";
    for (int a = 0; a < 256; ++a) {
        if (!placed[static_cast<std::size_t>(a)]) continue;
        for (int b = 0; b < 256; ++b) {
            const std::uint64_t n = count(a, b);
            if (n == 0 || !placed[static_cast<std::size_t>(b)]) continue;
            if (n > kMaxCount) {
                error = "the pair " + std::to_string(a) + ", " + std::to_string(b) + " occurs " +
                        std::to_string(n) + " times, more than a DiGraphs.txt count can hold";
                return false;
            }
            text << a << '\t' << b << '\t' << n << "\r\n";
            ++written.lines;
            written.occurrences += n;
        }
    }
    written.text = text.str();
    return true;
}

bool TrigraphsText(const std::unordered_map<std::uint32_t, std::uint64_t>& counts,
                   const PlacedCodes& placed, CountsWritten& written, std::string& error) {
    std::vector<std::pair<std::uint32_t, std::uint64_t>> kept;
    for (const auto& [key, n] : counts)
        if (placed[key >> 16] && placed[(key >> 8) & 0xFF] && placed[key & 0xFF])
            kept.emplace_back(key, n);
    std::sort(kept.begin(), kept.end());
    std::ostringstream text;
    text << "code1\tcode2\tcode3\tcount\r\n";
    for (const auto& [key, n] : kept) {
        if (n > kMaxCount) {
            error = "the sequence " + std::to_string(key >> 16) + ", " +
                    std::to_string((key >> 8) & 0xFF) + ", " + std::to_string(key & 0xFF) +
                    " occurs " + std::to_string(n) + " times, more than a count can hold";
            return false;
        }
        text << (key >> 16) << '\t' << ((key >> 8) & 0xFF) << '\t' << (key & 0xFF) << '\t' << n
             << "\r\n";
        ++written.lines;
        written.occurrences += n;
    }
    written.text = text.str();
    return true;
}

}  // namespace antkeys
