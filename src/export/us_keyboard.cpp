#include "export/us_keyboard.hpp"

#include <array>

namespace antkeys {
namespace {

constexpr std::array<UsKey, kUsKeyCount> kKeys{{
    {"`", "TLDE", U'`', U'~', 0x29, "OEM_3", 50, 0},
    {"1", "AE01", U'1', U'!', 0x02, "1", 18, 0},
    {"2", "AE02", U'2', U'@', 0x03, "2", 19, 0},
    {"3", "AE03", U'3', U'#', 0x04, "3", 20, 0},
    {"4", "AE04", U'4', U'$', 0x05, "4", 21, 0},
    {"5", "AE05", U'5', U'%', 0x06, "5", 23, 0},
    {"6", "AE06", U'6', U'^', 0x07, "6", 22, 0},
    {"7", "AE07", U'7', U'&', 0x08, "7", 26, 0},
    {"8", "AE08", U'8', U'*', 0x09, "8", 28, 0},
    {"9", "AE09", U'9', U'(', 0x0A, "9", 25, 0},
    {"0", "AE10", U'0', U')', 0x0B, "0", 29, 0},
    {"-", "AE11", U'-', U'_', 0x0C, "OEM_MINUS", 27, 0},
    {"=", "AE12", U'=', U'+', 0x0D, "OEM_PLUS", 24, 0},
    {"Q", "AD01", U'q', U'Q', 0x10, "Q", 12, 1},
    {"W", "AD02", U'w', U'W', 0x11, "W", 13, 1},
    {"E", "AD03", U'e', U'E', 0x12, "E", 14, 1},
    {"R", "AD04", U'r', U'R', 0x13, "R", 15, 1},
    {"T", "AD05", U't', U'T', 0x14, "T", 17, 1},
    {"Y", "AD06", U'y', U'Y', 0x15, "Y", 16, 1},
    {"U", "AD07", U'u', U'U', 0x16, "U", 32, 1},
    {"I", "AD08", U'i', U'I', 0x17, "I", 34, 1},
    {"O", "AD09", U'o', U'O', 0x18, "O", 31, 1},
    {"P", "AD10", U'p', U'P', 0x19, "P", 35, 1},
    {"[", "AD11", U'[', U'{', 0x1A, "OEM_4", 33, 1},
    {"]", "AD12", U']', U'}', 0x1B, "OEM_6", 30, 1},
    {"\\", "BKSL", U'\\', U'|', 0x2B, "OEM_5", 42, 1},
    {"A", "AC01", U'a', U'A', 0x1E, "A", 0, 2},
    {"S", "AC02", U's', U'S', 0x1F, "S", 1, 2},
    {"D", "AC03", U'd', U'D', 0x20, "D", 2, 2},
    {"F", "AC04", U'f', U'F', 0x21, "F", 3, 2},
    {"G", "AC05", U'g', U'G', 0x22, "G", 5, 2},
    {"H", "AC06", U'h', U'H', 0x23, "H", 4, 2},
    {"J", "AC07", U'j', U'J', 0x24, "J", 38, 2},
    {"K", "AC08", U'k', U'K', 0x25, "K", 40, 2},
    {"L", "AC09", U'l', U'L', 0x26, "L", 37, 2},
    {";", "AC10", U';', U':', 0x27, "OEM_1", 41, 2},
    {"'", "AC11", U'\'', U'"', 0x28, "OEM_7", 39, 2},
    {"Z", "AB01", U'z', U'Z', 0x2C, "Z", 6, 3},
    {"X", "AB02", U'x', U'X', 0x2D, "X", 7, 3},
    {"C", "AB03", U'c', U'C', 0x2E, "C", 8, 3},
    {"V", "AB04", U'v', U'V', 0x2F, "V", 9, 3},
    {"B", "AB05", U'b', U'B', 0x30, "B", 11, 3},
    {"N", "AB06", U'n', U'N', 0x31, "N", 45, 3},
    {"M", "AB07", U'm', U'M', 0x32, "M", 46, 3},
    {",", "AB08", U',', U'<', 0x33, "OEM_COMMA", 43, 3},
    {".", "AB09", U'.', U'>', 0x34, "OEM_PERIOD", 47, 3},
    {"/", "AB10", U'/', U'?', 0x35, "OEM_2", 44, 3},
    {"Space", "SPCE", U' ', U' ', 0x39, "SPACE", 49, 4},
}};

}  // namespace

std::span<const UsKey, kUsKeyCount> UsKeys() {
    return kKeys;
}

int FindUsKey(std::string_view keyCode) {
    // A lower-case letter names the key of its capital.
    char upper = 0;
    if (keyCode.size() == 1 && keyCode[0] >= 'a' && keyCode[0] <= 'z') {
        upper = static_cast<char>(keyCode[0] - 'a' + 'A');
        keyCode = std::string_view(&upper, 1);
    }
    // "<AD01>": an XKB name in its brackets.
    const bool bracketed = keyCode.size() > 2 && keyCode.front() == '<' && keyCode.back() == '>';
    const std::string_view inner = bracketed ? keyCode.substr(1, keyCode.size() - 2) : keyCode;
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if ((!bracketed && kKeys[i].legend == keyCode) || kKeys[i].xkb == inner)
            return static_cast<int>(i);
    return -1;
}

}  // namespace antkeys
