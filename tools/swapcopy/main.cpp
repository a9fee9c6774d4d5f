// glyphora-swapcopy IN OUT: writes IN to OUT in the byte-pair-swapped form in
// which the game stores its pictures, sounds, word list and score table.
#include <cstdio>
#include <filesystem>

#include "common/swap_file_bytes.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: glyphora-swapcopy IN OUT\n");
        return 2;
    }
    std::error_code error;
    std::filesystem::copy_file(argv[1], argv[2], std::filesystem::copy_options::overwrite_existing, error);
    if (error || !glyphora::SwapFileBytes(argv[2])) {
        std::fprintf(stderr, "glyphora-swapcopy: cannot store %s as %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
