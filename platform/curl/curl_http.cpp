#include "platform/curl/curl_http.h"

#include <cstdio>

#include "platform/curl/curl_library.h"

namespace glyphora::platform {
namespace {

constexpr long kConnectTimeoutMs = 5000;
constexpr long kDownloadTimeoutMs = 20000;
// The replies of a session are short pages: a server that has not answered
// one within this time is taken as gone.
constexpr long kSessionRequestTimeoutMs = 10000;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

size_t WriteToFile(char* data, size_t size, size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file));
}

// One easy handle. Its connection cache survives resetting the options, so
// the requests made through one handle share their connection.
class CurlSession final : public HttpSession {
public:
    CurlSession(const CurlApi& api, CURL* curl) : api_(api), curl_(curl) {}
    ~CurlSession() override { api_.easyCleanup(curl_); }
    CurlSession(const CurlSession&) = delete;
    CurlSession& operator=(const CurlSession&) = delete;

    bool probe(const std::string& url, std::uint32_t timeoutMs) override {
        begin(url);
        api_.easySetopt(curl_, CURLOPT_NOBODY, 1L);
        api_.easySetopt(curl_, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
        api_.easySetopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeoutMs));
        return api_.easyPerform(curl_) == CURLE_OK;
    }

    int fetch(const std::string& url, const std::string& path) override {
        return get(url, path, false, kSessionRequestTimeoutMs);
    }

    // GETs url into path by way of a side file, so that a failed request
    // never leaves a half-written page where the caller expects the reply.
    // failOnError refuses statuses of 400 and above. Returns the status, 0
    // when nothing (acceptable) came.
    int get(const std::string& url, const std::string& path, bool failOnError, long timeoutMs) {
        const std::string partial = path + ".part";
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(partial.c_str(), "wb"));
        if (!file) return 0;
        begin(url);
        api_.easySetopt(curl_, CURLOPT_WRITEFUNCTION, WriteToFile);
        api_.easySetopt(curl_, CURLOPT_WRITEDATA, file.get());
        api_.easySetopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
        api_.easySetopt(curl_, CURLOPT_TIMEOUT_MS, timeoutMs);
        api_.easySetopt(curl_, CURLOPT_FAILONERROR, failOnError ? 1L : 0L);
        const bool fetched = api_.easyPerform(curl_) == CURLE_OK;
        long status = 0;
        if (fetched) api_.easyGetinfo(curl_, CURLINFO_RESPONSE_CODE, &status);
        const bool closed = std::fclose(file.release()) == 0;
        if (fetched && closed && status > 0 && std::rename(partial.c_str(), path.c_str()) == 0)
            return static_cast<int>(status);
        std::remove(partial.c_str());
        return 0;
    }

private:
    void begin(const std::string& url) {
        api_.easyReset(curl_);
        api_.easySetopt(curl_, CURLOPT_URL, url.c_str());
        api_.easySetopt(curl_, CURLOPT_NOSIGNAL, 1L);
        api_.easySetopt(curl_, CURLOPT_FOLLOWLOCATION, 1L);
        api_.easySetopt(curl_, CURLOPT_PROTOCOLS_STR, "http,https");
    }

    const CurlApi& api_;
    CURL* curl_;
};

std::unique_ptr<CurlSession> NewSession(const CurlLibrary* library) {
    if (!library) return nullptr;
    CURL* curl = library->api().easyInit();
    if (!curl) return nullptr;
    return std::make_unique<CurlSession>(library->api(), curl);
}

}  // namespace

CurlHttp::CurlHttp() = default;
CurlHttp::~CurlHttp() = default;

const CurlLibrary* CurlHttp::library() {
    if (!loadTried_) {
        loadTried_ = true;
        library_ = CurlLibrary::Load();
    }
    return library_.get();
}

bool CurlHttp::probe(const std::string& url, std::uint32_t timeoutMs) {
    auto session = NewSession(library());
    return session && session->probe(url, timeoutMs);
}

bool CurlHttp::download(const std::string& url, const std::string& path) {
    auto session = NewSession(library());
    return session && session->get(url, path, true, kDownloadTimeoutMs) != 0;
}

std::unique_ptr<HttpSession> CurlHttp::openSession() { return NewSession(library()); }

}  // namespace glyphora::platform
