// In/BestLoad.txt: 9 lines of column weights (columns 0..8), the first 6 also holding row
// weights (rows 0..5). Every key's target share is its row weight times its column weight,
// scaled so that all shares add up to 1.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

constexpr int kColumns = 9;
constexpr int kRows = 6;

struct Weights9x6 {
    std::array<double, kColumns> col{};
    std::array<double, kRows> row{};
};

bool ReadWeights(InputFile& in, Weights9x6& w, std::string& description) {
    if (!in.ReadHeader(description)) return false;
    std::string line;
    for (std::size_t i = 0; i < kColumns; ++i) {
        if (!in.ReadFieldLine(line, description)) {
            description += " (9 data lines follow the header)";
            return false;
        }
        FieldCursor fields(line);
        std::string_view label;
        std::string why;
        bool ok = fields.Text(label, why) && fields.Double(w.col[i], why);
        if (ok && i < kRows) ok = fields.Double(w.row[i], why);
        if (!ok) {
            description = in.FieldFault(why);
            return false;
        }
    }
    return true;
}

// Sums in the order rows, columns, keys, so the shares come out the same on every run.
bool FillTargets(const KeyTables& keys, const Weights9x6& w, BestLoadTable& bestLoad,
                 std::string& description) {
    const int n = keys.nKeys();
    double sum = 0;
    for (int r = 0; r < kRows; ++r) {
        for (int q = 0; q < kColumns; ++q) {
            for (int k = 1; k <= n; ++k) {
                const auto at = static_cast<std::size_t>(k);
                if (keys.rows[at] != r || keys.cols[at] != q) continue;
                if (k > kMaxKeys) {
                    const std::string& code = keys.codes[at];
                    description = "key " + std::to_string(k) +
                                  (code.empty() ? " (a companion)" : " (\"" + code + "\")") +
                                  " lies on row " + std::to_string(r) + ", column " +
                                  std::to_string(q) + ", but a target load is kept for keys 1 to " +
                                  std::to_string(kMaxKeys) + " only";
                    return false;
                }
                bestLoad[at] =
                    w.row[static_cast<std::size_t>(r)] * w.col[static_cast<std::size_t>(q)];
                sum += bestLoad[at];
            }
        }
    }
    if (sum == 0) {
        description =
            "the target loads sum to 0: no key on rows 0 to 5 and columns 0 to 8 has a "
            "non-zero row and column weight";
        return false;
    }
    if (!std::isfinite(sum)) {
        description = "the target loads sum to more than a number can hold; use smaller weights";
        return false;
    }
    for (std::size_t k = 1; k <= kMaxKeys; ++k) bestLoad[k] /= sum;
    return true;
}

}  // namespace

bool LoadBestLoadText(std::string content, const std::string& name, const KeyTables& keys,
                      BestLoadTable& bestLoad, MessageSink& sink) {
    bestLoad.fill(0);
    InputFile in(std::move(content), name);
    Weights9x6 weights;
    std::string description;
    if (ReadWeights(in, weights, description)) {
        if (FillTargets(keys, weights, bestLoad, description)) return true;
        description = name + ": " + description;
    }
    ReportLoadFailure(sink, msg::kBestLoadTitle, msg::kBestLoadText, description);
    return false;
}

bool LoadBestLoad(const std::string& path, const KeyTables& keys, BestLoadTable& bestLoad,
                  MessageSink& sink) {
    bestLoad.fill(0);
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kBestLoadTitle, msg::kBestLoadText, description);
        return false;
    }
    return LoadBestLoadText(std::move(content), path, keys, bestLoad, sink);
}

}  // namespace antkeys
