#include "platform/sdl/drawing_path.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/sdl/gl_probe.h"

namespace glyphora::platform {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

DrawingPathSettings DrawingPathSettingsFromEnvironment() {
    DrawingPathSettings settings;
    settings.forced = Environment("GLYPHORA_RENDERER");
    settings.sdlRendererNamed = !Environment("SDL_RENDER_DRIVER").empty();
    const std::string software = Environment("LIBGL_ALWAYS_SOFTWARE");
    settings.softwareOpenGl = !software.empty() && software != "0" && software != "false";
    const std::string driver = Environment("SDL_VIDEODRIVER");
    settings.headless = driver == "dummy" || driver == "offscreen";
    settings.x11 = (driver.empty() || driver == "x11") && !Environment("DISPLAY").empty();
    settings.openGlRedirected = !Environment("VGL_ISACTIVE").empty();
    return settings;
}

bool IsSoftwareRenderer(std::string_view glRenderer) {
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (glRenderer.find(name) != std::string_view::npos) return true;
    return false;
}

DrawingPath ChooseDrawingPath(const DrawingPathSettings& settings, const std::function<ServerRendering()>& askServer,
                              const std::function<KernelGraphics()>& askKernel,
                              const std::function<std::optional<std::string>()>& probeRenderer) {
    if (settings.forced == "cpu") return DrawingPath::Cpu;
    if (settings.forced == "sdl") return DrawingPath::Sdl;
    if (!settings.forced.empty())
        std::fprintf(stderr, "GLYPHORA_RENDERER=%s is neither cpu nor sdl; choosing by the display\n",
                     settings.forced.c_str());
    if (settings.sdlRendererNamed) return DrawingPath::Sdl;
    if (settings.headless || settings.softwareOpenGl) return DrawingPath::Cpu;
    if (settings.x11 && !settings.openGlRedirected) {
        const ServerRendering server = askServer();
        if (server == ServerRendering::Indirect) return DrawingPath::Cpu;
        if (server == ServerRendering::Vendor) return DrawingPath::Sdl;
    }
    if (!settings.openGlRedirected) {
        const KernelGraphics kernel = askKernel();
        if (kernel == KernelGraphics::Hardware) return DrawingPath::Sdl;
        if (kernel == KernelGraphics::DisplayOnly) return DrawingPath::Cpu;
    }
    const std::optional<std::string> renderer = probeRenderer();
    return renderer && !IsSoftwareRenderer(*renderer) ? DrawingPath::Sdl : DrawingPath::Cpu;
}

DrawingPath ChooseDrawingPathForThisProcess() {
    return ChooseDrawingPath(DrawingPathSettingsFromEnvironment(), AskXServerRendering, AskKernelGraphics,
                             [] { return ProbeOpenGlRenderer(kProbeTimeout); });
}

}  // namespace glyphora::platform
