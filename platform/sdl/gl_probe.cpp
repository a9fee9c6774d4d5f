#include "platform/sdl/gl_probe.h"

#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace glyphora::platform {
namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

bool Present(xcb_connection_t* connection, xcb_query_extension_cookie_t cookie) {
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(connection, cookie, nullptr);
    const bool present = reply && reply->present;
    std::free(reply);
    return present;
}

xcb_query_extension_cookie_t AskFor(xcb_connection_t* connection, const char* name) {
    return xcb_query_extension(connection, std::uint16_t(std::strlen(name)), name);
}

// In the child: makes a hidden OpenGL window and context and writes the
// renderer's name to fd. Whatever fails, the child just ends.
void ReportRenderer(int fd) {
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) dup2(quiet, STDERR_FILENO);  // driver chatter is not the game's
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
    SDL_Window* window = SDL_CreateWindow("", 0, 0, 16, 16, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window || !SDL_GL_CreateContext(window)) return;
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    if (!name) return;
    const auto* text = reinterpret_cast<const char*>(name);
    if (write(fd, text, std::strlen(text)) < 0) return;
}

// Reads the child's answer until it closes the pipe or time runs out.
std::optional<std::string> ReadAnswer(int fd, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string answer;
    char buffer[256];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd waiting{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&waiting, 1, int(left.count())) <= 0) return std::nullopt;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        answer.append(buffer, std::size_t(got));
    }
    if (answer.empty()) return std::nullopt;
    return answer;
}

bool Listed(std::string_view name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names)
        if (n == name) return true;
    return false;
}

}  // namespace

KernelGraphics KernelGraphicsOf(const std::vector<std::string>& drivers) {
    bool displayOnly = !drivers.empty();
    for (const std::string& driver : drivers) {
        if (Listed(driver, {"i915", "xe", "amdgpu", "radeon", "nouveau", "nvidia", "nvidia-drm", "msm", "panfrost",
                            "panthor", "lima", "etnaviv", "v3d", "vc4", "asahi"}))
            return KernelGraphics::Hardware;
        if (!Listed(driver, {"bochs-drm", "bochs", "cirrus", "cirrus-qemu", "qxl", "simpledrm", "simple-framebuffer",
                             "vkms", "vboxvideo", "hyperv_drm", "ast", "mgag200", "udl", "gud"}))
            displayOnly = false;
    }
    return displayOnly ? KernelGraphics::DisplayOnly : KernelGraphics::Unknown;
}

KernelGraphics AskKernelGraphics() {
    namespace fs = std::filesystem;
    std::vector<std::string> drivers;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/sys/class/drm", error)) {
        if (entry.path().filename().string().rfind("renderD", 0) != 0) continue;
        const fs::path driver = fs::read_symlink(entry.path() / "device" / "driver", error);
        if (!error) drivers.push_back(driver.filename().string());
    }
    return KernelGraphicsOf(drivers);
}

ServerRendering AskXServerRendering() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return ServerRendering::Unknown;
    }
    const auto nvidia = AskFor(connection, "NV-GLX");
    const auto dri3 = AskFor(connection, "DRI3");
    const auto dri2 = AskFor(connection, "DRI2");
    const bool vendor = Present(connection, nvidia);
    const bool hasDri3 = Present(connection, dri3);
    const bool hasDri2 = Present(connection, dri2);
    const bool direct = hasDri3 || hasDri2;
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed) return ServerRendering::Unknown;
    if (vendor) return ServerRendering::Vendor;
    return direct ? ServerRendering::Direct : ServerRendering::Indirect;
}

std::optional<std::string> ProbeOpenGlRenderer(std::chrono::milliseconds timeout) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        ReportRenderer(pipeEnds[1]);
        _exit(0);  // no exit handlers: they belong to the parent
    }
    close(pipeEnds[1]);
    std::optional<std::string> answer;
    if (child > 0) {
        answer = ReadAnswer(pipeEnds[0], timeout);
        if (!answer) kill(child, SIGKILL);
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {}
    }
    close(pipeEnds[0]);
    return answer;
}

}  // namespace glyphora::platform
