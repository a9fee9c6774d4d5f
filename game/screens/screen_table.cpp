#include "game/screens/screen_table.h"

#include "game/screens/screen_rows.h"

namespace glyphora {
// One row per ScreenKind; a new screen adds its row here.
const ScreenTable& GameScreens() {
    static const ScreenTable table = [] {
        ScreenTable rows{};
        for (const ScreenDefinition* row :
             {&kPlayScreen, &kMainMenuScreen, &kGameOverScreen, &kHighScoreScreen, &kFreeGameScreen, &kSettingsScreen,
              &kHelpScreen, &kCreditsScreen, &kSplashScreen, &kIntroScreen, &kDifficultyChoiceScreen})
            rows[static_cast<std::size_t>(row->kind)] = row;
        return rows;
    }();
    return table;
}

}  // namespace glyphora
