#include "platform/fake/null_device.h"

namespace glyphora::platform {
namespace {

class NullTexture final : public Texture {
public:
    explicit NullTexture(Size size) : size_(size) {}
    Size size() const override { return size_; }

private:
    Size size_;
};

}  // namespace

std::unique_ptr<Texture> NullDevice::loadTexture(const std::string&, FileForm, Size requested, Colour) {
    return std::make_unique<NullTexture>(requested);
}

std::unique_ptr<Texture> NullDevice::createTexture(const Image& image) {
    return std::make_unique<NullTexture>(Size{image.width, image.height});
}

}  // namespace glyphora::platform
