// The CPU device's damage tracking: what a frame draws again and shows,
// and that drawing only the damage always gives the frame a full drawing
// gives.
#include "platform/cpu/cpu_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <variant>

#include "cpu_frames.h"

namespace glyphora::platform {
namespace {

using testing::Numbered;
using testing::RecordingPresenter;
using testing::TurnedRegion;

constexpr Size kFrame{96, 64};

// One call of a frame.
struct Fill {
    Rect rect;
    Colour colour;
};
struct Quad {
    int texture;  // index into the scene's textures
    QuadVertices corners;
    AlphaSource alpha = AlphaSource::Texture;
    Filter filter = Filter::Point;
};
using Call = std::variant<Fill, Quad>;
using Scene = std::vector<Call>;

Quad Sprite(int texture, Size size, int srcX, int srcY, int w, int h, float x, float y, Colour colour = 0xFFFFFFFF) {
    Quad quad{texture, {}, AlphaSource::Texture, Filter::Point};
    TurnedRegion(quad.corners, size, srcX, srcY, w, h, x + w / 2.0f, y + h / 2.0f, 0, colour);
    return quad;
}

// A sprite sheet with holes and half-transparent texels, and a glyph atlas
// (white, coverage in alpha).
std::vector<Image> TestPictures() {
    Image sheet = Numbered(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            Colour& texel = sheet.pixels[std::size_t(y * 64 + x)];
            if ((x / 8 + y / 8) % 3 == 0) texel = 0;
            else if ((x + y) % 5 == 0) texel = (texel & 0xFFFFFF) | 0x80000000u;
        }
    Image glyphs{32, 32, {}};
    for (int i = 0; i < 32 * 32; ++i) glyphs.pixels.push_back(Colour((i * 37) % 256) << 24 | 0xFFFFFF);
    return {sheet, glyphs};
}

class CpuDeviceFrames : public ::testing::Test {
protected:
    // A device with its textures, drawing at once (no pacing).
    struct Rig {
        explicit Rig(const std::vector<Image>& pictures, std::shared_ptr<RecordingPresenter::Log> log = nullptr)
            : device(kFrame, log ? std::make_unique<RecordingPresenter>(log) : nullptr, std::chrono::microseconds(0)) {
            for (const Image& picture : pictures) textures.push_back(device.createTexture(picture));
        }
        void draw(const Scene& scene) {
            for (const Call& call : scene) {
                if (const auto* fill = std::get_if<Fill>(&call)) {
                    device.fillRect(fill->rect, fill->colour);
                    continue;
                }
                const Quad& quad = std::get<Quad>(call);
                device.setAlphaSource(quad.alpha);
                device.setFilter(quad.filter);
                device.drawQuad(textures[std::size_t(quad.texture)].get(), quad.corners);
            }
        }
        Image frame() {
            Image out;
            device.readFrame(out);
            return out;
        }
        CpuDevice device;
        std::vector<std::unique_ptr<Texture>> textures;
    };

    Image drawnAfresh(const Scene& scene) {
        Rig fresh(pictures);
        fresh.draw(scene);
        return fresh.frame();
    }

