// A language antkeys does not bundle, taken from a text as a new user would: a character
// map from a single-byte set, the digraphs of a Cyrillic text, a hand-made reference, a run,
// and its best layout exported for X and compiled, lower case on the first level and the
// capital on the second.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "data/charset_file.hpp"
#include "support/cli_run.hpp"
#include "support/temp_folder.hpp"
#include "support/text.hpp"
#include "support/xkb_compile.hpp"

namespace antkeys {
namespace {

using test::RunTool;

// Russian ЙЦУКЕН on the letter keys of the bundled keyboard (ё has no key there).
const char* const kRows[][2] = {
    {"QWERTYUIOP[]", "йцукенгшщзхъ"}, {"ASDFGHJKL;'", "фывапролджэ"}, {"ZXCVBNM,.", "ячсмитьбю"}};

const char* const kText =
    "Съешь же ещё этих мягких французских булок, да выпей чаю.\n"
    "Широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства.\n"
    "В чащах юга жил бы цитрус? Да, но фальшивый экземпляр!\n";

// The reference layout, each letter by its code in the folder's map.
std::string Reference(const CharacterMap& map) {
    std::string text = "Code\tKey\tFixed\r\n32\tSpace\t1\r\n";
    for (const auto& [keys, letters] : kRows) {
        const std::u32string cyrillic = test::Utf32(letters);
        for (std::size_t i = 0; i < cyrillic.size(); ++i)
            text += std::to_string(map.CodeOf(cyrillic[i])) + '\t' + keys[i] + "\t0\r\n";
    }
    return text;
}

TEST(YourLanguage, FromATextToACompiledLayout) {
    test::TempFolder dir;
    const std::string folder = dir.path() + "/ru";
    ASSERT_EQ(RunTool({"init", folder}).status, 0);  // the keyboard and weights of ka
    std::filesystem::remove(folder + "/In/TriGraphs.txt");
    std::filesystem::remove(folder + "/Out/Pheromones.txt");  // learnt on Georgian
    test::CliRun r = RunTool({"charset", "-o", folder + "/In/Charset.txt", "KOI8-R"});
    ASSERT_EQ(r.status, 0) << r.err;
    CharacterMap map;
    RecordingSink sink;
    ASSERT_TRUE(LoadCharset(folder + "/In/Charset.txt", map, sink));
    dir.Write("ru/In/RefKeyLay.txt", Reference(map));

    r = RunTool({"digraphs", "--dir", folder, "--alphabet", folder + "/In/RefKeyLay.txt", "-o",
                 folder + "/In/DiGraphs.txt", dir.Write("texts/ru.txt", kText)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(test::Contains(r.err, " 0 dropped")) << r.err;  // capitals fold, ё stays ё
    r = RunTool({"evaluate", "--dir", folder});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(test::Contains(r.out, "0.00%")) << r.out;

    r = RunTool({"run", "--dir", folder, "--quiet", "--seed", "1", "--layouts", "3000"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string best;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/Out"))
        if (entry.path().extension() == ".txt" && entry.path().filename() != "Pheromones.txt")
            best = std::max(best, entry.path().string());  // the latest best sorts last
    ASSERT_FALSE(best.empty());
    r = RunTool({"export", "--xkb", "--dir", folder, "--name", "antru", "--locale", "ru-RU", best,
                 "-o", dir.path() + "/symbols/antru"});
    ASSERT_EQ(r.status, 0) << r.err;

    if (!test::HaveXkbcomp()) GTEST_SKIP() << "xkbcomp is not installed";
    std::string compiled, error;
    ASSERT_TRUE(test::CompileXkbSymbols(dir, "antru", compiled, error)) << error;
    // Every letter of the reference sits on some key as [ small, CAPITAL ].
    const std::regex pair(R"(\[\s*Cyrillic_([a-z_]+),\s*Cyrillic_([A-Z_]+)\s*\])");
    std::set<std::string> letters;
    for (std::sregex_iterator it(compiled.begin(), compiled.end(), pair), end; it != end; ++it) {
        std::string upper = (*it)[1];
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(upper, (*it)[2].str());
        letters.insert((*it)[1]);
    }
    EXPECT_EQ(letters.size(), 32u) << compiled;
}

}  // namespace
}  // namespace antkeys
