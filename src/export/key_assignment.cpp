#include "export/key_assignment.hpp"

#include <cstdio>

namespace antkeys {
namespace {

std::string KeyShown(const KeyTables& keys, int k) {
    const std::string& code = keys.codes[static_cast<std::size_t>(k)];
    return code.empty() ? "key index " + std::to_string(k) + " (no key code)"
                        : "key '" + code + "'";
}

}  // namespace

char32_t KeyAssignment::Base(std::size_t key) const {
    return chars[key] == kUs ? UsKeys()[key].base : chars[key];
}

char32_t KeyAssignment::Shifted(std::size_t key, bool usShift) const {
    if (chars[key] == kUs || usShift) return UsKeys()[key].shift;
    return shifts[key];
}

char32_t KeyAssignment::CapsLocked(std::size_t key) const {
    if (chars[key] == kUs) {
        const UsKey& us = UsKeys()[key];
        return us.base >= U'a' && us.base <= U'z' ? us.shift : us.base;
    }
    return IsCasePair(chars[key], shifts[key]) ? shifts[key] : chars[key];
}

KeyAssignment AssignKeys(const Layout& lay, const KeyTables& keys, const CharacterMap& chars,
                         std::string_view noKey, char32_t maxCodePoint) {
    KeyAssignment result;
    const int nKeys = keys.nKeys();
    std::array<bool, kUsKeyCount> taken{};
    for (int c = 0; c < kCharCodes; ++c) {
        const Byte code = static_cast<Byte>(c);
        const int k = lay[code];
        if (k == 0) continue;
        const std::string what = chars.Describe(code);
        if (k > nKeys || k > kMaxKeys) {
            result.problems.push_back(what + " is on key index " + std::to_string(k) +
                                      ", which the keyboard does not have");
            continue;
        }
        const std::string on = what + " on " + KeyShown(keys, k) + ": ";
        const char32_t cp = chars.CodePoint(code);
        if (!chars.Shows(code)) {
            result.problems.push_back(on + chars.name() + " has no printable character for it");
            continue;
        }
        if (cp > maxCodePoint) {
            result.problems.push_back(on + "the format takes characters up to " +
                                      CodePointName(maxCodePoint) + " only");
            continue;
        }
        const int key = FindUsKey(keys.codes[static_cast<std::size_t>(k)]);
        if (key < 0) {
            result.problems.push_back(on + std::string(noKey));
            continue;
        }
        const auto at = static_cast<std::size_t>(key);
        if (taken[at]) {
            result.problems.push_back(on + "the key already carries " +
                                      chars.Describe(result.codes[at]));
            continue;
        }
        taken[at] = true;
        result.chars[at] = cp;
        // A Shift character the format cannot take gives the character itself.
        const char32_t shift = chars.Shift(code);
        result.shifts[at] = IsUntypeable(shift) || shift > maxCodePoint ? cp : shift;
        result.codes[at] = code;
        ++result.exported;
    }
    return result;
}

}  // namespace antkeys
