#include "search/layout_moves.hpp"

#include <algorithm>

namespace antkeys {
namespace {

// The letter index of a code listed once in the letters, -1 otherwise.
int LetterIndex(const LetterTables& letters, Byte c) {
    int found = -1;
    for (int j = 0; j <= letters.nLet(); ++j) {
        if (letters.letSet[static_cast<std::size_t>(j)] != c) continue;
        if (found >= 0) return -1;
        found = j;
    }
    return found;
}

bool PheroAllows(const PheroTable& phero, int key, int letter) {
    return key >= 0 && key <= phero.nKeys() && letter <= phero.nLet() && phero.at(key, letter) > 0;
}

MoveRefusal Movability(const Workspace& ws, const CharFlags& pinned, Byte c, int& letter) {
    letter = LetterIndex(ws.letters, c);
    if (letter < 0) return MoveRefusal::NotALetter;
    if (ws.letters.letFixKey[static_cast<std::size_t>(letter)] != 0) return MoveRefusal::Fixed;
    if (pinned[c]) return MoveRefusal::Pinned;
    return MoveRefusal::Allowed;
}

std::string KeyName(const KeyTables& keys, int k) {
    const auto i = static_cast<std::size_t>(k);
    return k >= 0 && i < keys.codes.size() ? keys.codes[i] : "?";
}

}  // namespace

bool MayMove(const Workspace& ws, const CharFlags& pinned, Byte letter) {
    int j = -1;
    return Movability(ws, pinned, letter, j) == MoveRefusal::Allowed;
}

CharFlags ReferenceFixed(const Workspace& ws) {
    CharFlags fixed{};
    for (int j = 0; j <= ws.letters.nLet(); ++j)
        if (ws.letters.letFixKey[static_cast<std::size_t>(j)] != 0)
            fixed[ws.letters.letSet[static_cast<std::size_t>(j)]] = true;
    return fixed;
}

MoveRefusal PlanMove(const Workspace& ws, const Layout& lay, const CharFlags& pinned, Byte letter,
                     int key, LayoutMove& move) {
    int ja = -1;
    const MoveRefusal own = Movability(ws, pinned, letter, ja);
    if (own != MoveRefusal::Allowed) return own;
    const int nKeys = std::min(ws.keys.nKeys(), kMaxKeys);
    const int from = lay[letter];
    if (from < 1 || from > nKeys) return MoveRefusal::NotPlaced;
    if (key == from) return MoveRefusal::SameKey;
    if (key < 1 || key > nKeys) return MoveRefusal::NoSuchKey;
    if (!PheroAllows(ws.phero, key, ja)) return MoveRefusal::KeyForbidden;

    int holders = 0;
    Byte other = 0;
    for (std::size_t c = 0; c < kCharCodes; ++c) {
        if (lay[c] != key) continue;
        ++holders;
        other = static_cast<Byte>(c);
    }
    move = LayoutMove{LayoutMove::Kind::Relocation, letter, 0, from, key};
    if (holders == 0) return MoveRefusal::Allowed;
    int jb = -1;
    if (holders > 1 || Movability(ws, pinned, other, jb) != MoveRefusal::Allowed)
        return MoveRefusal::KeyTaken;
    if (!PheroAllows(ws.phero, from, jb)) return MoveRefusal::OtherForbidden;
    move.kind = LayoutMove::Kind::Swap;
    move.other = other;
    return MoveRefusal::Allowed;
}

void ApplyMove(const LayoutMove& move, Layout& lay) {
    lay[move.letter] = static_cast<Byte>(move.to);
    if (move.kind == LayoutMove::Kind::Swap) lay[move.other] = static_cast<Byte>(move.from);
}

std::string DescribeMove(const LayoutMove& move, const KeyTables& keys, const CharacterMap& chars) {
    const auto letterName = [&chars](Byte code) {
        return std::to_string(code) +
               (chars.Shows(code) && code != ' ' ? " '" + chars.Utf8(code) + "'" : "");
    };
    const std::string letter = letterName(move.letter) + " (" + KeyName(keys, move.from) + ")";
    if (move.kind == LayoutMove::Kind::Swap)
        return "swap " + letter + " with " + letterName(move.other) + " (" +
               KeyName(keys, move.to) + ")";
    return "move " + letterName(move.letter) + " from " + KeyName(keys, move.from) + " to " +
           KeyName(keys, move.to);
}

}  // namespace antkeys
