#pragma once
// The figures people compare layouts by (same-finger digraphs, hand alternation, rolls, row
// and finger use) and the digraphs behind each figure and behind V3..V6. Beside the grade,
// never part of it: the search does not read any of this.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/charset.hpp"
#include "data/key_tables.hpp"
#include "data/statistics_tables.hpp"
#include "data/trigraph_tables.hpp"
#include "data/types.hpp"
#include "eval/key_pair_rules.hpp"

namespace antkeys {

// Rows of the key grid by their number in the key definitions.
inline constexpr int kTopRow = 2;
inline constexpr int kHomeRow = 3;
inline constexpr int kBottomRow = 4;

// Per hand (0 left, 1 right: any hand but 0 is the right one) and finger 1..5; finger 0 unused.
using FingerShares = std::array<std::array<double, 6>, 2>;

struct LayoutFigures {
    // Shares of the digraphs whose two characters the layout places.
    double sameFinger = 0;   // one finger, two different keys, no flagged key
    double repeats = 0;      // one key twice
    double sameHand = 0;     // two different non-flagged keys of one hand
    double alternation = 0;  // non-flagged keys of different hands
    double inRolls = 0;      // one hand, different fingers, one row, toward the lower finger number
    double outRolls = 0;     // the same away from it, the direction V6 counts
    double rowJumps = 0;     // one hand, different fingers, rows two or more apart
    // Shares of the keystrokes on placed characters, after the load sharing of flagged keys.
    double homeRow = 0, topRow = 0, bottomRow = 0;
    std::array<double, 2> handShare{}, handTarget{};
    FingerShares fingerShare{}, fingerTarget{};
    // Shares of the trigrams whose three characters the layout places; only with trigram counts.
    bool hasTrigrams = false;
    double redirects = 0;            // one hand, three fingers, the direction changes
    double oneHandRolls = 0;         // one hand, three fingers in one direction
    double alternatingTrigrams = 0;  // the hand changes twice
};

// One figure by its name, as the tables and tab-separated output show it.
struct NamedFigure {
    std::string name;
    double value = 0;
};

// same_finger .. bottom_row, the hands and fingers (left to right as they sit on the keyboard)
// with their targets, and the trigram figures when there are any.
std::vector<NamedFigure> NamedFigures(const LayoutFigures& figures);

// One digraph's part in a figure: `share` is its share of the figure's digraphs, `adds` what it
// adds to the figure (the share itself, or for V4 and V5 the share times distance or Kdi).
struct DigraphPart {
    Byte first = 0, second = 0;
    double share = 0;
    double adds = 0;
};

struct WorstDigraphs {
    std::string figure;            // same_finger, out_rolls, row_jumps, V3, V4, V5, V6
    double total = 0;              // the figure itself
    std::vector<DigraphPart> top;  // largest part first
};

struct LayoutExplanation {
    LayoutFigures figures;
    std::vector<WorstDigraphs> worst;
};

class LayoutExplainer {
  public:
    // Keeps copies of the tables; `trigraphs` may be null. False with `why` when the digraph
    // counts add up to 0 or the tables differ in size.
    bool Init(const DigraphTables& digraphs, const KeyTables& keys, const BestLoadTable& bestLoad,
              const KdiTable& kdi, const TrigraphTables* trigraphs, std::string* why = nullptr);

    // Figures and the `top` largest parts of each list. False with `why` for a layout that puts
    // a character on a key this keyboard does not have.
    bool Explain(const Layout& lay, int top, LayoutExplanation& out,
                 std::string* why = nullptr) const;

    bool hasTrigrams() const { return hasTrigrams_; }

  private:
    struct Key {
        int hand = 0, finger = 0, col = 0, row = 0;
        bool alter = false;
    };
    // Digraphs with the same two characters are one pair in the lists.
    struct Pair {
        Byte first = 0, second = 0;
    };
    std::vector<Key> keys_;
    std::vector<Byte> first_, second_;
    std::vector<std::int64_t> count_;
    std::vector<std::size_t> pairOf_;  // digraph index to pair index
    std::vector<Pair> pairs_;
    std::vector<std::int64_t> pairCount_;
    std::int64_t total_ = 0;
    TrigraphTables tri_;
    bool hasTrigrams_ = false;
    std::vector<Byte> usedChars_;
    std::vector<Byte> alters_;  // per key index: flagged key or companion
    KeyPairRules rules_;
    BestLoadTable bestLoad_{};
    int nKeys_ = -1;

    // The counts and per-pair parts of one explanation, gathered in digraph order.
    struct Tally;

    bool CheckLayout(const Layout& lay, std::string* why) const;
    void TallyDigraphs(const Layout& lay, Tally& t) const;
    static void AddCriteria(const KeyPairRule& r, double freq, double* part, double* totals);
    static void SetShares(const Tally& t, LayoutFigures& f, double* totals);
    void WorstLists(const Tally& t, int top, LayoutExplanation& out) const;
    void KeystrokeFigures(const Layout& lay, LayoutFigures& f) const;
    void TrigramFigures(const Layout& lay, LayoutFigures& f) const;
};

// A character as the lists show it: its letter, "␣" for space, "#code" when the character set
// map has nothing printable for it.
std::string CharLabel(const CharacterMap& chars, Byte code);

}  // namespace antkeys
