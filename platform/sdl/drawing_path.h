#pragma once
// Which device draws the game: SDL's renderer where the graphics card does
// the work, the CPU device (platform/cpu) where nothing but the processor
// would: Mesa's llvmpipe, softpipe or swrast, or SDL's own software renderer.
// The choice is made before SDL's video starts, since an OpenGL window loads
// the OpenGL libraries (and, with llvmpipe, LLVM) into the process for good.
//
// GLYPHORA_RENDERER=cpu or =sdl forces either path.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora::platform {

enum class DrawingPath { Cpu, Sdl };

// What the X server says about rendering for its clients.
enum class ServerRendering {
    Unknown,   // no X server, or it could not be asked
    Indirect,  // neither DRI3 nor DRI2: OpenGL can only be drawn in software
    Direct,    // DRI3 or DRI2: a graphics card may draw, or Mesa in software
    Vendor,    // the NVIDIA driver's own OpenGL (NV-GLX): a graphics card draws
};

// What the kernel's render nodes (/dev/dri/renderD*) are driven by.
enum class KernelGraphics {
    Unknown,      // none, or a driver whose OpenGL may or may not be accelerated (virtio_gpu, vmwgfx)
    DisplayOnly,  // only drivers without 3D (bochs, cirrus, qxl, simpledrm, vkms, vboxvideo): Mesa draws in software
    Hardware,     // a graphics card's driver with 3D (i915, amdgpu, nouveau, nvidia, ...)
};

// The environment's part of the choice.
struct DrawingPathSettings {
    std::string forced;             // GLYPHORA_RENDERER
    bool sdlRendererNamed = false;  // SDL_RENDER_DRIVER names one of SDL's renderers
    bool softwareOpenGl = false;    // LIBGL_ALWAYS_SOFTWARE asks Mesa for software
    bool headless = false;          // SDL's dummy or offscreen video
    bool x11 = false;               // SDL will open the window on an X server
    bool openGlRedirected = false;  // VirtualGL draws OpenGL on another display's card
};

DrawingPathSettings DrawingPathSettingsFromEnvironment();

// The OpenGL renderer string names a software rasteriser.
bool IsSoftwareRenderer(std::string_view glRenderer);

// Decides, asking the X server, then the kernel, and probing OpenGL only when
// the cheaper facts leave the answer open. probeRenderer returns the OpenGL
// renderer string, or nothing when no OpenGL context could be made.
DrawingPath ChooseDrawingPath(const DrawingPathSettings& settings, const std::function<ServerRendering()>& askServer,
                              const std::function<KernelGraphics()>& askKernel,
                              const std::function<std::optional<std::string>()>& probeRenderer);

// The choice for this process, on the real environment, X server and probe.
DrawingPath ChooseDrawingPathForThisProcess();

}  // namespace glyphora::platform
