#pragma once
// Token buckets per key (an installation, a client address): each key may
// make `burst` requests at once and then `perSecond` a second. Keys whose
// bucket has filled up again are forgotten, so memory stays bounded by the
// keys active within the last burst / perSecond seconds.
#include <array>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace glyphora::server {

struct RateLimit {
    double burst = 0;  // 0: no limit
    double perSecond = 0;
    bool enabled() const { return burst > 0; }
};

// "BURST/PERSECOND" ("200/1"), or "0" for no limit; false when malformed.
bool ParseRateLimit(std::string_view text, RateLimit& out);

class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;

    explicit RateLimiter(RateLimit limit) : limit_(limit) {}

    // Takes one request's token from key's bucket; false when it is empty.
    // Always true when the limit is disabled.
    bool allow(std::string_view key, Clock::time_point now = Clock::now());
    // How many keys are tracked at the moment.
    std::size_t trackedKeys();

private:
    struct Bucket {
        double tokens = 0;
        Clock::time_point updated;
    };
    // Keys are spread over shards so that threads seldom wait for each other.
    struct Shard {
        std::mutex mutex;
        std::unordered_map<std::string, Bucket> buckets;
        Clock::time_point lastSweep;
    };
    static constexpr std::size_t kShards = 16;
    static constexpr std::size_t kSweepAbove = 4096;  // keys in a shard before full buckets are swept out

    void sweep(Shard& shard, Clock::time_point now);
    double refilled(const Bucket& bucket, Clock::time_point now) const;

    RateLimit limit_;
    std::array<Shard, kShards> shards_;
};

}  // namespace glyphora::server
