// Random program folders graded three ways, bit for bit: the analyzer's vector pass, its
// portable pass and a plain calculation in the order the grading is defined; the explainer's
// V3..V6 and the grade too. ANTKEYS_RANDOM_FOLDERS sets how many folders (300 by default),
// ANTKEYS_RANDOM_SEED the first seed, and ANTKEYS_RANDOM_FOLDERS_OUT a folder to write them
// into, for grading them with another build.
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "data/loaders.hpp"
#include "eval/grading.hpp"
#include "eval/layout_explain.hpp"
#include "support/random_folder.hpp"

namespace antkeys {
namespace {

using test::PlainFigures;
using test::RandomFolder;

std::uint64_t FromEnv(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

struct Loaded {
    KeyTables keys;
    DigraphTables digraphs;
    Weights weights;
    Layout ref{};
    LetterTables letters;
    PheroTable phero;
};

void Load(const std::map<std::string, std::string>& files, Loaded& in) {
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyDefsText(files.at("In/KeyDefs.txt"), "KeyDefs", in.keys, sink) &&
                LoadDiGraphsText(files.at("In/DiGraphs.txt"), "DiGraphs", in.digraphs, sink) &&
                LoadKdiText(files.at("In/Kdi.txt"), "Kdi", in.weights.kdi, sink) &&
                LoadGjText(files.at("In/Gj.txt"), "Gj", in.weights.gj, in.weights.gjSum, sink) &&
                LoadRefKeyLayText(files.at("In/RefKeyLay.txt"), "Ref", in.keys, in.ref, in.letters,
                                  in.phero, sink) &&
                LoadBestLoadText(files.at("In/BestLoad.txt"), "BestLoad", in.keys,
                                 in.weights.bestLoad, sink))
        << (sink.messages.empty() ? "" : sink.messages[0].text);
}

double ExplainedTotal(const LayoutExplanation& e, const std::string& figure) {
    for (const WorstDigraphs& w : e.worst)
        if (w.figure == figure) return w.total;
    return -1;
}

TEST(RandomFolders, EveryPathGivesThePlainCalculationsBits) {
    const std::uint64_t count = FromEnv("ANTKEYS_RANDOM_FOLDERS", 300);
    const std::uint64_t first = FromEnv("ANTKEYS_RANDOM_SEED", 1);
    const char* out = std::getenv("ANTKEYS_RANDOM_FOLDERS_OUT");
    std::uint64_t figures = 0, failing = 0;

    for (std::uint64_t seed = first; seed < first + count; ++seed) {
        const RandomFolder folder = test::MakeRandomFolder(seed);
        const auto files = folder.Files();
        if (out && *out) {
            for (const auto& [name, text] : files) {
                const std::string path = std::string(out) + "/" + std::to_string(seed) + "/" + name;
                std::filesystem::create_directories(std::filesystem::path(path).parent_path());
                std::ofstream(path, std::ios::binary) << text;
            }
        }
        SCOPED_TRACE("seed " + std::to_string(seed));
        Loaded in;
        Load(files, in);
        if (HasFatalFailure()) return;

        RecordingSink sink;
        KeyAnalizer vector, portable;
        ASSERT_TRUE(vector.Init(in.digraphs, in.weights.bestLoad, in.keys, in.weights.kdi, sink));
        ASSERT_TRUE(portable.Init(in.digraphs, in.weights.bestLoad, in.keys, in.weights.kdi, sink));
        portable.UseKernels(KernelChoice::kPortable);
        LayoutExplainer explainer;
        ASSERT_TRUE(
            explainer.Init(in.digraphs, in.keys, in.weights.bestLoad, in.weights.kdi, nullptr));

        const auto plainRef = test::PlainCalcV1_6(folder, folder.reference);
        Criteria ref{};
        const bool refOk = vector.CalcV1_6(in.ref, ref);
        ASSERT_EQ(refOk, plainRef.has_value());

        for (const auto& [name, lines] : folder.layouts) {
            SCOPED_TRACE(name);
            Layout lay{};
            ASSERT_TRUE(LoadKeyLayText(files.at("layouts/" + name), name, in.keys, lay, sink));
            const auto plain = test::PlainCalcV1_6(folder, lines);
            for (const KeyAnalizer* a : {&vector, &portable}) {
                Criteria v{};
                const bool ok = a->CalcV1_6(lay, v);
                ASSERT_EQ(ok, plain.has_value()) << (a == &vector ? "vector" : "portable");
                if (!ok) continue;
                for (std::size_t i = 1; i <= 6; ++i, ++figures)
                    EXPECT_TRUE(SameBits(v[i], (*plain)[i]))
                        << (a == &vector ? "vector" : "portable") << " V" << i << ": " << v[i]
                        << " against " << (*plain)[i];
            }
            if (!plain) {
                ++failing;
                continue;
            }
            LayoutExplanation e;
            ASSERT_TRUE(explainer.Explain(lay, 0, e));
            for (int i = 3; i <= 6; ++i, ++figures) {
                const std::string figure = "V" + std::to_string(i);
                EXPECT_TRUE(
                    SameBits(ExplainedTotal(e, figure), (*plain)[static_cast<std::size_t>(i)]))
                    << "explained " << figure;
            }
            if (!refOk) continue;
            const GradeReport g = Grade(lay, vector, in.weights, ref);
            ++figures;
            EXPECT_TRUE(SameBits(g.grade, test::PlainGrade(folder, *plain, *plainRef)))
                << "grade " << g.grade;
        }
    }
    std::cout << "random folders: " << count << " folders (seeds " << first << ".."
              << first + count - 1 << "), " << figures << " figures compared bit for bit, "
              << failing << " layouts that cannot be graded\n";
}

}  // namespace
}  // namespace antkeys
