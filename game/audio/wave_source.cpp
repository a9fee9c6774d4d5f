#include "game/audio/wave_source.h"

#include <algorithm>
#include <cstring>

namespace glyphora {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

class FileSource final : public WaveSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    std::size_t read(void* into, std::size_t size) override { return std::fread(into, 1, size, file_.get()); }
    bool seek(std::int64_t position) override {
        return position >= 0 && std::fseek(file_.get(), static_cast<long>(position), SEEK_SET) == 0;
    }
    std::int64_t position() override { return std::ftell(file_.get()); }
    std::int64_t size() override {
        if (size_ < 0) {
            const long here = std::ftell(file_.get());
            if (std::fseek(file_.get(), 0, SEEK_END) == 0) size_ = std::ftell(file_.get());
            std::fseek(file_.get(), here, SEEK_SET);
        }
        return size_;
    }

private:
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::int64_t size_ = -1;
};

class MemorySource final : public WaveSource {
public:
    explicit MemorySource(std::span<const unsigned char> bytes) : bytes_(bytes) {}
    std::size_t read(void* into, std::size_t size) override {
        if (position_ >= bytes_.size()) return 0;
        const std::size_t count = std::min(size, bytes_.size() - position_);
        std::memcpy(into, bytes_.data() + position_, count);
        position_ += count;
        return count;
    }
    bool seek(std::int64_t position) override {
        if (position < 0) return false;
        position_ = static_cast<std::size_t>(position);
        return true;
    }
    std::int64_t position() override { return static_cast<std::int64_t>(position_); }
    std::int64_t size() override { return static_cast<std::int64_t>(bytes_.size()); }

private:
    std::span<const unsigned char> bytes_;
    std::size_t position_ = 0;
};

}  // namespace

std::unique_ptr<WaveSource> OpenWaveFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    return std::make_unique<FileSource>(file);
}

std::unique_ptr<WaveSource> ViewWaveBytes(std::span<const unsigned char> bytes) {
    return std::make_unique<MemorySource>(bytes);
}

}  // namespace glyphora
