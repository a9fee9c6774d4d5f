#include "platform/sdl/real_platform.h"

namespace glyphora::platform {

RealPlatform::RealPlatform() {
    bundle_.window = &video_;
    bundle_.messages = &video_;
    bundle_.desktop = &video_;
    bundle_.clock = &clock_;
    bundle_.fonts = &fonts_;
    bundle_.files = &files_;
    bundle_.libraries = &libraries_;
    bundle_.processes = &processes_;
    bundle_.shell = &shell_;
    bundle_.http = &http_;
}

}  // namespace glyphora::platform
