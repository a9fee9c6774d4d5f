#include "common/swap_file_bytes.h"

#include <cstdio>
#include <memory>

namespace glyphora {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool CopySwapped(std::FILE* in, std::FILE* out) {
    unsigned char pair[2];
    for (;;) {
        std::size_t got = std::fread(pair, 1, 2, in);
        if (got == 2) {
            unsigned char swapped[2] = {pair[1], pair[0]};
            if (std::fwrite(swapped, 1, 2, out) != 2) return false;
        } else {
            if (got == 1 && std::fwrite(pair, 1, 1, out) != 1) return false;
            return std::ferror(in) == 0;
        }
    }
}

}  // namespace

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
