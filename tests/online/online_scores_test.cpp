// The high-score screen's online button runs the exchange with the game's
// own pieces: its tables, identifier, the group names being edited, the
// server named beside the settings, its status line and its window.
#include "game/shell/online_scores.h"

#include "support/started_game.h"

namespace glyphora {
namespace {

using OnlineButton = testing::StartedGame;

TEST_F(OnlineButton, SendsTheTablesWithTheGroupsBeingEditedAndPutsTheWindowBack) {
    scratch.write("Data/Server.txt", "http://scores.example:8047/\n");
    game.settings.regcode = "0A1B2C3D4E5F6G7H8I9J";
    game.scores.at(1, 1) = ScoreEntry{"Ada", 3, 40, 5, 1, 0};
    game.store.setScore(1, 1, 300);
    game.settings.difficulty = 1;  // the screen opens on the player's table
    game.shell.windowPos.x = 900;  // off the screen: the window comes back at (100, 100)
    SwitchScreen(game, ScreenKind::HighScores);
    game.settings.groups[1] = "Chess club";  // typed, not yet in the settings

    clickButton(OnlineScoresButton);

    const std::string write = "GET http://scores.example:8047/glyphora/highscores/write.php?name=ADA&score=300"
                              "&valid=69734d2e69a5cd34&diff=1&lvl=3&lett=40&wrds=5&bars=1&panics=0"
                              "&reg=0A1B2C3D4E5F6G7H8I9J&grp=";
    EXPECT_EQ(fake.http.requests, (std::vector<std::string>{"HEAD http://scores.example:8047/health", write, write,
                                                            write + "CHESS%20CLUB", write, write, write}));
    EXPECT_EQ(fake.shell.opened,
              std::vector<std::string>{"http://scores.example:8047/glyphora/highscores/show.php?difficulty=1"
                                       "&grouptoshow=CHESS%20CLUB&playertoshow=ADA&regcode=0A1B2C3D4E5F6G7H8I9J"
                                       "&group0=CHESS%20CLUB&player0=ADA"});
    EXPECT_EQ(fake.window.moves.back(), (platform::Point{100, 100}));
    EXPECT_EQ(game.shell.windowPos.x, 100);
    EXPECT_FALSE(game.menus.connectionMessageShown);
}

TEST_F(OnlineButton, AnUnreachableServerIsToldOnTheScreenForFiveSeconds) {
    fake.http.reachable = false;
    SwitchScreen(game, ScreenKind::HighScores);
    const int presents = fake.window.device->presents;
    clickButton(OnlineScoresButton);
    EXPECT_EQ(game.menus.connectionMessage, "UNABLE TO CONNECT TO THE HIGH SCORES SERVER.");
    EXPECT_TRUE(game.menus.connectionMessageShown);
    EXPECT_EQ(game.menus.connectionMessageDeadline, GameTime(game) + 5000);
    EXPECT_EQ(fake.window.device->presents, presents + 2);  // each message is on screen at once
    EXPECT_EQ(fake.http.requests.size(), 1u);
    EXPECT_TRUE(fake.shell.opened.empty());
}

}  // namespace
}  // namespace glyphora
