#include "game/shell/main_loop.h"
#include "game/screens/screen_table.h"
#include "game/shell/run_control.h"

#include <gtest/gtest.h>

#include "game/gameplay/progression.h"
#include "platform/fake/fake_platform.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

using platform::DrawCall;
using platform::Message;
using platform::MessageKind;

class MainLoopTest : public ::testing::Test {
protected:
    int presents() const { return fake.window.device ? fake.window.device->presents : 0; }

    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};
};

TEST_F(MainLoopTest, OpensTheBorderlessWindowAndDrawsTheFirstFrame) {
    StartUp(game);
    ASSERT_TRUE(fake.window.opened.has_value());
    EXPECT_EQ(fake.window.opened->title, "Glyphora");
    EXPECT_EQ(fake.window.opened->position, (platform::Point{40, 30}));
    EXPECT_EQ(fake.window.opened->size, (platform::Size{700, 450}));
    EXPECT_EQ(fake.window.iconPath, "Graphics/icon.png");
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

namespace glyphora {
namespace {

// A standard run on the play screen after a normal start-up.
class PlayLoop : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(game);
        game.settings.difficulty = 1;
        NewGame(game);
    }
    void key(int code) { WindowProcedure(game, {MessageKind::KeyDown, static_cast<std::uint32_t>(code), 0}); }

    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};
};

TEST_F(PlayLoop, FramesMoveTheFieldOnlyOnThePlayScreen) {
    game.run.spawnChance = 0;
    const float top = game.field.items[0].baseQuad.corners[0].y;
    fake.clock.advance(1000);
    game.screen.current = ScreenKind::MainMenu;
    RunFrame(game);
    EXPECT_FLOAT_EQ(game.field.items[0].baseQuad.corners[0].y, top);
    game.screen.current = ScreenKind::Play;
    RunFrame(game);
    EXPECT_GT(game.field.items[0].baseQuad.corners[0].y, top);
}

TEST_F(PlayLoop, APausedRunDrawsOnlyThePauseText) {
    key(vk::F1);
    fake.window.device->calls.clear();
    RunFrame(game);
    const platform::Texture* pauseFont = game.fonts[MenuFont26].atlas.texture.get();
    int quads = 0;
    for (const DrawCall& call : fake.window.device->calls) {
        if (call.kind != DrawCall::Kind::Quad) continue;
        EXPECT_EQ(call.texture, pauseFont);
        ++quads;
    }
    EXPECT_GT(quads, 0);
}

TEST_F(PlayLoop, MovingTheMouseShowsAHiddenCursorAgain) {
    fake.clock.advance(4001);
    RunFrame(game);
    EXPECT_FALSE(fake.desktop.cursorVisible);
    fake.desktop.cursor = {5, 5};
    RunFrame(game);
    EXPECT_TRUE(fake.desktop.cursorVisible);
}

TEST_F(PlayLoop, KeysReachThePlayFieldBeforeTheRouting) {
    game.field.items.clear();
    const std::string word(game.field.word.view());
    for (char c : word) key(c);
    EXPECT_EQ(game.run.wordsCompleted, 1);
    key(vk::Escape);
    EXPECT_TRUE(game.shell.paused);
}

}  // namespace
}  // namespace glyphora
