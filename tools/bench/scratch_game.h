#pragma once
// A scratch copy of the assembled game folder to run the real game in, with
// a scratch XDG_DATA_HOME and headless drivers; removed afterwards.
#include <filesystem>

namespace glyphora::bench {

class ScratchGame {
public:
    // False from ready() when there is no assembled game beside the tools.
    ScratchGame();
    ~ScratchGame();
    ScratchGame(const ScratchGame&) = delete;
    ScratchGame& operator=(const ScratchGame&) = delete;
    bool ready() const { return ready_; }

private:
    std::filesystem::path scratch_;
    std::filesystem::path previous_;
    bool ready_ = false;
};

}  // namespace glyphora::bench
