#include "platform/curl/curl_library.h"

#include <dlfcn.h>

namespace glyphora::platform {
namespace {

constexpr const char* kLibraryName = "libcurl.so.4";

template <typename Function>
bool Bind(void* handle, const char* name, Function& out) {
    out = reinterpret_cast<Function>(dlsym(handle, name));
    return out != nullptr;
}

bool BindAll(void* handle, CurlApi& api) {
    return Bind(handle, "curl_global_init", api.globalInit) && Bind(handle, "curl_global_cleanup", api.globalCleanup) &&
           Bind(handle, "curl_easy_init", api.easyInit) && Bind(handle, "curl_easy_cleanup", api.easyCleanup) &&
           Bind(handle, "curl_easy_reset", api.easyReset) && Bind(handle, "curl_easy_setopt", api.easySetopt) &&
           Bind(handle, "curl_easy_perform", api.easyPerform) && Bind(handle, "curl_easy_getinfo", api.easyGetinfo);
}

}  // namespace

std::unique_ptr<CurlLibrary> CurlLibrary::Load() {
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    CurlApi api;
    if (!BindAll(handle, api) || api.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        dlclose(handle);
        return nullptr;
    }
    return std::unique_ptr<CurlLibrary>(new CurlLibrary(handle, api));
}

CurlLibrary::~CurlLibrary() {
    api_.globalCleanup();
    dlclose(handle_);
}

}  // namespace glyphora::platform
