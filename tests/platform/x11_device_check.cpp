// Checks of the real devices on an X server, each in a process of its own
// (what a process has loaded cannot be unloaded). Run by x11_devices_e2e.sh:
//
//   x11_device_check no-opengl   the drawing path chosen for this display
//                                must be the CPU device, and drawing and
//                                presenting frames must load no OpenGL or
//                                LLVM library (read from /proc/self/maps)
//   x11_device_check probe       the OpenGL probe names the display's
//                                renderer (Mesa's, in software, on Xvfb)
//                                while this process loads no OpenGL library
//   x11_device_check gl-binding  on SDL's OpenGL renderer, a frame that draws
//                                the textures of the frame before in the other
//                                order must show each quad's own texture
//
// Exit code 0 when the check holds; what it found goes to stderr.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/cpu/cpu_device.h"
#include "platform/sdl/gl_probe.h"
#include "platform/sdl/sdl_video.h"

using namespace glyphora::platform;

namespace {

void DrawSquare(Device& device, const Texture* texture, float x, float y, float size) {
    const QuadVertices corners = {{x, y, 0xFFFFFFFF, 0, 0},
                                  {x + size, y, 0xFFFFFFFF, 1, 0},
                                  {x, y + size, 0xFFFFFFFF, 0, 1},
                                  {x + size, y + size, 0xFFFFFFFF, 1, 1}};
    device.drawQuad(texture, corners);
}

std::unique_ptr<Texture> Solid(Device& device, Colour colour) {
    return device.createTexture(Image{8, 8, std::vector<Colour>(64, colour)});
}

std::string LoadedGraphicsLibraries() {
    std::ifstream maps("/proc/self/maps");
    std::string line, found;
    for (const char* name : {"libGL", "libEGL", "libLLVM", "_dri.so", "libgallium"}) {
        maps.clear();
        maps.seekg(0);
        while (std::getline(maps, line))
            if (line.find(name) != std::string::npos) {
                found += line.substr(line.find('/')) + "\n";
                break;
            }
    }
    return found;
}

int NoOpenGl() {
    SdlVideo video;
    if (!video.open({"Glyphora check", {0, 0}, {128, 96}})) return std::fprintf(stderr, "no window\n"), 1;
    auto device = video.createDevice();
    if (!dynamic_cast<CpuDevice*>(device.get())) return std::fprintf(stderr, "not the CPU device\n"), 1;
    auto red = Solid(*device, 0xFFFF0000);
    for (int frame = 0; frame < 10; ++frame) {
        device->clear(0xFFFFFFFF);
        device->setFilter(frame % 2 ? Filter::Linear : Filter::Point);
        DrawSquare(*device, red.get(), float(frame), 10, 20);
        device->present();
    }
    Image out;
    if (!device->readFrame(out) || (out.at(20, 20) & 0xFFFFFF) != 0xFF0000)
        return std::fprintf(stderr, "not drawn\n"), 1;
    const std::string loaded = LoadedGraphicsLibraries();
    if (!loaded.empty()) return std::fprintf(stderr, "loaded:\n%s", loaded.c_str()), 1;
    std::fprintf(stderr, "CPU device, no OpenGL or LLVM library loaded\n");
    return 0;
}

int Probe() {
    const auto renderer = ProbeOpenGlRenderer(kProbeTimeout);
    if (!renderer) return std::fprintf(stderr, "the probe found no OpenGL renderer\n"), 1;
    std::fprintf(stderr, "OpenGL renderer: %s\n", renderer->c_str());
    if (!IsSoftwareRenderer(*renderer)) return std::fprintf(stderr, "not a software renderer\n"), 1;
    const std::string loaded = LoadedGraphicsLibraries();
    if (!loaded.empty()) return std::fprintf(stderr, "loaded by the probe's parent:\n%s", loaded.c_str()), 1;
    return 0;
}

int GlBinding() {
    setenv("GLYPHORA_RENDERER", "sdl", 1);
    SdlVideo video;
    if (!video.open({"Glyphora check", {0, 0}, {128, 96}})) return std::fprintf(stderr, "no window\n"), 1;
    auto device = video.createDevice();
    if (!device || dynamic_cast<CpuDevice*>(device.get())) return std::fprintf(stderr, "no SDL renderer\n"), 1;
    auto red = Solid(*device, 0xFFFF0000), green = Solid(*device, 0xFF00FF00);
    device->clear(0xFFFFFFFF);
    DrawSquare(*device, red.get(), 0, 0, 20);
    device->setFilter(Filter::Linear);
    DrawSquare(*device, green.get(), 40, 0, 20);
    device->present();
    // The other order, sampling modes unchanged and then changed.
    for (Filter greenFilter : {Filter::Linear, Filter::Point}) {
        device->clear(0xFFFFFFFF);
        device->setFilter(greenFilter);
        DrawSquare(*device, green.get(), 40, 0, 20);
        device->setFilter(greenFilter == Filter::Linear ? Filter::Point : Filter::Linear);
        DrawSquare(*device, red.get(), 0, 0, 20);
        Image out;
        if (!device->readFrame(out)) return std::fprintf(stderr, "no read-back\n"), 1;
        const Colour left = out.at(10, 10) & 0xFFFFFF, right = out.at(50, 10) & 0xFFFFFF;
        if (left != 0xFF0000 || right != 0x00FF00)
            return std::fprintf(stderr, "red quad shows %06x, green quad %06x\n", left, right), 1;
        device->present();
    }
    std::fprintf(stderr, "every quad showed its own texture\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "no-opengl") == 0) return NoOpenGl();
    if (argc == 2 && std::strcmp(argv[1], "probe") == 0) return Probe();
    if (argc == 2 && std::strcmp(argv[1], "gl-binding") == 0) return GlBinding();
    std::fprintf(stderr, "usage: x11_device_check no-opengl|probe|gl-binding\n");
    return 2;
}
