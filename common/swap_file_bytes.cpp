#include "common/swap_file_bytes.h"

#include <cstdio>
#include <memory>
#include <utility>

namespace glyphora {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Works through the file in blocks of an even size, so pairs never straddle
// two blocks; only the file's end can leave a single byte, which stays.
bool CopySwapped(std::FILE* in, std::FILE* out) {
    static constexpr std::size_t kBlock = 64 * 1024;
    std::unique_ptr<unsigned char[]> block(new unsigned char[kBlock]);
    for (;;) {
        const std::size_t got = std::fread(block.get(), 1, kBlock, in);
        SwapBytePairs(block.get(), got);
        if (std::fwrite(block.get(), 1, got, out) != got) return false;
        if (got < kBlock) return std::ferror(in) == 0;
    }
}

}  // namespace

void SwapBytePairs(unsigned char* bytes, std::size_t size) {
    for (std::size_t i = 0; i + 1 < size; i += 2) std::swap(bytes[i], bytes[i + 1]);
}

bool SwapFileBytes(const std::string& path) {
    const std::string temporary = path + "X";
    FilePtr in(std::fopen(path.c_str(), "rb"));
    if (!in) return false;
    FilePtr out(std::fopen(temporary.c_str(), "wb"));
    if (!out) return false;
    bool copied = CopySwapped(in.get(), out.get());
    in.reset();
    copied = (std::fclose(out.release()) == 0) && copied;
    if (!copied || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace glyphora
