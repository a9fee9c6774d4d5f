#include "tools/bench/x_watch.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "platform/png/png_image.h"

namespace glyphora::bench {
namespace {

constexpr char kTitle[] = "Glyphora";

struct Connection {
    Connection() : c(xcb_connect(nullptr, nullptr)) {}
    ~Connection() { xcb_disconnect(c); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    bool ok() const { return !xcb_connection_has_error(c); }
    xcb_connection_t* c;
};

bool Titled(xcb_connection_t* c, xcb_window_t window) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 0, 64), nullptr);
    bool match = false;
    if (reply) {
        const int length = xcb_get_property_value_length(reply);
        match = length == int(std::strlen(kTitle)) &&
                std::memcmp(xcb_get_property_value(reply), kTitle, std::size_t(length)) == 0;
        std::free(reply);
    }
    return match;
}

// The game's window: searched through the tree, since the window manager
// puts it inside a frame of its own.
xcb_window_t FindWindow(xcb_connection_t* c, xcb_window_t under) {
    if (Titled(c, under)) return under;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, under), nullptr);
    if (!tree) return XCB_NONE;
    xcb_window_t found = XCB_NONE;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && found == XCB_NONE; ++i)
        found = FindWindow(c, children[i]);
    std::free(tree);
    return found;
}

// The window's pixels as ARGB (alpha forced), or an empty picture.
platform::Image Grab(xcb_connection_t* c, xcb_window_t window) {
    platform::Image image;
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (!geometry) return image;
    const int width = geometry->width, height = geometry->height;
    std::free(geometry);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, std::uint16_t(width), std::uint16_t(height), ~0u),
        nullptr);
    if (!reply) return image;
    if (xcb_get_image_data_length(reply) == width * height * 4) {
        const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply));
        image.width = width, image.height = height;
        image.pixels.assign(data, data + std::size_t(width) * std::size_t(height));
        for (platform::Colour& p : image.pixels) p |= 0xFF000000u;
    }
    std::free(reply);
    return image;
}

bool Close(platform::Colour a, platform::Colour b) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 12) return false;
    return true;
}

// The share of pixels that differ from the reference by more than 8 in a channel.
double DifferingShare(const platform::Image& shot, const platform::Image& reference) {
    long differing = 0;
    for (std::size_t i = 0; i < shot.pixels.size(); ++i) {
        const platform::Colour a = shot.pixels[i], b = reference.pixels[i];
        for (int shift = 0; shift < 24; shift += 8) {
            if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 8) {
                ++differing;
                break;
            }
        }
    }
    return double(differing) / double(shot.pixels.size());
}

// Nearly all of a grid of points match: a peeking picture may cover a few.
bool Shows(const platform::Image& shot, const platform::Image& reference) {
    if (shot.width != reference.width || shot.height != reference.height) return false;
    int matching = 0, points = 0;
    for (int y = 5; y < shot.height; y += 20)
        for (int x = 5; x < shot.width; x += 20, ++points) matching += Close(shot.at(x, y), reference.at(x, y));
    return matching * 100 >= points * 97;
}

long long NowNs() {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return (long long)now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

}  // namespace

bool SaveWindowShot(const char* path) {
    Connection x;
    if (!x.ok()) return false;
    const xcb_window_t window = FindWindow(x.c, xcb_setup_roots_iterator(xcb_get_setup(x.c)).data->root);
    if (window == XCB_NONE) return false;
    const platform::Image shot = Grab(x.c, window);
    return shot.width > 0 && platform::SavePng(path, shot);
}

bool WaitForPicture(const char* referencePng, long long startNs, int timeoutMs) {
    platform::Image reference;
    Connection x;
    if (!platform::LoadPng(referencePng, reference) || !x.ok()) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x.c)).data->root;
    xcb_window_t window = XCB_NONE;
    while (NowNs() - startNs < (long long)timeoutMs * 1'000'000LL) {
        if (window == XCB_NONE) window = FindWindow(x.c, root);
        if (window != XCB_NONE && Shows(Grab(x.c, window), reference)) {
            std::printf("%.0f\n", double(NowNs() - startNs) / 1e6);
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(window == XCB_NONE ? 2 : 4));
    }
    return false;
}

int CountStrangeFrames(const char* referencePng, int count, const char* savePrefix) {
    platform::Image reference;
    Connection x;
    if (!platform::LoadPng(referencePng, reference) || !x.ok()) return -1;
    const xcb_window_t window = FindWindow(x.c, xcb_setup_roots_iterator(xcb_get_setup(x.c)).data->root);
    if (window == XCB_NONE) return -1;
    int strange = 0;
    for (int i = 0; i < count; ++i) {
        const platform::Image shot = Grab(x.c, window);
        if (shot.width != reference.width || shot.height != reference.height) return -1;
        if (DifferingShare(shot, reference) > 0.2) {
            if (savePrefix) platform::SavePng(std::string(savePrefix) + std::to_string(strange) + ".png", shot);
            ++strange;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return strange;
}

}  // namespace glyphora::bench
