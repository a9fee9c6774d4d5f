#include "game/gameplay/game_over_screen.h"

#include <cstdio>
#include <string_view>

#include "game/data/score_file.h"
#include "game/gameplay/progression.h"
#include "game/shell/game_clock.h"
#include "game/screens/screen_layout.h"
#include "game/shell/screens.h"
#include "game/shell/saving.h"

namespace glyphora {
namespace {

constexpr Colour kGameOverText = 0xFF606060;

// One line centred horizontally in a box the width of the window.
void DrawLine(Game& game, FontName font, std::string_view text, int top, int bottom) {
    DrawFontText(game, game.fonts[font], text, {0, top, kWindowWidth, bottom}, DT_CENTER, kGameOverText);
}

void DrawButtons(Game& game) {
    PlaceScreenButtons(game, ScreenKind::GameOver);
    ImageButton* buttons = game.widgets.imageButtons;
    if (NameToEnter(game)) {
        DrawImageButton(game, buttons[OkButton]);
        return;
    }
    DrawImageButton(game, buttons[PlayAgainButton]);
    DrawImageButton(game, buttons[BackButton]);
}

void OpenNameEntryWhenDue(Game& game) {
    TextField& field = game.widgets.nameEntryField;
    if (field.active || Elapsed(GameTime(game), game.screen.gameOverEnterTime) < kNameEntryDelayMs) return;
    SetFieldActive(field, true);
}

template <std::size_t N, typename... Values>
void Compose(std::array<char, N>& line, const char* format, Values... values) {
    std::snprintf(line.data(), N, format, values...);
}

}  // namespace

bool NameToEnter(const Game& game) { return game.run.ending.pendingRank > 0; }

void ComposeGameOverLines(Game& game) {
    const RunState& run = game.run;
    EndOfRun& end = game.run.ending;
    if (run.freeGame) {
        const int seconds = Elapsed(end.survivalEnd, run.survivalStart) / 1000;
        Compose(end.scoreLine, "your survival time is %d:%02d", seconds / 60, seconds % 60);
    } else {
        Compose(end.scoreLine, "Your score is %d", end.finalScore);
    }
    Compose(end.levelLine, "You made it to level %d", LevelNumber(run));
    Compose(end.rankLine, "You are to be signed into the High scores on rank %d", end.pendingRank);
}

void DrawGameOverScreen(Game& game) {
    DrawButtons(game);
    if (game.store.cheated()) {
        DrawLine(game, GameOverFont28a, "Cheater!", 170, 210);
        return;
    }
    const EndOfRun& end = game.run.ending;
    DrawLine(game, GameOverFont28a, end.scoreLine.data(), 135, 175);
    DrawLine(game, GameOverFont28b, end.levelLine.data(), 165, 205);
    if (!NameToEnter(game)) return;
    OpenNameEntryWhenDue(game);
    DrawLine(game, GameOverFont22, end.rankLine.data(), 215, 365);
    DrawLine(game, GameOverFont22, "Type your name below:", 240, 390);
    DrawTextField(game, game.widgets.nameEntryField);
}

void ConfirmName(Game& game) {
    const EndOfRun& end = game.run.ending;
    if (!NameToEnter(game) || game.screen.current != ScreenKind::GameOver) return;
    const RunState& run = game.run;
    const FinishedRun finished{end.finalScore, LevelNumber(run), run.lettersCaught, run.wordsCompleted,
                               run.bonusBars, run.panics};
    const InsertResult result = InsertEntry(game.scores, game.store, end.difficulty, end.pendingRank,
                                            game.widgets.nameEntryField.label, finished);
    if (result != InsertResult::kStored) return;
    game.screen.lastAchievedPlace = end.pendingRank;
    SaveGameSettings(game);
    game.screen.viewedDifficulty = end.difficulty;
    SwitchScreen(game, ScreenKind::HighScores);
    SaveGameScores(game);
}

}  // namespace glyphora
