#pragma once
// The exchange with the online high-score server: the local tables are sent
// entry by entry, then the server's tables open in the player's browser,
// showing the player's own names and groups. Runs on the caller's thread and
// blocks until done.
#include <cstdint>
#include <string>
#include <string_view>

#include "game/data/data_paths.h"
#include "game/data/score_table.h"
#include "platform/platform.h"

namespace glyphora {

inline constexpr const char* kConnectingMessage = "CONNECTING TO GLYPHORA HIGH SCORES SERVER...";
inline constexpr const char* kUnreachableMessage = "UNABLE TO CONNECT TO THE HIGH SCORES SERVER.";
inline constexpr std::uint32_t kUnreachableMessageMs = 5000;
inline constexpr std::uint32_t kProbeTimeoutMs = 3000;
inline constexpr int kPlayerGroupCount = 5;

// The high-score screen's status line.
class ExchangeStatus {
public:
    virtual ~ExchangeStatus() = default;
    // Shows text for durationMs of game time (0: until hidden) and puts it on
    // screen at once: the exchange blocks the frame loop.
    virtual void show(std::string_view text, std::uint32_t durationMs) = 0;
    virtual void hide() = 0;
};

// What the exchange sends and shows, read from the game as it starts.
struct ExchangeRequest {
    std::string server;                    // base address, no trailing "/" (see server_address.h)
    std::string replyPath = paths::kTemp;  // each write reply replaces it; never read
    ScoreTable table;
    std::int32_t scores[ScoreStore::kDifficulties][ScoreStore::kRanks] = {};  // [d][rank - 1]
    std::string regcode;
    std::string groups[kPlayerGroupCount];
    int shownDifficulty = 1;  // the table the show page opens on
    // Where the window is put back once the browser has been started.
    platform::Point windowPosition;
};

struct ExchangeServices {
    platform::Http& http;
    platform::Shell& shell;
    platform::Window& window;
    ExchangeStatus& status;
};

struct ExchangeReport {
    bool connected = false;   // the probe was answered
    int sent = 0;             // write requests made
    int answered = 0;         // of them, answered with any HTTP status
    bool pageOpened = false;  // the shell accepted the show page
};

// True when the server's health page answers within kProbeTimeoutMs.
bool ProbeConnection(platform::HttpSession& session, const std::string& server);

// The status line, the probe, six write requests per submitted entry (one
// without a group, then one for each of the five group names), the show page
// in the browser and the window put back. When the server cannot be reached
// the status line says so for kUnreachableMessageMs and nothing is sent.
// Refusals of single entries are not reported; a server that stops
// answering ends the submissions (each further request would wait out its
// own time-out) and the show page opens all the same.
ExchangeReport RunScoreExchange(const ExchangeRequest& request, ExchangeServices& services);

// The show page's address for the request (see RunScoreExchange).
std::string ShowPageUrl(const ExchangeRequest& request);

}  // namespace glyphora
