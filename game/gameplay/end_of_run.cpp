#include "game/gameplay/end_of_run.h"

#include <cstdio>

#include "common/elapsed.h"
#include "game/gameplay/progression.h"

namespace glyphora {
namespace {

template <std::size_t N, typename... Values>
void Compose(std::array<char, N>& line, const char* format, Values... values) {
    std::snprintf(line.data(), N, format, values...);
}

void ComposeGameOverLines(RunState& run) {
    EndOfRun& end = run.ending;
    if (run.freeGame) {
        const int seconds = Elapsed(end.survivalEnd, run.survivalStart) / 1000;
        Compose(end.scoreLine, "your survival time is %d:%02d", seconds / 60, seconds % 60);
    } else {
        Compose(end.scoreLine, "Your score is %d", end.finalScore);
    }
    Compose(end.levelLine, "You made it to level %d", LevelNumber(run));
    Compose(end.rankLine, "You are to be signed into the High scores on rank %d", end.pendingRank);
}

}  // namespace

void EndRun(PlayModel& play, int now) {
    RunState& run = play.run;
    EndOfRun& end = run.ending;
    if (run.freeGame) end.survivalEnd = now;
    end.difficulty = run.difficulty;
    end.finalScore = play.store.runScore();
    end.pendingRank = RankFor(play.store, end.difficulty, end.finalScore, run.freeGame);
    ComposeGameOverLines(run);
}

bool NameToEnter(const RunState& run) { return run.ending.pendingRank > 0; }

InsertResult EnterName(const RunState& run, ScoreTable& table, ScoreStore& store, std::string& name) {
    const EndOfRun& end = run.ending;
    const FinishedRun finished{end.finalScore,     LevelNumber(run), run.lettersCaught,
                               run.wordsCompleted, run.bonusBars,    run.panics};
    return InsertEntry(table, store, end.difficulty, end.pendingRank, name, finished);
}

}  // namespace glyphora
