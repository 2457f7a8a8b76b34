#pragma once
// Which form of the hot loops grading and polishing run: the vector kernels where the
// processor has them, or the portable ones. Both give the same bits; the choice exists so that
// both can be tested and compared. Hosts make it once, at start, and pass it in.
namespace antkeys {

enum class KernelChoice { kFastest, kPortable };

// The choice the environment asks for: portable when ANTKEYS_PORTABLE is 1, else the fastest.
// For the hosts' entry points only; the core never reads the environment itself.
KernelChoice KernelChoiceFromEnvironment();

}  // namespace antkeys
