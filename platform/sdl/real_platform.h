#pragma once
// The platform that the shipped programs run on: owns every real service and
// hands them out as a Platform bundle.
#include "platform/curl/curl_http.h"
#include "platform/fonts/fontconfig_fonts.h"
#include "platform/posix/posix_services.h"
#include "platform/sdl/sdl_video.h"

namespace glyphora::platform {

class RealPlatform {
public:
    RealPlatform();
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

    Platform& bundle() { return bundle_; }
    SdlVideo& video() { return video_; }

private:
    SdlVideo video_;
    SystemClock clock_;
    FontconfigFonts fonts_;
    PosixFiles files_;
    PosixLibraries libraries_;
    PosixProcesses processes_;
    XdgShell shell_;
    CurlHttp http_;
    Platform bundle_;
};

}  // namespace glyphora::platform
