// In/Kdi.txt (5 lines: a label and the values of finger i followed by fingers 1..5) and
// In/Gj.txt (6 lines: a label and the weight of criterion Vi).
#include <string>
#include <string_view>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

constexpr int kKdiLines = 5;
constexpr int kGjLines = 6;

// Reads the next data line of a file that needs `needed` of them and skips its label.
bool ReadLabelledLine(InputFile& in, int needed, std::string& line, FieldCursor& fields,
                      std::string& description) {
    if (!in.ReadFieldLine(line, description)) {
        description += " (" + std::to_string(needed) + " data lines follow the header)";
        return false;
    }
    fields = FieldCursor(line);
    std::string_view label;
    std::string why;
    if (!fields.Text(label, why)) {
        description = in.FieldFault(why);
        return false;
    }
    return true;
}

bool ParseKdi(InputFile& in, KdiTable& kdi, std::string& description) {
    if (!in.ReadHeader(description)) return false;
    std::string line;
    FieldCursor fields{std::string_view{}};
    for (std::size_t i = 1; i <= kKdiLines; ++i) {
        if (!ReadLabelledLine(in, kKdiLines, line, fields, description)) return false;
        for (std::size_t j = 1; j <= kKdiLines; ++j) {
            long value = 0;
            std::string why;
            if (!fields.Whole(0, 255, value, why)) {
                description = in.FieldFault(why);
                return false;
            }
            kdi[i][j] = static_cast<Byte>(value);
        }
    }
    return true;
}

bool ParseGj(InputFile& in, GjTable& gj, Double& gjSum, std::string& description) {
    if (!in.ReadHeader(description)) return false;
    gjSum = 0;
    std::string line;
    FieldCursor fields{std::string_view{}};
    for (std::size_t i = 1; i <= kGjLines; ++i) {
        if (!ReadLabelledLine(in, kGjLines, line, fields, description)) return false;
        double weight = 0;
        std::string why;
        if (!fields.Double(weight, why)) {
            description = in.FieldFault(why);
            return false;
        }
        gj[i] = weight;
        gjSum += weight;
    }
    return true;
}

}  // namespace

bool LoadKdiText(std::string content, const std::string& name, KdiTable& kdi, MessageSink& sink) {
    InputFile in(std::move(content), name);
    std::string description;
    if (ParseKdi(in, kdi, description)) return true;
    ReportLoadFailure(sink, msg::kKdiTitle, msg::kKdiText, description);
    return false;
}

bool LoadKdi(const std::string& path, KdiTable& kdi, MessageSink& sink) {
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kKdiTitle, msg::kKdiText, description);
        return false;
    }
    return LoadKdiText(std::move(content), path, kdi, sink);
}

bool LoadGjText(std::string content, const std::string& name, GjTable& gj, Double& gjSum,
                MessageSink& sink) {
    InputFile in(std::move(content), name);
    std::string description;
    if (ParseGj(in, gj, gjSum, description)) return true;
    ReportLoadFailure(sink, msg::kGjTitle, msg::kGjText, description);
    return false;
}

bool LoadGj(const std::string& path, GjTable& gj, Double& gjSum, MessageSink& sink) {
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kGjTitle, msg::kGjText, description);
        return false;
    }
    return LoadGjText(std::move(content), path, gj, gjSum, sink);
}

}  // namespace antkeys
