#pragma once
// Compiles an exported XKB symbols file, as the X server would, with the system's xkbcomp.
#include <string>

#include "support/temp_folder.hpp"

namespace antkeys::test {

// True when xkbcomp can be run here.
bool HaveXkbcomp();

// Compiles a keymap of the US keyboard with dir/symbols/NAME over it; the compiled keymap
// goes to `compiled`, xkbcomp's complaints to `error`. A hung compiler is ended.
bool CompileXkbSymbols(const TempFolder& dir, const std::string& name, std::string& compiled,
                       std::string& error);

}  // namespace antkeys::test
