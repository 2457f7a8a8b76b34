// The side-by-side ranking of the polish against ranking each move alone: the same bits for
// every swap and relocation, with each set of lane kernels this processor has.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "data/random.hpp"
#include "eval/workspace.hpp"
#include "search/gen_rnd_key.hpp"
#include "search/layout_polish.hpp"
#include "support/temp_folder.hpp"

namespace antkeys {
namespace {

struct Quiet final : NoCandidateSink {
    void OnNoCandidate(int) override {}
};

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Each kernel choice by the variables that make it; the vector ones fall back to what the
// processor has.
const char* const kKernelChoices[][2] = {
    {"ANTKEYS_PORTABLE", "1"}, {"ANTKEYS_VECTOR", "avx2"}, {"ANTKEYS_VECTOR", "avx512"}};

TEST(SwapLanes, RankingSideBySideGivesTheBitsOfRankingAlone) {
    for (const char* language : {"ka", "en"}) {
        Workspace ws;
        test::TempFolder copy;
        std::filesystem::copy(test::BundledSet(language) + "/In", copy.path() + "/In",
                              std::filesystem::copy_options::recursive);
        ws.paths.folder = copy.path();
        RecordingSink sink;
        ASSERT_TRUE(LoadWorkspace(ws, sink)) << language;
        std::vector<Byte> free;
        for (std::size_t j = 0; j < ws.letters.letSet.size(); ++j)
            if (ws.letters.letFixKey[j] == 0) free.push_back(ws.letters.letSet[j]);
        // A code no digraph and no letter uses, to rank relocations with.
        std::vector<bool> taken(kCharCodes, false);
        for (Byte c : ws.digraphs.first) taken[c] = true;
        for (Byte c : ws.digraphs.second) taken[c] = true;
        for (Byte c : ws.letters.letSet) taken[c] = true;
        Byte standIn = 0;
        while (taken[standIn]) ++standIn;

        for (const auto& choice : kKernelChoices) {
            unsetenv("ANTKEYS_PORTABLE");
            setenv(choice[0], choice[1], 1);
            LayoutPolisher polisher(ws);
            unsetenv(choice[0]);
            Random random(7);
            GenScratch scratch;
            Quiet quiet;
            for (int n = 0; n < 4; ++n) {
                Layout lay{};
                GenRndKey(lay, ws.letters, ws.phero, 0.0, random, scratch, quiet);
                Criteria v{};
                ASSERT_TRUE(ws.analizer.CalcV1_6(lay, v));
                polisher.Prepare(lay);
                polisher.RankSwaps(lay, v);
                int ranked = 0;
                // In the order the polishers rank them: the earlier free letter first.
                for (std::size_t i = 0; i < free.size(); ++i) {
                    for (std::size_t j = i + 1; j < free.size(); ++j) {
                        const Byte a = free[i], b = free[j];
                        double s = 0;
                        const bool allowed = polisher.RankedSwap(a, b, s);
                        ASSERT_EQ(allowed, polisher.SwapAllowed(lay, a, b));
                        if (!allowed) continue;
                        ++ranked;
                        ASSERT_TRUE(SameBits(s, polisher.SwappedRatioSum(lay, v, a, b)))
                            << language << " " << choice[1] << " swap " << int{a} << "-"
                            << int{b};
                    }
                }
                EXPECT_GT(ranked, 0);
                // Every free letter to every key (the figure does not ask whether the key is
                // empty), in counts that leave some lanes unused.
                std::vector<int> keys;
                for (int k = 1; k <= ws.keys.nKeys(); ++k) keys.push_back(k);
                std::vector<double> sums(keys.size());
                for (Byte a : free) {
                    const std::size_t count = keys.size() - static_cast<std::size_t>(a % 5);
                    polisher.RankMoves(lay, v, a, standIn, keys.data(), nullptr, count,
                                       sums.data());
                    for (std::size_t k = 0; k < count; ++k) {
                        Layout probe = lay;
                        probe[standIn] = static_cast<Byte>(keys[k]);
                        ASSERT_TRUE(
                            SameBits(sums[k], polisher.SwappedRatioSum(probe, v, a, standIn)))
                            << language << " " << choice[1] << " move " << int{a} << " to "
                            << keys[k];
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace antkeys
