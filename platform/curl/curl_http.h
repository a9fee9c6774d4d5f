#pragma once
// HTTP over libcurl: a reachability probe and a download into a file.
#include "platform/platform.h"

namespace glyphora::platform {

class CurlHttp final : public Http {
public:
    CurlHttp();
    ~CurlHttp() override;
    CurlHttp(const CurlHttp&) = delete;
    CurlHttp& operator=(const CurlHttp&) = delete;

    bool probe(const std::string& url, std::uint32_t timeoutMs) override;
    bool download(const std::string& url, const std::string& path) override;
};

}  // namespace glyphora::platform
