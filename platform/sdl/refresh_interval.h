#pragma once
// The display's refresh interval, which paces frames where no vertical sync
// does.
#include <chrono>

namespace glyphora::platform {

// The interval of display 0's refresh; 60 Hz when the display does not say.
std::chrono::microseconds DisplayRefreshInterval();

}  // namespace glyphora::platform
