#pragma once
// A game on fakes with every resource made and a texture on each sheet, and
// the pictures a drawing routine drew, read back as sheet regions.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "game/engine/resources.h"
#include "game/engine/sheet_drawing.h"
#include "game/engine/sheet_regions.h"
#include "game/screens/screen_table.h"
#include "game/shell/game.h"
#include "game/shell/loading.h"
#include "game/shell/main_loop.h"
#include "game/shell/window_position.h"
#include "platform/fake/fake_platform.h"

namespace glyphora::testing {

// One picture drawn from a sheet: the sheet pixels of its frame, where it
// went and the alpha of its corners.
struct Picture {
    regions::Sheet sheet;
    regions::PixelRect source;
    int x, y;
    int vertexAlpha;
};

class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        StartRenderer(game);
        LoadAllResources(game);  // no files on disk: fonts and widgets, sheets without pictures
        for (const regions::SheetInfo& info : regions::kSheets)
            SheetTexture(game.resources, info.sheet).texture =
                std::make_unique<platform::FakeTexture>(platform::Size{info.width, info.height}, info.file);
        PlaceWindow(game, {100, 50});
        pointAt(-50, -50);
    }

    // Moves the cursor to client position (x, y).
    void pointAt(int x, int y) {
        fake.desktop.cursor = {game.shell.windowPos.x + x, game.shell.windowPos.y + y};
        ReadCursor(game);
    }
    void pointAtButton(ImageButtonName name) {
        const ImageButton& b = game.widgets.imageButtons[name];
        pointAt(b.x + b.sprite.srcW / 2, b.y + b.sprite.srcH / 2);
    }

    std::vector<platform::DrawCall>& calls() { return fake.window.device->calls; }

    // The sheet pictures drawn since the last call, in order.
    std::vector<Picture> pictures() {
        std::vector<Picture> found;
        for (const platform::DrawCall& call : calls()) {
            if (call.kind != platform::DrawCall::Kind::Quad) continue;
            if (std::optional<Picture> p = asPicture(call)) found.push_back(*p);
        }
        calls().clear();
        return found;
    }

    // The pictures drawn from frame (u, v) of region.
    static std::vector<Picture> from(const std::vector<Picture>& drawn, const regions::Region& region, int u = 0,
                                     int v = 0) {
        const regions::PixelRect want = regions::FrameRect(region, u, v);
        std::vector<Picture> found;
        for (const Picture& p : drawn)
            if (p.sheet == region.sheet && p.source.x == want.x && p.source.y == want.y && p.source.w == want.w &&
                p.source.h == want.h)
                found.push_back(p);
        return found;
    }

    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};

private:
    std::optional<Picture> asPicture(const platform::DrawCall& call) {
        for (const regions::SheetInfo& info : regions::kSheets) {
            if (SheetTexture(game.resources, info.sheet).texture.get() != call.texture) continue;
            const auto texel = [](float coordinate, int size) {
                return int(std::lround(coordinate * float(size - 1)));
            };
            const auto& c = call.corners;
            const int x0 = texel(c[0].u, info.width), y0 = texel(c[0].v, info.height);
            return Picture{info.sheet,
                           {x0, y0, texel(c[3].u, info.width) - x0, texel(c[3].v, info.height) - y0},
                           int(c[0].x),
                           int(c[0].y),
                           int(c[0].colour >> 24)};
        }
        return std::nullopt;
    }
};

}  // namespace glyphora::testing
