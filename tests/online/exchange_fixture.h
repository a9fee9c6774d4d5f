#pragma once
// Shared by the exchange tests: a status line that records what it was told,
// and the platform pieces the exchange uses besides HTTP.
#include <string>
#include <vector>

#include "game/online/score_exchange.h"
#include "platform/fake/fake_platform.h"

namespace glyphora::testing {

class RecordedStatus final : public ExchangeStatus {
public:
    void show(std::string_view text, std::uint32_t durationMs) override {
        log.push_back("show " + std::string(text) + " for " + std::to_string(durationMs));
    }
    void hide() override { log.push_back("hide"); }
    std::vector<std::string> log;
};

struct ExchangeDesk {
    explicit ExchangeDesk(platform::Http& http) : services{http, shell, window, status} {}
    platform::FakeShell shell;
    platform::FakeWindow window;
    RecordedStatus status;
    ExchangeServices services;
};

inline void SetEntry(ExchangeRequest& request, int difficulty, int rank, const std::string& name, std::int32_t score,
                     std::int32_t level = 1, std::int32_t letters = 0, std::int32_t words = 0, std::int32_t bars = 0,
                     std::int32_t panics = 0) {
    request.table.at(difficulty, rank) = ScoreEntry{name, level, letters, words, bars, panics};
    request.scores[difficulty][rank - 1] = score;
}

}  // namespace glyphora::testing
