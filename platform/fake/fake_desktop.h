#pragma once
#include <string>
#include <vector>

#include "platform/platform.h"

namespace glyphora::platform {

// A desktop of a given screen size that records every message box and
// answers each with `answer` (Ok for an error box).
class FakeDesktop : public Desktop {
public:
    struct Box {
        std::string caption;
        std::string text;
        MessageBoxStyle style;
    };

    Point cursorPosition() override { return cursor; }
    void showCursor(bool visible) override { cursorVisible = visible; }
    Size screenSize() override { return screen; }
    int screenDensity() override { return density; }
    MessageBoxAnswer messageBox(const std::string& caption, const std::string& text, MessageBoxStyle style) override;

    Point cursor;
    bool cursorVisible = true;
    Size screen{1024, 768};
    int density = 0;  // unknown
    MessageBoxAnswer answer = MessageBoxAnswer::Yes;
    std::vector<Box> boxes;
};

}  // namespace glyphora::platform
