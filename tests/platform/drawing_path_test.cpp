// Which device draws: the choice from the environment, the X server's
// extensions, the kernel's render drivers and the OpenGL probe, asking the
// slower sources only when the faster ones leave it open.
#include "platform/sdl/drawing_path.h"

#include <gtest/gtest.h>

#include "platform/sdl/gl_probe.h"

namespace glyphora::platform {
namespace {

struct Case {
    const char* name;
    DrawingPathSettings settings;
    ServerRendering server;
    KernelGraphics kernel;
    std::optional<std::string> renderer;  // what the probe would answer
    DrawingPath expected;
    bool probes;  // whether the probe must run
};

// Settings built up one fact at a time.
struct Settings : DrawingPathSettings {
    Settings& force(const char* value) {
        forced = value;
        return *this;
    }
    Settings& rendererNamed() {
        sdlRendererNamed = true;
        return *this;
    }
    Settings& softwareAsked() {
        softwareOpenGl = true;
        return *this;
    }
    Settings& dummy() {
        headless = true;
        return *this;
    }
    Settings& onX11() {
        x11 = true;
        return *this;
    }
    Settings& virtualGl() {
        openGlRedirected = true;
        return *this;
    }
};

TEST(DrawingPath, ChoosesTheCpuDeviceWhereOnlyTheProcessorWouldDraw) {
    const std::string llvmpipe = "llvmpipe (LLVM 15.0.6, 256 bits)";
    const std::string radeon = "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0)";
    // clang-format off
    const Case cases[] = {
        {"forced cpu", Settings().force("cpu").onX11(), ServerRendering::Vendor, KernelGraphics::Unknown, radeon, DrawingPath::Cpu, false},
        {"forced sdl", Settings().force("sdl").dummy(), ServerRendering::Indirect, KernelGraphics::Unknown, {}, DrawingPath::Sdl, false},
        {"SDL renderer named", Settings().rendererNamed().onX11(), ServerRendering::Indirect, KernelGraphics::Unknown, {}, DrawingPath::Sdl, false},
        {"headless", Settings().dummy(), ServerRendering::Unknown, KernelGraphics::Unknown, radeon, DrawingPath::Cpu, false},
        {"software OpenGL asked", Settings().softwareAsked().onX11(), ServerRendering::Direct, KernelGraphics::Unknown, radeon, DrawingPath::Cpu, false},
        {"X server without DRI", Settings().onX11(), ServerRendering::Indirect, KernelGraphics::Unknown, radeon, DrawingPath::Cpu, false},
        {"NVIDIA's driver", Settings().onX11(), ServerRendering::Vendor, KernelGraphics::Unknown, {}, DrawingPath::Sdl, false},
        {"DRI on llvmpipe", Settings().onX11(), ServerRendering::Direct, KernelGraphics::Unknown, llvmpipe, DrawingPath::Cpu, true},
        {"DRI on softpipe", Settings().onX11(), ServerRendering::Direct, KernelGraphics::Unknown, "softpipe", DrawingPath::Cpu, true},
        {"DRI on a card", Settings().onX11(), ServerRendering::Direct, KernelGraphics::Unknown, radeon, DrawingPath::Sdl, true},
        {"no OpenGL at all", Settings().onX11(), ServerRendering::Direct, KernelGraphics::Unknown, {}, DrawingPath::Cpu, true},
        {"X server not asked", Settings().onX11(), ServerRendering::Unknown, KernelGraphics::Unknown, radeon, DrawingPath::Sdl, true},
        {"VirtualGL on a remote desktop", Settings().onX11().virtualGl(), ServerRendering::Indirect, KernelGraphics::Unknown, radeon,
         DrawingPath::Sdl, true},
        {"Wayland, swrast", Settings(), ServerRendering::Unknown, KernelGraphics::Unknown, "Mesa swrast", DrawingPath::Cpu, true},
        {"DRI on a card's driver", Settings().onX11(), ServerRendering::Direct, KernelGraphics::Hardware, {},
         DrawingPath::Sdl, false},
        {"DRI on a virtual display", Settings().onX11(), ServerRendering::Direct, KernelGraphics::DisplayOnly, radeon,
         DrawingPath::Cpu, false},
        {"unknown override", Settings().force("fast"), ServerRendering::Unknown, KernelGraphics::Unknown, radeon, DrawingPath::Sdl, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        bool probed = false;
        const DrawingPath chosen = ChooseDrawingPath(
            c.settings, [&] { return c.server; }, [&] { return c.kernel; },
            [&] {
                probed = true;
                return c.renderer;
            });
        EXPECT_EQ(chosen, c.expected) << c.name;
        EXPECT_EQ(probed, c.probes) << c.name;
    }
}

TEST(DrawingPath, KnowsWhichKernelDriversDrawWithACard) {
    using Drivers = std::vector<std::string>;
    EXPECT_EQ(KernelGraphicsOf(Drivers{"i915"}), KernelGraphics::Hardware);
    EXPECT_EQ(KernelGraphicsOf(Drivers{"qxl", "amdgpu"}), KernelGraphics::Hardware);
    EXPECT_EQ(KernelGraphicsOf(Drivers{"bochs-drm"}), KernelGraphics::DisplayOnly);
    EXPECT_EQ(KernelGraphicsOf(Drivers{"virtio_gpu"}), KernelGraphics::Unknown) << "virgl or not: probe";
    EXPECT_EQ(KernelGraphicsOf(Drivers{"vkms", "vmwgfx"}), KernelGraphics::Unknown);
    EXPECT_EQ(KernelGraphicsOf(Drivers{}), KernelGraphics::Unknown);
}

}  // namespace
}  // namespace glyphora::platform
