#include "platform/curl/curl_http.h"

#include <curl/curl.h>

#include <cstdio>
#include <memory>

namespace glyphora::platform {
namespace {

constexpr long kConnectTimeoutMs = 5000;
constexpr long kDownloadTimeoutMs = 20000;

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

Easy NewRequest(const std::string& url) {
    Easy curl(curl_easy_init());
    if (!curl) return curl;
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
    return curl;
}

size_t WriteToFile(char* data, size_t size, size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file));
}

}  // namespace

CurlHttp::CurlHttp() { curl_global_init(CURL_GLOBAL_DEFAULT); }
CurlHttp::~CurlHttp() { curl_global_cleanup(); }

bool CurlHttp::probe(const std::string& url, std::uint32_t timeoutMs) {
    Easy curl = NewRequest(url);
    if (!curl) return false;
    curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeoutMs));
    return curl_easy_perform(curl.get()) == CURLE_OK;
}

bool CurlHttp::download(const std::string& url, const std::string& path) {
    Easy curl = NewRequest(url);
    if (!curl) return false;
    // The body goes to a side file first so that a failed download never
    // leaves a half-written or error page where the caller expects the reply.
    const std::string partial = path + ".part";
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(partial.c_str(), "wb"));
    if (!file) return false;
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, WriteToFile);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, file.get());
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, kDownloadTimeoutMs);
    curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
    const bool fetched = curl_easy_perform(curl.get()) == CURLE_OK;
    const bool closed = std::fclose(file.release()) == 0;
    if (fetched && closed && std::rename(partial.c_str(), path.c_str()) == 0) return true;
    std::remove(partial.c_str());
    return false;
}

}  // namespace glyphora::platform
