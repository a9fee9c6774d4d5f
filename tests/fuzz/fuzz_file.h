#pragma once
// The fuzz input as a file: the readers under test read files, so each input
// is written to one scratch file per process, replaced at every run.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace glyphora::fuzz {

inline const std::string& ScratchPath() {
    static const std::string path = [] {
        // Memory-backed when possible: a disk-backed file costs most of a run.
        const char* folder = std::getenv("TMPDIR");
        if (!folder) folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(folder) + "/glyphora-fuzz-" + std::to_string(getpid());
    }();
    return path;
}

inline const std::string& WriteInput(const unsigned char* data, std::size_t size) {
    const std::string& path = ScratchPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    return path;
}

// A broken promise of the reader: report it as a finding.
inline void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace glyphora::fuzz
