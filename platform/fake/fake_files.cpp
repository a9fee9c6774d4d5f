#include "platform/fake/fake_files.h"

#include <filesystem>

namespace glyphora::platform {

namespace fs = std::filesystem;

bool FakeFiles::copy(const std::string& from, const std::string& to) {
    copies.emplace_back(from, to);
    if (failCopies) return false;
    std::error_code error;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
}

bool FakeFiles::moveReplacing(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
}

bool FakeFiles::exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool FakeFiles::remove(const std::string& path) {
    std::error_code error;
    return fs::remove(path, error);
}

bool FakeFiles::makeFolder(const std::string& path) {
    std::error_code error;
    fs::create_directories(path, error);
    return !error && fs::is_directory(path, error);
}

}  // namespace glyphora::platform
