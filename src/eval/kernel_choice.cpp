#include "eval/kernel_choice.hpp"

#include <cstdlib>
#include <cstring>

namespace antkeys {

KernelChoice KernelChoiceFromEnvironment() {
    const char* portable = std::getenv("ANTKEYS_PORTABLE");
    return portable && std::strcmp(portable, "1") == 0 ? KernelChoice::kPortable
                                                       : KernelChoice::kFastest;
}

}  // namespace antkeys
