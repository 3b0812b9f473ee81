#include "platform/random.h"

#include <chrono>

namespace quillo::platform {

void Random::randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ns = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    seed_ = static_cast<std::uint32_t>(ns ^ (ns >> 32));
}

int Random::next_int(int range) {
    const std::uint64_t s = step();
    if (range <= 0) return 0;
    return static_cast<int>((s * static_cast<std::uint64_t>(range)) >> 32);
}

double Random::next_real() {
    return static_cast<double>(step()) / 4294967296.0;
}

Random& app_random() {
    static Random instance = [] {
        Random r;
        r.randomize();
        return r;
    }();
    return instance;
}

}  // namespace quillo::platform
