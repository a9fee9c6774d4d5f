// Which device draws: the choice from the environment, the X server's
// extensions and the OpenGL probe, asking the slower sources only when the
// faster ones leave it open.
#include "platform/sdl/drawing_path.h"

#include <gtest/gtest.h>

namespace glyphora::platform {
namespace {

struct Case {
    const char* name;
    DrawingPathSettings settings;
    ServerRendering server;
    std::optional<std::string> renderer;  // what the probe would answer
    DrawingPath expected;
    bool probes;                          // whether the probe must run
};

// Settings built up one fact at a time.
struct Settings : DrawingPathSettings {
    Settings& force(const char* value) { forced = value; return *this; }
    Settings& rendererNamed() { sdlRendererNamed = true; return *this; }
    Settings& softwareAsked() { softwareOpenGl = true; return *this; }
    Settings& dummy() { headless = true; return *this; }
    Settings& onX11() { x11 = true; return *this; }
    Settings& virtualGl() { openGlRedirected = true; return *this; }
};

TEST(DrawingPath, ChoosesTheCpuDeviceWhereOnlyTheProcessorWouldDraw) {
    const std::string llvmpipe = "llvmpipe (LLVM 15.0.6, 256 bits)";
    const std::string radeon = "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0)";
    const Case cases[] = {
        {"forced cpu", Settings().force("cpu").onX11(), ServerRendering::Vendor, radeon, DrawingPath::Cpu, false},
        {"forced sdl", Settings().force("sdl").dummy(), ServerRendering::Indirect, {}, DrawingPath::Sdl, false},
        {"SDL renderer named", Settings().rendererNamed().onX11(), ServerRendering::Indirect, {}, DrawingPath::Sdl, false},
        {"headless", Settings().dummy(), ServerRendering::Unknown, radeon, DrawingPath::Cpu, false},
        {"software OpenGL asked", Settings().softwareAsked().onX11(), ServerRendering::Direct, radeon, DrawingPath::Cpu, false},
        {"X server without DRI", Settings().onX11(), ServerRendering::Indirect, radeon, DrawingPath::Cpu, false},
        {"NVIDIA's driver", Settings().onX11(), ServerRendering::Vendor, {}, DrawingPath::Sdl, false},
        {"DRI on llvmpipe", Settings().onX11(), ServerRendering::Direct, llvmpipe, DrawingPath::Cpu, true},
        {"DRI on softpipe", Settings().onX11(), ServerRendering::Direct, "softpipe", DrawingPath::Cpu, true},
        {"DRI on a card", Settings().onX11(), ServerRendering::Direct, radeon, DrawingPath::Sdl, true},
        {"no OpenGL at all", Settings().onX11(), ServerRendering::Direct, {}, DrawingPath::Cpu, true},
        {"X server not asked", Settings().onX11(), ServerRendering::Unknown, radeon, DrawingPath::Sdl, true},
        {"VirtualGL on a remote desktop", Settings().onX11().virtualGl(), ServerRendering::Indirect, radeon,
         DrawingPath::Sdl, true},
        {"Wayland, swrast", Settings(), ServerRendering::Unknown, "Mesa swrast", DrawingPath::Cpu, true},
        {"unknown override", Settings().force("fast"), ServerRendering::Unknown, radeon, DrawingPath::Sdl, true},
    };
    for (const Case& c : cases) {
        bool probed = false;
        const DrawingPath chosen = ChooseDrawingPath(
            c.settings, [&] { return c.server; },
            [&] {
                probed = true;
                return c.renderer;
            });
        EXPECT_EQ(chosen, c.expected) << c.name;
        EXPECT_EQ(probed, c.probes) << c.name;
    }
}

}  // namespace
}  // namespace glyphora::platform
