#pragma once
#include "platform/platform.h"

namespace glyphora::platform {

// A clock that moves only when told to; sleeping advances it.
class FakeClock : public Clock {
public:
    explicit FakeClock(std::uint32_t start = 1000) : now_(start) {}
    std::uint32_t tickCount() override { return now_; }
    void sleep(std::uint32_t ms) override { now_ += ms; }
    void advance(std::uint32_t ms) { now_ += ms; }
    void set(std::uint32_t tick) { now_ = tick; }

private:
    std::uint32_t now_;
};

}  // namespace glyphora::platform
