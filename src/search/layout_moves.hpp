#pragma once
// The moves a designer or a local search makes on a layout: a letter swaps keys with another
// letter, or goes to a key no character holds. One rule says which moves a keyboard allows:
// both letters free (listed once in the letters, not fixed by the reference, not pinned),
// each going to a real key whose pheromone for it is positive, the target key holding no
// other character or exactly one such letter.
#include <string>

#include "data/types.hpp"
#include "eval/workspace.hpp"

namespace antkeys {

struct LayoutMove {
    enum class Kind { Swap, Relocation };
    Kind kind = Kind::Relocation;
    Byte letter = 0;  // the character code that moves
    Byte other = 0;   // a swap: the letter it trades keys with
    int from = 0;     // the key `letter` leaves
    int to = 0;       // the key it goes to (for a swap, where `other` was)

    bool operator==(const LayoutMove&) const = default;
};

// Why a move is refused, or Allowed.
enum class MoveRefusal {
    Allowed,
    NotALetter,     // the character is no letter of the reference, or listed twice
    Fixed,          // fixed to its key by the reference layout
    Pinned,         // pinned to its key
    NotPlaced,      // not on a key of the keyboard
    SameKey,        // dropped on its own key
    NoSuchKey,      // the target is not a key of the keyboard
    KeyForbidden,   // the letter's pheromone on the target key is not positive
    KeyTaken,       // the target key holds a character that may not move away
    OtherForbidden  // the other letter's pheromone on the letter's key is not positive
};

// What moving the character `letter` of `lay` onto `key` would be: a swap with the one
// letter there, or a relocation to the empty key. `move` is filled when allowed.
MoveRefusal PlanMove(const Workspace& ws, const Layout& lay, const CharFlags& pinned, Byte letter,
                     int key, LayoutMove& move);

// Makes the move on `lay`.
void ApplyMove(const LayoutMove& move, Layout& lay);

// Whether a letter may ever move: a letter listed once, not fixed by the reference and not
// pinned.
bool MayMove(const Workspace& ws, const CharFlags& pinned, Byte letter);

// The letters fixed by the reference layout, as flags by character code.
CharFlags ReferenceFixed(const Workspace& ws);

// "swap 193 'ბ' (D02) with 200 'ი' (K03)" or "move 193 'ბ' from D02 to K03", with key codes
// and the characters of the folder's map.
std::string DescribeMove(const LayoutMove& move, const KeyTables& keys, const CharacterMap& chars);

}  // namespace antkeys
