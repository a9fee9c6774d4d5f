#pragma once
// HTTP over libcurl, loaded on first use: a reachability probe, a download
// into a file, and sessions whose requests share one connection.
#include <memory>

#include "platform/platform.h"

namespace glyphora::platform {

class CurlLibrary;

class CurlHttp final : public Http {
public:
    CurlHttp();
    ~CurlHttp() override;
    CurlHttp(const CurlHttp&) = delete;
    CurlHttp& operator=(const CurlHttp&) = delete;

    bool probe(const std::string& url, std::uint32_t timeoutMs) override;
    bool download(const std::string& url, const std::string& path) override;
    std::unique_ptr<HttpSession> openSession() override;

private:
    // The library, loaded by the first request; nullptr while not loaded or
    // when it cannot be (the failure is remembered).
    const CurlLibrary* library();

    std::unique_ptr<CurlLibrary> library_;
    bool loadTried_ = false;
};

}  // namespace glyphora::platform
