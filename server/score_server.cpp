#include "server/score_server.h"

#include <httplib.h>
#include <sys/socket.h>

#include <fstream>
#include <iterator>

#include "server/query.h"
#include "server/show_page.h"
#include "server/submission.h"

namespace glyphora::server {
namespace {

constexpr std::size_t kMaxBody = 1024;
constexpr time_t kTimeoutSeconds = 5;
constexpr std::size_t kKeepAliveRequests = 1000;  // an exchange sends up to 91 requests on one connection
constexpr const char* kTextType = "text/plain; charset=utf-8";
constexpr const char* kHtmlType = "text/html; charset=utf-8";

void Refuse(httplib::Response& response, int status, const std::string& reason) {
    response.status = status;
    response.set_content(reason + "\n", kTextType);
    if (status == 429) response.set_header("Retry-After", "1");
}

// The raw query of the request: the game's escapes arrive undecoded.
std::string_view RawQuery(const httplib::Request& request) {
    const std::string_view target = request.target;
    const std::size_t mark = target.find('?');
    return mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1);
}

std::string StatusReason(int status) {
    switch (status) {
        case 400: return "bad request";
        case 404: return "not found";
        case 413: return "request too large";
        case 414: return "request too long";
        case 431: return "request headers too large";
        default: return "status " + std::to_string(status);
    }
}

std::string LoadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

struct ScoreServer::Impl {
    Impl(ScoreStorage& storage, ServerOptions options)
        : storage(storage),
          options(std::move(options)),
          perInstallation(this->options.perInstallation),
          perAddress(this->options.perAddress),
          font(LoadFile(this->options.fontFile)) {}

    void route();
    void configure();
    std::string clientAddress(const httplib::Request& request) const;
    void write(const httplib::Request& request, httplib::Response& response);
    void show(const httplib::Request& request, httplib::Response& response);
    void health(httplib::Response& response);

