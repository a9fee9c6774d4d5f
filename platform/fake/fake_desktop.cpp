#include "platform/fake/fake_desktop.h"

namespace glyphora::platform {

MessageBoxAnswer FakeDesktop::messageBox(const std::string& caption, const std::string& text, MessageBoxStyle style) {
    boxes.push_back({caption, text, style});
    return style == MessageBoxStyle::Error ? MessageBoxAnswer::Ok : answer;
}

}  // namespace glyphora::platform
