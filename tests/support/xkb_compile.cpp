#include "support/xkb_compile.hpp"

#include <cstdlib>

namespace antkeys::test {

bool HaveXkbcomp() {
    return std::system("timeout 10 xkbcomp -help >/dev/null 2>&1") == 0;
}

bool CompileXkbSymbols(const TempFolder& dir, const std::string& name, std::string& compiled,
                       std::string& error) {
    dir.Write("keymap.xkb",
              "xkb_keymap {\n"
              "  xkb_keycodes { include \"evdev+aliases(qwerty)\" };\n"
              "  xkb_types { include \"complete\" };\n"
              "  xkb_compat { include \"complete\" };\n"
              "  xkb_symbols { include \"pc+" +
                  name +
                  "+inet(evdev)\" };\n"
                  "  xkb_geometry { include \"pc(pc105)\" };\n"
                  "};\n");
    const std::string command = "timeout 60 xkbcomp -w0 -I" + dir.path() + " " + dir.path() +
                                "/keymap.xkb -xkb -o " + dir.path() + "/compiled.xkb 2>" +
                                dir.path() + "/xkbcomp.err";
    const bool ok = std::system(command.c_str()) == 0;
    compiled = dir.Read("compiled.xkb");
    error = dir.Read("xkbcomp.err");
    return ok;
}

}  // namespace antkeys::test
