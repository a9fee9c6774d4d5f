#pragma once
// The game's one source of random numbers. It gives exactly the sequence of
// the C library's rand() after srand(seed) (glibc's additive feedback
// generator), because the rules are written as rand() mod n and their feel
// depends on that sequence; unlike rand() it is an object, seeded once at
// start-up, and a test can script the values it hands out next.
#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>

namespace glyphora {

class Random {
public:
    static constexpr int kMax = 2147483647;  // RAND_MAX

    explicit Random(std::uint32_t seed = 1) { reseed(seed); }
    // Starts the sequence of srand(seed) afresh and forgets scripted values.
    void reseed(std::uint32_t seed);
    // The next value in 0..kMax: a scripted one first, else the sequence's.
    int next();
    // next() % n, the form every rule uses; n must be positive.
    int below(int n) { return next() % n; }
    // The values next() returns before the sequence goes on (tests).
    void script(std::initializer_list<int> values) { scripted_.insert(scripted_.end(), values); }

private:
    std::array<std::int32_t, 34> state_{};  // the last 34 words of the feedback register
    int front_ = 0;
    std::deque<int> scripted_;
};

}  // namespace glyphora
