#pragma once
// The program's uniform random numbers: Singles in [0, 1) from xoshiro128+, seeded once.
#include <cstdint>

namespace antkeys {

// The next number of the splitmix64 sequence whose state is `state` (advanced by the call).
std::uint64_t SplitMix64(std::uint64_t& state);

class Random {
  public:
    explicit Random(std::uint64_t seed = 1) { Seed(seed); }

    // Seeds the four state words from one 64-bit seed through splitmix64.
    void Seed(std::uint64_t seed);
    std::uint64_t seed() const { return seed_; }

    // A seed taken from the clock, for a program start without a given seed.
    static std::uint64_t ClockSeed();

    // Uniform in [0, 1): the top 24 bits of the next output, so every value is exact in a Single.
    float NextSingle() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }

    std::uint32_t Next() {
        const std::uint32_t result = s_[0] + s_[3];
        const std::uint32_t t = s_[1] << 9;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = (s_[3] << 11) | (s_[3] >> 21);
        return result;
    }

  private:
    std::uint32_t s_[4]{};
    std::uint64_t seed_ = 0;
};

}  // namespace antkeys
