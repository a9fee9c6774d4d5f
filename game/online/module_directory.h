#pragma once
// The folder of the running program, and paths of the game folder around it.
#include <string>

#include "platform/platform.h"

namespace glyphora {

// The folder that holds the running program, with its trailing "/".
std::string ModuleDirectory(platform::Files& files);

// A path relative to the program's folder ("../Manual/Manual.pdf"), made
// absolute and without "." or ".." parts, so it does not depend on the
// current folder.
std::string BesideModule(platform::Files& files, const std::string& relative);

}  // namespace glyphora
