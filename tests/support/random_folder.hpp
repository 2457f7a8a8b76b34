#pragma once
// Random program folders for the figures suite: keyboards of 10 to 64 key indexes with 1 to 3
// keys shared by both hands anywhere in the table, digraph files in no order with repeated
// lines and characters no layout places, fixed letters, and layouts from empty to full. Each
// folder comes with a plain calculation of its figures, written from the grading's
// definition in its order and nothing else, to compare the program with.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace antkeys::test {

struct RandomFolder {
    struct KeyDef {
        std::string code;
        int hand = 0, finger = 0, col = 0, row = 0;
        bool shared = false;  // struck by either hand: a companion follows it
    };
    struct Digraph {
        int first = 0, second = 0;
        long count = 0;
    };
    struct Placement {
        int code = 0;
        std::string key;  // a key code; one no key has places nothing
        bool fixed = false;
    };
    using LayoutLines = std::vector<Placement>;

    std::vector<KeyDef> keys;
    std::vector<Digraph> digraphs;
    // The weights as the files spell them; the calculation reads them as the loaders do.
    std::array<std::string, 9> colW;
    std::array<std::string, 6> rowW;
    std::array<std::array<int, 5>, 5> kdi{};
    std::array<std::string, 6> gj;
    LayoutLines reference;
    std::map<std::string, LayoutLines> layouts;  // file name -> lines

    // In/<name> -> content for the six input files; layouts/<name> for the layouts.
    std::map<std::string, std::string> Files() const;
};

// The same seed gives the same folder on every machine.
RandomFolder MakeRandomFolder(std::uint64_t seed);

// V1..V6 (index 1..6) of a layout, or nothing when the grading of it fails (a finger without a
// Kdi row on two rows, a distance beyond 16 bits).
using PlainFigures = std::array<double, 7>;
std::optional<PlainFigures> PlainCalcV1_6(const RandomFolder& folder,
                                          const RandomFolder::LayoutLines& layout);

// The grade of figures `v` against the reference figures `ref`, in single precision as the
// grading defines it; 0 where it is undefined.
float PlainGrade(const RandomFolder& folder, const PlainFigures& v, const PlainFigures& ref);

}  // namespace antkeys::test
