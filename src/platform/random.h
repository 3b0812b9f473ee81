#pragma once
// The program's random generator: the classic linear congruential one, so that a known seed
// gives the same sequence as the original program. One instance serves the whole process.
#include <cstdint>

namespace quillo::platform {

class Random {
  public:
    static constexpr std::uint32_t kMultiplier = 134775813u;  // 0x08088405

    explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

    void seed(std::uint32_t value) { seed_ = value; }
    std::uint32_t seed_value() const { return seed_; }

    // Seeds from the clock.
    void randomize();

    // 0 <= result < range; 0 when range <= 0. The generator steps in every case, as the classic
    // one did, so that a zero range does not shift the rest of the sequence.
    int next_int(int range);

    // 0 <= result < 1.
    double next_real();

  private:
    std::uint32_t step() {
        seed_ = seed_ * kMultiplier + 1u;
        return seed_;
    }

    std::uint32_t seed_;
};

// The process-wide generator; tests seed it for repeatable results.
Random& app_random();

}  // namespace quillo::platform
