#include "server/rate_limiter.h"

#include <gtest/gtest.h>

namespace glyphora::server {
namespace {

using namespace std::chrono_literals;

TEST(RateLimiter, EachKeyHasItsBurstAndThenItsRate) {
    RateLimiter limiter({3, 2});  // three at once, then two a second
    const RateLimiter::Clock::time_point t0{};
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(limiter.allow("a", t0)) << i;
    EXPECT_FALSE(limiter.allow("a", t0));
    EXPECT_TRUE(limiter.allow("b", t0));  // another key has its own bucket
    EXPECT_FALSE(limiter.allow("a", t0 + 400ms));
    EXPECT_TRUE(limiter.allow("a", t0 + 500ms));
    EXPECT_FALSE(limiter.allow("a", t0 + 500ms));
    // A long pause refills the bucket only up to the burst.
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(limiter.allow("a", t0 + 1h)) << i;
    EXPECT_FALSE(limiter.allow("a", t0 + 1h));
}

TEST(RateLimiter, ADisabledLimitLetsEverythingThrough) {
    RateLimiter limiter({});
    for (int i = 0; i < 10000; ++i) ASSERT_TRUE(limiter.allow("a"));
}

TEST(RateLimiter, ManyOneOffKeysDoNotPileUp) {
    RateLimiter limiter({5, 100});
    const RateLimiter::Clock::time_point t0{};
    // Far more keys than a shard keeps before sweeping; each is full again
    // a few milliseconds later, and later sweeps drop it.
    for (int i = 0; i < 200000; ++i) limiter.allow("key" + std::to_string(i), t0 + std::chrono::milliseconds(i));
    EXPECT_LT(limiter.trackedKeys(), 16u * 4200u);
}

}  // namespace
}  // namespace glyphora::server
