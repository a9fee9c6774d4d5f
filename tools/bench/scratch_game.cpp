#include "tools/bench/scratch_game.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace glyphora::bench {
namespace fs = std::filesystem;

ScratchGame::ScratchGame() {
    const fs::path game = fs::canonical("/proc/self/exe").parent_path().parent_path() / "Glyphora";
    if (!fs::exists(game / "Data" / "Game")) {
        std::fprintf(stderr, "glyphora-bench: no assembled game at %s\n", game.c_str());
        return;
    }
    std::string pattern = (fs::temp_directory_path() / "glyphora-bench-XXXXXX").string();
    scratch_ = ::mkdtemp(pattern.data());
    fs::copy(game, scratch_ / "Glyphora", fs::copy_options::recursive);
    fs::create_directories(scratch_ / "xdg");
    setenv("XDG_DATA_HOME", (scratch_ / "xdg").c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    previous_ = fs::current_path();
    fs::current_path(scratch_ / "Glyphora" / "Data");
    ready_ = true;
}

ScratchGame::~ScratchGame() {
    std::error_code ignored;
    if (!previous_.empty()) fs::current_path(previous_, ignored);
    if (!scratch_.empty()) fs::remove_all(scratch_, ignored);
}

}  // namespace glyphora::bench
