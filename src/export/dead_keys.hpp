#pragma once
// The dead keys of a character map, as the exports need them: which key is dead, the keysym X
// names its accent by, and every letter it composes with the base typed after it (capitals
// included), and whether the system's Compose table holds that composition.
#include <string>
#include <vector>

#include "data/charset.hpp"

namespace antkeys {

struct Composition {
    char32_t dead = 0;      // the dead key's character (its code's base or Shift character)
    char32_t base = 0;      // the character typed after it
    char32_t composed = 0;  // the character that comes out
};

// Every composition of the map's sequences: each as written, and the capital of the composed
// character from the capital of the base where both exist. In the map's order.
std::vector<Composition> Compositions(const CharacterMap& chars);

// The compositions of one dead character.
std::vector<Composition> CompositionsOf(const std::vector<Composition>& all, char32_t dead);

// A character the map's sequences use as a dead key.
bool IsDeadCharacter(const std::vector<Composition>& all, char32_t cp);

// The X keysym of a dead accent character ("dead_acute" for ´, ΄ and U+0301); empty when X
// has no dead keysym for it.
std::string DeadKeysym(char32_t accent);

// How a key's legend shows a dead character: its combining mark on a dotted circle (U+25CC),
// the way Unicode shows a mark on its own ("◌́" for ΄ and ´, "◌̈" for ¨); the dotted circle and
// the character itself when it has no combining mark.
std::string DeadLegend(char32_t accent);

inline constexpr const char* kDefaultCompose = "/usr/share/X11/locale/en_US.UTF-8/Compose";

// What the system's Compose table (the default: X11's en_US.UTF-8 one), whose two-key sequences
// that begin with a dead keysym do the composing under X, makes of the map's compositions.
struct ComposeCheck {
    std::vector<Composition> held;  // the compositions it holds, in order
    // One line per composition it does not hold or holds with another result, and one when the
    // table cannot be read.
    std::vector<std::string> problems;
};
ComposeCheck CheckCompose(const std::vector<Composition>& all,
                          const std::string& composePath = kDefaultCompose);

}  // namespace antkeys
