#pragma once
// The score server's HTTP side: write.php stores one signed entry, show.php
// renders the tables, /health answers the game's probe, and the title face
// is served for the page. Requests are served by a fixed pool of threads.
#include <memory>
#include <string>

#include "server/rate_limiter.h"
#include "server/storage.h"

namespace glyphora::server {

inline constexpr const char* kWritePath = "/glyphora/highscores/write.php";
inline constexpr const char* kShowPath = "/glyphora/highscores/show.php";
inline constexpr const char* kHealthPath = "/health";

struct ServerOptions {
    std::string host = "0.0.0.0";
    int port = 8047;                    // 0: any free port
    int threads = 16;                   // each serves one connection at a time
    RateLimit perInstallation{200, 1};  // two whole exchanges at once, then one entry a second
    RateLimit perAddress{2000, 20};     // a school's players behind one address
    bool behindProxy = false;           // take the client's address from X-Forwarded-For
    std::string fontFile = "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Regular.otf";
};

class ScoreServer {
public:
    ScoreServer(ScoreStorage& storage, ServerOptions options);
    ~ScoreServer();
    ScoreServer(const ScoreServer&) = delete;
    ScoreServer& operator=(const ScoreServer&) = delete;

    // Binds the listening socket; the port bound, or -1 when it cannot be.
    int bind();
    // Serves until stop() is called; false when it could not serve at all.
    bool serve();
    // Ends serve(); safe from any thread.
    void stop();
    // Whether serve() has started accepting connections.
    bool running() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace glyphora::server
