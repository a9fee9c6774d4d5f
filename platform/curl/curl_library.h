#pragma once
// libcurl bound at run time: the process maps libcurl and its TLS stack only
// when the first HTTP request is made, not at start-up. curl.h is included for
// its types and constants only; every call goes through the table below.
#include <curl/curl.h>

#include <memory>

namespace glyphora::platform {

struct CurlApi {
    CURLcode (*globalInit)(long flags) = nullptr;
    void (*globalCleanup)() = nullptr;
    CURL* (*easyInit)() = nullptr;
    void (*easyCleanup)(CURL*) = nullptr;
    void (*easyReset)(CURL*) = nullptr;
    CURLcode (*easySetopt)(CURL*, CURLoption, ...) = nullptr;
    CURLcode (*easyPerform)(CURL*) = nullptr;
    CURLcode (*easyGetinfo)(CURL*, CURLINFO, ...) = nullptr;
};

// Owns the loaded library and its global state: libcurl is initialised when
// loaded and cleaned up and unloaded on destruction, which must come after
// every easy handle made through it is gone.
class CurlLibrary {
public:
    // Loads libcurl.so.4; nullptr when it is missing or lacks an entry point.
    static std::unique_ptr<CurlLibrary> Load();
    ~CurlLibrary();
    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;

    const CurlApi& api() const { return api_; }

private:
    CurlLibrary(void* handle, const CurlApi& api) : handle_(handle), api_(api) {}
    void* handle_;
    CurlApi api_;
};

}  // namespace glyphora::platform
