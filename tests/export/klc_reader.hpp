#pragma once
// A small reader of Windows keyboard layout source files, written from the format's rules,
// to check what the exporter writes: a UTF-16LE file with a byte order mark and CR LF line
// ends, header keywords with their values, and the LAYOUT rows by scan code. Qt decodes the
// UTF-16, so no code of the exporter takes part in reading.
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

namespace antkeys::test {

struct KlcRow {
    std::string vk;
    int cap = 0;
    char32_t base = 0;
    char32_t shift = 0;
};

struct KlcFile {
    std::string error;                          // empty when the file follows the rules
    std::map<std::string, std::string> header;  // "KBD" -> "name\t\"description\"", ...
    std::vector<std::string> sections;          // section keywords in file order
    std::map<int, KlcRow> layout;               // by scan code
    std::vector<std::string> keyNames;          // KEYNAME and KEYNAME_EXT names
    std::string descriptions, languageNames;    // their first entries
};

inline KlcFile ReadKlc(const std::string& bytes) {
    KlcFile f;
    QStringDecoder utf16(QStringConverter::Utf16LE);
    const QString text = utf16(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (bytes.rfind("\xFF\xFE", 0) != 0 || bytes.size() % 2 != 0 || utf16.hasError())
        f.error = "not UTF-16LE with a byte order mark";
    else if (!text.endsWith("\r\n") || text.count('\n') != text.count("\r\n") ||
             text.count('\r') != text.count("\r\n"))
        f.error = "a line does not end in CR LF";
    if (!f.error.empty()) return f;

    static const QStringList kSections{"SHIFTSTATE",   "LAYOUT",        "KEYNAME", "KEYNAME_EXT",
                                       "DESCRIPTIONS", "LANGUAGENAMES", "ENDKBD"};
    static const QRegularExpression kKeywordAndRest(R"(^\s*(\S+)\s*(.*)$)");
    QString section;
    for (const QString& line : text.split("\r\n")) {
        // A comment runs from // to the line's end; a line starting with ; is one too.
        const QRegularExpressionMatch m = kKeywordAndRest.match(line.section("//", 0, 0));
        if (!m.hasMatch() || m.captured(1).startsWith(';')) continue;
        const QString first = m.captured(1);
        const std::string rest = m.captured(2).toStdString();
        if (kSections.contains(first)) {
            section = first;
            f.sections.push_back(first.toStdString());
        } else if (section.isEmpty()) {
            f.header[first.toStdString()] = rest;
        } else if (section == "LAYOUT") {
            const QStringList v = m.captured(2).split(QRegularExpression(R"(\s+)"));
            f.layout[first.toInt(nullptr, 16)] = {v.value(0).toStdString(), v.value(1).toInt(),
                                                  v.value(2).toUInt(nullptr, 16),
                                                  v.value(3).toUInt(nullptr, 16)};
        } else if (section.startsWith("KEYNAME")) {
            f.keyNames.push_back(rest);
        } else if (section == "DESCRIPTIONS" && f.descriptions.empty()) {
            f.descriptions = first.toStdString() + "\t" + rest;
        } else if (section == "LANGUAGENAMES" && f.languageNames.empty()) {
            f.languageNames = first.toStdString() + "\t" + rest;
        }
    }
    return f;
}

}  // namespace antkeys::test
