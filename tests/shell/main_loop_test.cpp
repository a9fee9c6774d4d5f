#include "game/shell/main_loop.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

namespace glyphora {
namespace {

using platform::DrawCall;
using platform::Message;
using platform::MessageKind;

class MainLoopTest : public ::testing::Test {
protected:
    int presents() const { return fake.window.device ? fake.window.device->presents : 0; }

    platform::FakePlatform fake;
    Game game{fake.bundle()};
};

TEST_F(MainLoopTest, OpensTheBorderlessWindowAndDrawsTheFirstFrame) {
    StartUp(game);
    ASSERT_TRUE(fake.window.opened.has_value());
    EXPECT_EQ(fake.window.opened->title, "Glyphora");
    EXPECT_EQ(fake.window.opened->position, (platform::Point{40, 30}));
    EXPECT_EQ(fake.window.opened->size, (platform::Size{700, 450}));
    EXPECT_EQ(presents(), 6);  // the splash, then once for each of the five loading steps
}

TEST_F(MainLoopTest, EveryFrameStartsWhite) {
    StartUp(game);
    RunFrame(game);
    const auto& calls = fake.window.device->calls;
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front().kind, DrawCall::Kind::Clear);
    EXPECT_EQ(calls.front().colour, 0xFFFFFFFFu);
    EXPECT_EQ(calls.back().kind, DrawCall::Kind::Present);
}

TEST_F(MainLoopTest, ClosingTheWindowEndsWithExitCodeZero) {
    StartUp(game);
    fake.messages.push({MessageKind::Paint});
    fake.messages.push({MessageKind::Destroy});
    EXPECT_EQ(MainLoop(game), 0);
}

TEST_F(MainLoopTest, ActiveWindowTakesEveryWaitingMessageThenRunsAFrame) {
    StartUp(game);
    const int before = presents();
    fake.messages.push({MessageKind::MouseMove});
    fake.messages.push({MessageKind::MouseMove});
    fake.messages.push({MessageKind::MouseMove});
    // The quit arrives after the first frame: exactly one frame ran for the three messages.
    struct QuitAfterFrame : platform::MessageQueue {
        platform::FakeMessageQueue& inner;
        int& framesSeen;
        explicit QuitAfterFrame(platform::FakeMessageQueue& q, int& f) : inner(q), framesSeen(f) {}
        bool peek(Message& out) override {
            if (inner.script.empty() && framesSeen++ == 1) inner.postQuit(3);
            return inner.peek(out);
        }
        Message wait() override { return inner.wait(); }
        void postQuit(int code) override { inner.postQuit(code); }
    };
    int calls = 0;
    QuitAfterFrame queue(fake.messages, calls);
    fake.bundle().messages = &queue;
    EXPECT_EQ(MainLoop(game), 3);
    EXPECT_EQ(presents() - before, 1);
}

TEST_F(MainLoopTest, InactiveWindowWaitsAndRunsNoFrames) {
    StartUp(game);
    const int before = presents();
    fake.messages.push({MessageKind::Activate, 0, 0});
    fake.messages.arrivingWhileWaiting = {{MessageKind::MouseMove}, {MessageKind::MouseMove}, {MessageKind::Destroy}};
    EXPECT_EQ(MainLoop(game), 0);
    EXPECT_FALSE(game.shell.windowActive);
    EXPECT_EQ(presents() - before, 1);  // the frame of the pass that took the deactivation
    EXPECT_EQ(fake.messages.waits, 4);  // three messages and the quit, each waited for
}

TEST_F(MainLoopTest, AFailedDeviceQuitsWithFiveAndDrawsNothing) {
    fake.window.deviceFails = true;
    StartUp(game);
    EXPECT_EQ(fake.window.device, nullptr);
    RunFrame(game);
    WindowProcedure(game, {MessageKind::Paint});
    EXPECT_EQ(MainLoop(game), 5);
    ShutDown(game);
}

}  // namespace
}  // namespace glyphora
