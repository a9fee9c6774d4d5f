#pragma once
// A device for measuring frames: forwards everything to the real device but
// does not present, since presenting waits for the display's refresh, which
// is not the frame's cost.
#include <memory>
#include <utility>

#include "platform/platform.h"

namespace glyphora::bench {

class UnpresentedDevice final : public platform::Device {
public:
    explicit UnpresentedDevice(std::unique_ptr<platform::Device> inner) : inner_(std::move(inner)) {}
    void clear(platform::Colour c) override { inner_->clear(c); }
    void fillRect(platform::Rect r, platform::Colour c) override { inner_->fillRect(r, c); }
    void drawQuad(const platform::Texture* t, const platform::QuadVertices& q) override { inner_->drawQuad(t, q); }
    void setAlphaSource(platform::AlphaSource s) override { inner_->setAlphaSource(s); }
    void setFilter(platform::Filter f) override { inner_->setFilter(f); }
    void present() override {}
    std::unique_ptr<platform::Texture> loadTexture(const std::string& path, platform::FileForm form,
                                                   platform::Size size, platform::Colour key) override {
        return inner_->loadTexture(path, form, size, key);
    }
    std::unique_ptr<platform::Texture> createTexture(const platform::Image& image) override {
        return inner_->createTexture(image);
    }
    bool readFrame(platform::Image& out) override { return inner_->readFrame(out); }

private:
    std::unique_ptr<platform::Device> inner_;
};

}  // namespace glyphora::bench
