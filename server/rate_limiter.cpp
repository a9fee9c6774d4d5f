#include "server/rate_limiter.h"

#include <algorithm>
#include <charconv>
#include <functional>

namespace glyphora::server {
namespace {

bool ParseNumber(std::string_view text, double& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && out >= 0 && out < 1e9;
}

}  // namespace

bool ParseRateLimit(std::string_view text, RateLimit& out) {
    if (text == "0") {
        out = {};
        return true;
    }
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return false;
    RateLimit limit;
    if (!ParseNumber(text.substr(0, slash), limit.burst) || !ParseNumber(text.substr(slash + 1), limit.perSecond))
        return false;
    if (limit.burst < 1) return false;
    out = limit;
    return true;
}

double RateLimiter::refilled(const Bucket& bucket, Clock::time_point now) const {
    const double seconds = std::chrono::duration<double>(now - bucket.updated).count();
    return std::min(limit_.burst, bucket.tokens + std::max(seconds, 0.0) * limit_.perSecond);
}

void RateLimiter::sweep(Shard& shard, Clock::time_point now) {
    std::erase_if(shard.buckets, [&](const auto& item) { return refilled(item.second, now) >= limit_.burst; });
    shard.lastSweep = now;
}

bool RateLimiter::allow(std::string_view key, Clock::time_point now) {
    if (!limit_.enabled()) return true;
    Shard& shard = shards_[std::hash<std::string_view>()(key) % kShards];
    const std::lock_guard lock(shard.mutex);
    if (shard.buckets.size() > kSweepAbove && now - shard.lastSweep > std::chrono::seconds(1)) sweep(shard, now);
    auto [found, inserted] = shard.buckets.try_emplace(std::string(key), Bucket{limit_.burst, now});
    Bucket& bucket = found->second;
    bucket.tokens = refilled(bucket, now);
    bucket.updated = now;
    if (bucket.tokens < 1) return false;
    bucket.tokens -= 1;
    return true;
}

std::size_t RateLimiter::trackedKeys() {
    std::size_t keys = 0;
    for (Shard& shard : shards_) {
        const std::lock_guard lock(shard.mutex);
        keys += shard.buckets.size();
    }
    return keys;
}

}  // namespace glyphora::server
