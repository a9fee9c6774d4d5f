#include "game/online/module_directory.h"

#include <filesystem>

namespace glyphora {

std::string ModuleDirectory(platform::Files& files) {
    std::string folder = files.programFolder();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string BesideModule(platform::Files& files, const std::string& relative) {
    // Only the text of the path is worked on; nothing is asked of the system.
    return std::filesystem::path(ModuleDirectory(files) + relative).lexically_normal().string();
}

}  // namespace glyphora