    ScoreStorage& storage;
    ServerOptions options;
    RateLimiter perInstallation;
    RateLimiter perAddress;
    std::string font;
    httplib::Server http;
    int socket = -1;
};

// Behind a proxy the last address of X-Forwarded-For is the one the proxy
// saw; the ones before it are the client's own claims.
std::string ScoreServer::Impl::clientAddress(const httplib::Request& request) const {
    if (!options.behindProxy || !request.has_header("X-Forwarded-For")) return request.remote_addr;
    const std::string forwarded = request.get_header_value("X-Forwarded-For");
    const std::size_t comma = forwarded.rfind(',');
    std::string last = forwarded.substr(comma == std::string::npos ? 0 : comma + 1);
    last.erase(0, last.find_first_not_of(' '));
    return last.empty() ? request.remote_addr : last;
}

void ScoreServer::Impl::write(const httplib::Request& request, httplib::Response& response) {
    if (!perAddress.allow(clientAddress(request))) return Refuse(response, 429, "too many requests from this address");
    const std::string_view query = RawQuery(request);
    if (query.size() > kMaxQueryLength) return Refuse(response, 414, "request too long");
    const ParsedSubmission parsed = ParseSubmission(query);
    if (!parsed.submission) return Refuse(response, 400, parsed.reason);
    const Submission& submission = *parsed.submission;
    if (!SignatureMatches(submission)) return Refuse(response, 403, "signature does not match");
    if (!perInstallation.allow(submission.entry.regcode))
        return Refuse(response, 429, "too many requests from this installation");
    switch (storage.store(submission.entry, submission.group)) {
        case StoreResult::kStored: return response.set_content("stored\n", kTextType);
        case StoreResult::kAlreadyStored: return response.set_content("already stored\n", kTextType);
        case StoreResult::kFailed: return Refuse(response, 503, "storage unavailable");
    }
}

void ScoreServer::Impl::show(const httplib::Request& request, httplib::Response& response) {
    response.set_header("Cache-Control", "no-cache");
    const auto page = [&](int status, const std::string& html) {
        response.status = status;
        response.set_content(html, kHtmlType);
    };
    if (!perAddress.allow(clientAddress(request))) return page(429, RenderErrorPage("too many requests"));
    const std::string_view query = RawQuery(request);
    if (query.size() > kMaxQueryLength) return page(414, RenderErrorPage("request too long"));
    const ParsedShowRequest parsed = ParseShowRequest(query);
    if (!parsed.reason.empty()) return page(400, RenderErrorPage(parsed.reason));
    ShowTables tables;
    for (int d = 0; d < kDifficulties; ++d) {
        auto rows = storage.table(d, parsed.request.group, kTableLength);
        if (!rows) return page(503, RenderErrorPage("the tables are not available just now"));
        tables.rows[d] = std::move(*rows);
    }
    page(200, RenderShowPage(parsed.request, tables));
}

void ScoreServer::Impl::health(httplib::Response& response) {
    if (storage.healthy()) response.set_content("ok\n", kTextType);
    else Refuse(response, 503, "storage unavailable");
}

void ScoreServer::Impl::route() {
    http.Get(kWritePath, [this](const httplib::Request& q, httplib::Response& r) { write(q, r); });
    http.Get(kShowPath, [this](const httplib::Request& q, httplib::Response& r) { show(q, r); });
    http.Get(kHealthPath, [this](const httplib::Request&, httplib::Response& r) { health(r); });
    http.Get(kFontPath, [this](const httplib::Request&, httplib::Response& r) {
        if (font.empty()) return Refuse(r, 404, "not found");
        r.set_header("Cache-Control", "max-age=604800");
        r.set_content(font, "font/otf");
    });
    http.Get(R"(/|/glyphora/highscores/?)",
             [](const httplib::Request&, httplib::Response& r) { r.set_redirect(kShowPath); });
    const auto notGet = [](const httplib::Request&, httplib::Response& r) { Refuse(r, 405, "only GET is served"); };
    http.Post(".*", notGet);
    http.Put(".*", notGet);
    http.Patch(".*", notGet);
    http.Delete(".*", notGet);
    http.Options(".*", notGet);
}

// Statuses without a body of their own (no route, a request too large or
// too slow for httplib's limits) get a one-line reason as well.
void ScoreServer::Impl::configure() {
    const int threads = std::max(options.threads, 1);
    http.new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<size_t>(threads)); };
    http.set_keep_alive_max_count(kKeepAliveRequests);
    http.set_keep_alive_timeout(kTimeoutSeconds);
    http.set_read_timeout(kTimeoutSeconds, 0);
    http.set_write_timeout(kTimeoutSeconds, 0);
    http.set_payload_max_length(kMaxBody);
    http.set_tcp_nodelay(true);  // or each small reply waits for the client's delayed acknowledgement
    // httplib's default also sets SO_REUSEPORT, which lets a second server
    // start on a port in use and silently take half of its connections.
    http.set_socket_options([](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    http.set_error_handler([](const httplib::Request&, httplib::Response& r) {
        if (r.body.empty()) r.set_content(StatusReason(r.status) + "\n", kTextType);
    });
    http.set_exception_handler(
        [](const httplib::Request&, httplib::Response& r, std::exception_ptr) { Refuse(r, 500, "internal error"); });
}

ScoreServer::ScoreServer(ScoreStorage& storage, ServerOptions options)
    : impl_(std::make_unique<Impl>(storage, std::move(options))) {
    impl_->configure();
    impl_->route();
}

ScoreServer::~ScoreServer() { stop(); }

int ScoreServer::bind() {
    if (impl_->options.port == 0) return impl_->http.bind_to_any_port(impl_->options.host);
    return impl_->http.bind_to_port(impl_->options.host, impl_->options.port) ? impl_->options.port : -1;
}

bool ScoreServer::serve() { return impl_->http.listen_after_bind(); }
void ScoreServer::stop() { impl_->http.stop(); }
bool ScoreServer::running() const { return impl_->http.is_running(); }

}  // namespace glyphora::server
