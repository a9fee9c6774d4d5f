#pragma once
// A fresh, empty temporary folder for one test, removed afterwards. With
// enter = true the test runs inside it (the data code uses paths relative to
// the working folder, as the game does) and the previous working folder is
// restored afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace glyphora::testing {

class ScratchDir {
public:
    explicit ScratchDir(bool enter = false) {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("glyphora-test-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
        if (enter) {
            previous_ = std::filesystem::current_path();
            std::filesystem::current_path(path_);
        }
    }
    ~ScratchDir() {
        std::error_code ignored;
        if (!previous_.empty()) std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }
    // The bytes of a file below the folder, and writing them.
    std::string read(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ScratchDir::read(const std::string& name) const { return ReadBytes(file(name)); }
inline void ScratchDir::write(const std::string& name, const std::string& bytes) const {
    WriteBytes(file(name), bytes);
}

}  // namespace glyphora::testing
