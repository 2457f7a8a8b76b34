#pragma once
// The single-byte character set of the character codes: the Georgian typewriter charset
// (GEORGIAN-PS: codes 192 and up are Georgian letters, below 128 ASCII).
#include <string>
#include <string_view>

#include "data/types.hpp"

namespace antkeys {

// UTF-8 text of one character code; empty when the charset has no character for it.
const std::string& CodeToUtf8(Byte code);

// UTF-8 text of a single-byte string; characters without a mapping are dropped.
std::string SingleByteToUtf8(std::string_view bytes);

}  // namespace antkeys
