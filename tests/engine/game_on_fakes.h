#pragma once
// A game on fake platform services with its device created, and helpers to
// read back what it drew.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "game/screens/screen_table.h"
#include "game/shell/game.h"
#include "game/shell/main_loop.h"
#include "platform/fake/fake_platform.h"

namespace glyphora::platform {

inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const Point& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }

}  // namespace glyphora::platform

namespace glyphora::testing {

class GameOnFakes : public ::testing::Test {
protected:
    void SetUp() override { StartRenderer(game); }

    platform::FakeDevice& device() { return *fake.window.device; }
    std::vector<platform::DrawCall>& calls() { return device().calls; }

    // The quads drawn since the last clearCalls, in order.
    std::vector<platform::DrawCall> quads() {
        std::vector<platform::DrawCall> found;
        for (const platform::DrawCall& call : calls())
            if (call.kind == platform::DrawCall::Kind::Quad) found.push_back(call);
        return found;
    }
    std::vector<platform::DrawCall> fills() {
        std::vector<platform::DrawCall> found;
        for (const platform::DrawCall& call : calls())
            if (call.kind == platform::DrawCall::Kind::Fill) found.push_back(call);
        return found;
    }
    void clearCalls() { calls().clear(); }

    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};
};

// Corner 0 (top-left) and corner 3 (bottom-right) of a drawn quad.
inline Rect QuadBox(const platform::DrawCall& quad) {
    return {int(quad.corners[0].x), int(quad.corners[0].y), int(quad.corners[3].x), int(quad.corners[3].y)};
}

}  // namespace glyphora::testing
