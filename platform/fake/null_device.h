#pragma once
// A device that draws nothing, for measuring the game's own cost per frame:
// every call returns at once and allocates nothing. Textures it loads are
// empty stand-ins of the requested size, so sprites keep their coordinates.
#include "platform/platform.h"

namespace glyphora::platform {

class NullDevice final : public Device {
public:
    void clear(Colour) override {}
    void fillRect(Rect, Colour) override {}
    void drawQuad(const Texture*, const QuadVertices&) override {}
    void setAlphaSource(AlphaSource) override {}
    void setFilter(Filter) override {}
    void present() override {}
    std::unique_ptr<Texture> loadTexture(const std::string& path, FileForm form, Size requested,
                                         Colour colourKey) override;
    std::unique_ptr<Texture> createTexture(const Image& image) override;
    bool readFrame(Image&) override { return false; }
};

// A window whose device is a NullDevice; it never shows anything.
class NullDeviceWindow final : public Window {
public:
    bool open(const WindowSpec&) override { return true; }
    void move(Point) override {}
    void minimise() override {}
    void setIcon(const std::string&) override {}
    std::unique_ptr<Device> createDevice() override { return std::make_unique<NullDevice>(); }
};

}  // namespace glyphora::platform