    std::vector<Image> pictures = TestPictures();
    std::shared_ptr<RecordingPresenter::Log> log = std::make_shared<RecordingPresenter::Log>();
    Rig rig{pictures, log};
};

Scene Menu() {
    return {Fill{{0, 0, 96, 64}, 0xFFFFFFFF}, Fill{{0, 50, 96, 64}, 0xFF808080},
            Sprite(0, {64, 64}, 8, 8, 16, 16, 4, 4), Sprite(0, {64, 64}, 24, 8, 16, 16, 40, 4),
            Sprite(1, {32, 32}, 0, 0, 10, 12, 60, 30, 0xFF2040C0)};
}

long Area(const Rect& r) { return long(r.right - r.left) * long(r.bottom - r.top); }

bool Covers(const std::vector<Rect>& rects, const Rect& wanted) {
    long inside = 0;
    for (const Rect& r : rects) {
        const Rect cut{std::max(r.left, wanted.left), std::max(r.top, wanted.top), std::min(r.right, wanted.right),
                       std::min(r.bottom, wanted.bottom)};
        if (cut.right > cut.left && cut.bottom > cut.top) inside += Area(cut);
    }
    return inside == Area(wanted);
}

TEST_F(CpuDeviceFrames, AnUnchangedFrameDrawsAndShowsNothingButIsStillPaced) {
    rig.draw(Menu());
    rig.device.present();
    const std::size_t shows = log->shows.size();
    rig.device.setFrameInterval(std::chrono::milliseconds(50));
    rig.device.present();  // sets the pacing schedule
    const auto start = std::chrono::steady_clock::now();
    rig.draw(Menu());
    rig.device.present();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
    EXPECT_EQ(rig.device.lastFrame().pixelsDrawn, 0);
    EXPECT_EQ(rig.device.lastFrame().pixelsShown, 0);
    EXPECT_EQ(log->shows.size(), shows) << "nothing was handed to the window";
}

// The loading screen's frames show at once; the frame loop's first frame
// after them is paced from the last of them.
TEST_F(CpuDeviceFrames, APresentNowShowsWithoutWaitingAndThePacingStartsAfterIt) {
    rig.device.setFrameInterval(std::chrono::milliseconds(50));
    rig.device.present();
    const auto start = std::chrono::steady_clock::now();
    for (int step = 0; step < 4; ++step) {
        rig.draw(Menu());
        rig.device.presentNow();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
    EXPECT_GT(log->shows.size(), 0u);
    rig.device.present();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
}

TEST_F(CpuDeviceFrames, AMovedItemDrawsItsOldAndNewPlacesAgain) {
    Scene before = Menu(), after = Menu();
    after[3] = Sprite(0, {64, 64}, 24, 8, 16, 16, 60, 20);
    rig.draw(before);
    rig.device.present();
    rig.draw(after);
    rig.device.present();
    const std::vector<Rect>& shown = log->shows.back();
    EXPECT_TRUE(Covers(shown, {40, 4, 56, 20})) << "the old place";
    EXPECT_TRUE(Covers(shown, {60, 20, 76, 36})) << "the new place";
    EXPECT_EQ(rig.device.lastFrame().pixelsDrawn, 2 * 16 * 16);
    EXPECT_EQ(rig.frame().pixels, drawnAfresh(after).pixels);
}

TEST_F(CpuDeviceFrames, EveryChangedPropertyOfACallIsFound) {
    struct Change {
        const char* what;
        void (*apply)(Scene&);
        Rect place;
    };
    const Change changes[] = {
        {"tint colour", [](Scene& s) { std::get<Quad>(s[4]).corners[0].colour = 0xFF20C040; }, {60, 30, 70, 42}},
        {"vertex alpha",
         [](Scene& s) {
             auto& quad = std::get<Quad>(s[2]);
             quad.alpha = AlphaSource::Vertex;
             for (Vertex& v : quad.corners) v.colour = 0x80FFFFFF;
         },
         {4, 4, 20, 20}},
        {"texture coordinate", [](Scene& s) { std::get<Quad>(s[2]).corners[1].u += 1.0f / 63; }, {4, 4, 20, 20}},
        {"fill colour", [](Scene& s) { std::get<Fill>(s[1]).colour = 0xFF102030; }, {0, 50, 96, 64}},
        {"texture", [](Scene& s) { std::get<Quad>(s[3]).texture = 1; }, {40, 4, 56, 20}},
    };
    for (const Change& change : changes) {
        Scene after = Menu();
        change.apply(after);
        rig.draw(Menu());
        rig.device.present();
        rig.draw(after);
        rig.device.present();
        EXPECT_TRUE(Covers(log->shows.back(), change.place)) << change.what;
        EXPECT_LT(rig.device.lastFrame().pixelsDrawn, kFrame.width * kFrame.height / 2) << change.what;
        EXPECT_EQ(rig.frame().pixels, drawnAfresh(after).pixels) << change.what;
    }
}

TEST_F(CpuDeviceFrames, ANewClearColourOrScreenDrawsAndShowsEverything) {
    rig.draw(Menu());
    rig.device.present();
    Scene otherScreen = {Fill{{0, 0, 96, 64}, 0xFF000080}, Sprite(0, {64, 64}, 40, 40, 20, 20, 10, 10)};
    rig.draw(otherScreen);
    rig.device.present();
    EXPECT_EQ(rig.device.lastFrame().pixelsDrawn, kFrame.width * kFrame.height);
    EXPECT_TRUE(Covers(log->shows.back(), {0, 0, 96, 64}));
}

TEST_F(CpuDeviceFrames, AWindowThatLostItsContentsIsShownWhole) {
    rig.draw(Menu());
    rig.device.present();
    log->lose = true;
    rig.draw(Menu());
    rig.device.present();
    EXPECT_EQ(rig.device.lastFrame().pixelsDrawn, 0) << "nothing is drawn again";
    EXPECT_TRUE(Covers(log->shows.back(), {0, 0, 96, 64}));
}

TEST_F(CpuDeviceFrames, ReadingAFrameBackMidwayShowsTheCallsSoFarAndTheRestFollows) {
    rig.draw({Fill{{0, 0, 96, 64}, 0xFFFFFFFF}});
    EXPECT_EQ(rig.frame().at(50, 30), 0xFFFFFFFFu);
    rig.draw({Fill{{40, 20, 60, 40}, 0xFF00FF00}});
    EXPECT_EQ(rig.frame().at(50, 30), 0xFF00FF00u);
    rig.device.present();
    EXPECT_EQ(rig.frame().at(50, 30), 0xFF00FF00u) << "after presenting, the presented frame";
    EXPECT_TRUE(Covers(log->shows.back(), {0, 0, 96, 64}));
}

TEST_F(CpuDeviceFrames, QuadsBeyondWhatCanBePlacedDrawNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const struct {
        const char* what;
        Vertex corner;  // replaces the top-left corner of a sprite
    } cases[] = {
        {"not a number", {nan, 4, 0xFFFFFFFF, 0, 0}},
        {"infinite texture coordinate", {4, 4, 0xFFFFFFFF, inf, 0}},
        {"far beyond the frame", {-1e9f, 4, 0xFFFFFFFF, 0, 0}},
        {"a texel map beyond fixed point", {4, 4, 0xFFFFFFFF, -1e6f, 0}},
    };
    for (const auto& c : cases) {
        Quad quad = Sprite(0, {64, 64}, 8, 8, 16, 16, 4, 4);
        quad.corners[0] = c.corner;
        rig.draw({Fill{{0, 0, 96, 64}, 0xFF123456}, quad});
        const Image frame = rig.frame();
        EXPECT_TRUE(std::all_of(frame.pixels.begin(), frame.pixels.end(), [](Colour p) { return p == 0xFF123456u; }))
            << c.what;
        rig.device.present();
    }
}

// A textured call whose texture is released before the frame is drawn still
// draws: the frame keeps its texels.
TEST_F(CpuDeviceFrames, ATextureReleasedBeforeThePresentStillDraws) {
    Scene scene = Menu();
    rig.draw(scene);
    rig.textures[0].reset();
    rig.device.present();
    EXPECT_EQ(rig.frame().pixels, drawnAfresh(scene).pixels);
}

// Frames change the way the game's do (items move and turn, calls come and
// go, colours and screens change) and the damage-tracked frame must always
// equal a fresh drawing of the same calls, pixel for pixel.
TEST_F(CpuDeviceFrames, DrawingOnlyTheDamageAlwaysGivesTheFullDrawing) {
    std::mt19937 random(1234);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const auto randomCall = [&]() -> Call {
        if (pick(5) == 0)
            return Fill{{pick(90), pick(60), pick(96) + 4, pick(64) + 4}, 0xFF000000u | Colour(random() & 0xFFFFFF)};
        const int texture = pick(2);
        const Size size = texture == 0 ? Size{64, 64} : Size{32, 32};
        const int w = 4 + pick(20), h = 4 + pick(20);
        Quad quad{texture,
                  {},
                  pick(3) == 0 ? AlphaSource::Vertex : AlphaSource::Texture,
                  pick(2) == 0 ? Filter::Linear : Filter::Point};
        const Colour colour = (pick(2) ? 0xFFFFFFu : Colour(random() & 0xFFFFFF)) | Colour(pick(256)) << 24;
        TurnedRegion(quad.corners, size, pick(size.width - w), pick(size.height - h), w, h, float(pick(96)),
                     float(pick(64)) + 0.5f * float(pick(2)), float(pick(4) == 0 ? 90 * pick(4) : pick(360)), colour);
        return quad;
    };
    Scene scene = {Fill{{0, 0, 96, 64}, 0xFFFFFFFF}};
    for (int i = 0; i < 20; ++i) scene.push_back(randomCall());
    for (int frame = 0; frame < 300; ++frame) {
        switch (pick(7)) {
            case 0: break;  // unchanged
            case 1: scene.insert(scene.begin() + 1 + pick(int(scene.size())), randomCall()); break;
            case 2:
                if (scene.size() > 2) scene.erase(scene.begin() + 1 + pick(int(scene.size()) - 1));
                break;
            case 3: std::get<Fill>(scene[0]).colour = 0xFF000000u | Colour(random() & 0xFFFFFF); break;
            case 4:
                if (scene.size() > 3) std::swap(scene[1 + std::size_t(pick(int(scene.size()) - 2))], scene.back());
                break;
            default:
                for (int moved = 0; moved < 1 + pick(5); ++moved)
                    scene[1 + std::size_t(pick(int(scene.size()) - 1))] = randomCall();
        }
        rig.draw(scene);
        rig.device.present();
        ASSERT_EQ(rig.frame().pixels, drawnAfresh(scene).pixels) << "frame " << frame;
    }
}

}  // namespace
}  // namespace glyphora::platform
