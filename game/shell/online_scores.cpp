#include "game/shell/online_scores.h"

#include "game/data/settings_file.h"
#include "game/online/server_address.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/main_loop.h"

namespace glyphora {
namespace {

// The high-score screen's connection message. The online button has already
// put the connecting message on screen, so only a change is drawn at once.
class ConnectionMessage final : public ExchangeStatus {
public:
    explicit ConnectionMessage(Game& game) : game_(game) {}
    void show(std::string_view text, std::uint32_t durationMs) override {
        MenuState& menus = game_.menus;
        const bool onScreen = menus.connectionMessageShown && menus.connectionMessage == text;
        menus.connectionMessage = std::string(text);
        menus.connectionMessageShown = true;
        menus.connectionMessageDeadline = durationMs == 0 ? 0 : GameTime(game_) + static_cast<int>(durationMs);
        if (!onScreen) DrawFrame(game_);
    }
    void hide() override {
        game_.menus.connectionMessageShown = false;
        game_.menus.connectionMessageDeadline = 0;
    }

private:
    Game& game_;
};

ExchangeRequest GatherRequest(const Game& game) {
    ExchangeRequest request;
    request.server = ReadServerAddress();
    request.table = game.scores;
    for (int d = 0; d < ScoreStore::kDifficulties; ++d)
        for (int rank = 1; rank <= ScoreStore::kRanks; ++rank) request.scores[d][rank - 1] = game.store.score(d, rank);
    request.regcode = game.settings.regcode;
    for (int i = 0; i < kPlayerGroupCount; ++i) request.groups[i] = game.settings.groups[i];
    request.shownDifficulty = game.screen.viewedDifficulty;
    request.windowPosition = ClampWindowPosition(game.shell.windowPos, game.platform.desktop->screenSize());
    return request;
}

}  // namespace

void ExchangeOnlineScores(Game& game) {
    const ExchangeRequest request = GatherRequest(game);
    ConnectionMessage status(game);
    const platform::Platform& os = game.platform;
    ExchangeServices services{*os.http, *os.shell, *os.window, status};
    RunScoreExchange(request, services);
    game.shell.windowPos = request.windowPosition;
}

}  // namespace glyphora
