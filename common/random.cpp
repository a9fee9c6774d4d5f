#include "common/random.h"

namespace glyphora {
namespace {

constexpr int kLag = 31;  // r[i] = r[i - 31] + r[i - 3]
constexpr int kShortLag = 3;
constexpr int kDiscarded = 310;  // outputs dropped after seeding

// 16807 * word mod (2^31 - 1) by Schrage's method, as the C library does it.
std::int32_t Park(std::int32_t word) {
    const std::int32_t hi = word / 127773, lo = word % 127773;
    std::int32_t next = 16807 * lo - 2836 * hi;
    if (next < 0) next += 2147483647;
    return next;
}

}  // namespace

void Random::reseed(std::uint32_t seed) {
    scripted_.clear();
    std::int32_t r[kLag + kShortLag];
    r[0] = seed == 0 ? 1 : static_cast<std::int32_t>(seed);
    for (int i = 1; i < kLag; ++i) r[i] = Park(r[i - 1]);
    for (int i = kLag; i < kLag + kShortLag; ++i) r[i] = r[i - kLag];
    for (int i = 0; i < kLag + kShortLag; ++i) state_[static_cast<std::size_t>(i)] = r[i];
    front_ = 0;
    for (int i = 0; i < kDiscarded; ++i) next();
}

// state_ is a ring of the last 34 words; front_ is the oldest, r[i - 34].
int Random::next() {
    if (!scripted_.empty()) {
        const int value = scripted_.front();
        scripted_.pop_front();
        return value;
    }
    const auto at = [&](int back) -> std::int32_t& {
        return state_[static_cast<std::size_t>((front_ + 34 - back) % 34)];
    };
    const auto word =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(at(kLag)) + static_cast<std::uint32_t>(at(kShortLag)));
    at(34) = word;  // the oldest slot becomes the newest
    front_ = (front_ + 1) % 34;
    return static_cast<int>(static_cast<std::uint32_t>(word) >> 1);
}

}  // namespace glyphora
