#pragma once
// The facts behind the drawing path that need the display: what the X server
// offers, and which OpenGL renderer a context gets. The OpenGL probe runs in
// a short-lived child process, so that the game's own process never loads
// the OpenGL libraries (nor, with llvmpipe, LLVM) when it ends up not using
// them.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl/drawing_path.h"

namespace glyphora::platform {

inline constexpr std::chrono::milliseconds kProbeTimeout{3000};

// Asks the X server named by DISPLAY for its rendering extensions over a
// connection of its own.
ServerRendering AskXServerRendering();

// Reads which kernel drivers run the render nodes, from /sys/class/drm.
KernelGraphics AskKernelGraphics();
// The same for a given list of driver names (the tested part).
KernelGraphics KernelGraphicsOf(const std::vector<std::string>& drivers);

// The GL_RENDERER string of an OpenGL context made by SDL in a child
// process; nothing when the child could make none, or did not answer within
// the timeout (it is then killed). Must run before SDL's video starts in
// this process: the child inherits the process as it is.
std::optional<std::string> ProbeOpenGlRenderer(std::chrono::milliseconds timeout);

}  // namespace glyphora::platform
