// Menu-screen mock-ups, composed as the game draws them (header strip, footer
// band, window border, buttons at their places), with stand-in text.
#include <string>

#include "tools/artgen/mockup_screens.h"
#include "tools/artgen/paint.h"

namespace glyphora::artgen {
namespace {

namespace r = regions;

const Rgb kTextGrey = Hex(0x999999);

enum Kind { MainMenu = 2, GameOver, HighScores, FreeGame, Settings, Help, Credits, Splash, Intro, Difficulty };

void Header(Mockup& m, int kind, int tabRow) {
    const bool shortCap = kind == MainMenu || kind == Difficulty;
    const r::Region& cap = shortCap ? r::HeaderCapShort : r::HeaderCapLong;
    m.Draw(cap, 1, 30);
    const r::Region& tab = kind == GameOver ? r::GameOverTab : *r::HeaderTabForRow(tabRow);
    m.Draw(tab, 1 + cap.w, 30);
    for (int x = 1 + cap.w + tab.w; x < 700; x += 177) m.Draw(r::HeaderFill, x, 30);
    const r::Region* corners[] = {&r::CornerGameOver, &r::CornerHighScores, &r::CornerFreeGame,
                                  &r::CornerSettings, &r::CornerHelp,       &r::CornerCredits};
    if (!shortCap) m.Draw(*corners[kind >= GameOver && kind <= Credits ? kind - GameOver : 5], 20, 5);
}

void Footer(Mockup& m) {
    m.Draw(r::FooterBand, 0, 360);
    m.FillRect(1, 380, 701, 449, tone::Footer);
}

void Frame(Mockup& m, int kind, int tabRow) {
    m.Clear(tone::White);
    Header(m, kind, tabRow);
    Footer(m);
}

void Row(Mockup& m, std::initializer_list<const r::Region*> buttons, int y, int hovered = -1) {
    int width = -10;
    for (const r::Region* b : buttons) width += b->w + 10;
    int x = (700 - width) / 2, i = 0;
    for (const r::Region* b : buttons) {
        m.Draw(*b, x, y, 0, i == hovered ? 1 : 0);
        x += b->w + 10;
        ++i;
    }
}

void Field(Mockup& m, const std::string& text, int x, int y, int w, int h, Rgb colour, Rgb border, bool bottomAligned) {
    m.FillRect(x, y + h - 2, x + w, y + h, border);
    if (bottomAligned)
        m.Text(text, x + 3, y + h - 28, x + w - 3, y + h - 2, colour, 26);
    else
        m.Text(text, x + 3, y + 3, x + w - 3, y + h - 3, colour, 26);
}

void Band(Mockup& m, int x, int y, int width) {
    m.Draw(r::SelectionArrows, x, y, 0, 0);
    m.Draw(r::SelectionArrows, x + width - 11, y, 1, 0);
    m.FillRect(x + 11, y, x + width - 11, y + 40, tone::Band);
}

struct SliderMock {
    const char* label;
    int x, labelWidth, barWidth, valueWidth, y, height, segments, value;
    std::string shown;
    bool active;
};

void Slider(Mockup& m, const SliderMock& s) {
    const int centre = (s.height - r::SliderSegment.h) / 2;
    const int right = s.x + s.labelWidth + s.barWidth + s.valueWidth;
    if (s.active) {
        const int top = s.y - (40 - s.height) / 2;
        m.Draw(r::SelectionArrows, s.x - 15, top, 0, 0);
        m.Draw(r::SelectionArrows, right + 15, top, 1, 0);
        m.FillRect(s.x - 4, top, right + 15, top + 40, tone::Band);
    }
    m.Text(s.label, s.x, s.y, s.x + s.labelWidth, s.y + s.height, kTextGrey, 26, Align::Left);
    for (int i = 0; i < s.segments; ++i) {
        const int x = s.x + s.labelWidth + i * (r::SliderSegment.w + r::SliderGap.w);
        m.Draw(r::SliderSegment, x, s.y + centre, i < s.value ? 0 : 1, 0);
        if (i + 1 < s.segments) m.Draw(r::SliderGap, x + r::SliderSegment.w, s.y + centre);
    }
    const int vx = s.x + s.labelWidth + s.barWidth;
    m.Text(s.shown, vx, s.y, vx + s.valueWidth, s.y + s.height, kTextGrey, 26, Align::Left);
}

// The main menu with the cursor over button `hovered` (−1: none) and a peeking picture.
void MainMenuScreen(Mockup& m, int hovered, int peek) {
    constexpr int tabs[] = {7, 6, 8, 9, 5, 4, 3};
    Frame(m, MainMenu, hovered < 0 ? 2 : tabs[hovered]);
    const r::Region* buttons[] = {&r::PlayButton,     &r::FreeGameButton, &r::HighScoresButton, &r::HelpButton,
                                  &r::SettingsButton, &r::CreditsButton,  &r::QuitButton};
    constexpr int offsets[] = {0, 93, 187, 297, 415, 499, 578};
    for (int i = 0; i < 7; ++i) m.Draw(*buttons[i], 42 + offsets[i], 400, 0, i == hovered ? 1 : 0);
    const r::Region* previews[] = {&r::MenuPreviewPlay, &r::MenuPreviewFreeGame, &r::MenuPreviewHighScores,
                                   &r::MenuPreviewHelp, &r::MenuPreviewSettings, &r::MenuPreviewCredits,
                                   &r::MenuPreviewQuit};
    m.Draw(hovered < 0 ? r::MenuPreviewIdle : *previews[hovered], 210, 70);
    if (peek == 5)
        m.Draw(r::PeekPicture5, 530, 135);
    else if (peek >= 0)
        m.Draw(r::PeekPictures, 530, 135, peek < 3 ? peek : 3, peek == 4 ? -1 : 0);
    m.Border(Hex(0x000000));
}

void HighScoreScreen(Mockup& m, bool groups) {
    Frame(m, HighScores, 8);
    Row(m, {&r::LocalScoresButton, &r::GroupsButton, &r::OnlineScoresButton, &r::BackButton}, 400, groups ? 1 : 0);
    if (groups) {
        for (int i = 0; i < 5; ++i) {
            const int y = 115 + 45 * i;
            if (i == 2) {
                m.Draw(r::SelectionArrows, 270 - 21, y + 5, 0, 0);
                m.Draw(r::SelectionArrows, 270 + 250 + 10, y + 5, 1, 0);
                m.FillRect(270 - 10, y + 5, 270 + 250 + 10, y + 45, tone::Band);
            }
            const char* names[] = {"CAT LOVERS", "THE NIGHT SHIFT", "FRIDAY CLUB_", "", ""};
            Field(m, names[i], 270, y, 250, 40, kTextGrey, Hex(0x808080), true);
            m.Draw(r::GroupNumbers, 173, y + 40 - 22, 0, i);
        }
    } else {
        const char* names[] = {"ADA", "GRACE", "ALAN", "-- anonymous --", "LINUS"};
        const char* scores[] = {"48210", "31544", "20980", "11200", "4050"};
        for (int i = 0; i < 5; ++i) {
            const Rgb colour = i == 1 ? Hex(0xAEE400) : kTextGrey;
            m.Text(names[i], 0, 160 + 40 * i, 335, 210 + 40 * i, colour, 26, Align::Right);
            m.Text(scores[i], 365, 160 + 40 * i, 565, 210 + 40 * i, colour, 26, Align::Left);
        }
        m.FillRect(350, 150, 351, 360, Hex(0x808080));
        m.FillRect(349, 150, 350, 360, kTextGrey);
        m.Draw(r::ScoreSelectorBox, 245, 105);
        m.Draw(r::DifficultyNames, 322, 116, 0, 1);
        m.Draw(r::DifficultyDownButton, 275, 115);
        m.Draw(r::DifficultyUpButton, 397, 115, 0, 1);
    }
    m.Border(Hex(0x000000));
}

void FreeGameScreen(Mockup& m) {
    Frame(m, FreeGame, 6);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 2; ++col)
            m.Draw(r::ToggleBox, 138 + 41 * col, 146 + 41 * row, row == 2 && col == 1 ? 1 : 0,
                   col == 0 || row >= 3 ? 1 : 0);
    m.Draw(r::FreeGameRowCaptions, 67, 154);
    m.Draw(r::FreeGameColumnCaptions, 152, 116);
    Slider(m, {"Starting level", 300, 115, 170, 50, 147, 36, 5, 2, "6", false});
    Slider(m, {"Falling speed", 300, 115, 170, 50, 188, 36, 10, 5, "100%", true});
    Slider(m, {"Density", 300, 115, 170, 50, 229, 36, 10, 7, "140%", false});
    Slider(m, {"Max lives", 300, 115, 170, 50, 270, 36, 8, 8, "8", false});
    m.Draw(r::StartFreeGameButton, 263, 400, 0, 1);
    m.Draw(r::BackButton, 328, 400);
    m.Border(Hex(0x000000));
}

void SettingsScreen(Mockup& m) {
    Frame(m, Settings, 5);
    m.Draw(r::ToggleBox, 357, 299, 0, 1);
    m.Text("", 0, 0, 0, 0, kTextGrey, 26);
    Slider(m, {"", 203, 155, 170, 50, 212, 36, 10, 7, "70", false});
    Slider(m, {"", 203, 155, 170, 50, 256, 36, 10, 10, "100", false});
    Band(m, 113, 125, 433);
    Field(m, "PLAYER ONE_", 359, 130, 150, 30, kTextGrey, Hex(0x808080), false);
    Band(m, 238, 168, 290);
    m.Draw(r::DifficultyNames, 410, 180, 0, 2);
    m.Draw(r::DifficultyDownButton, 363, 180, 0, 1);
    m.Draw(r::DifficultyUpButton, 485, 180);
    m.Text("Default High Scores Name", 0, 131, 327, 161, kTextGrey, 26, Align::Right);
    m.Text("Difficulty", 0, 170, 327, 210, kTextGrey, 26, Align::Right);
    m.Text("Music Volume", 0, 212, 327, 248, kTextGrey, 26, Align::Right);
    m.Text("Sound Volume", 0, 256, 327, 292, kTextGrey, 26, Align::Right);
    m.Text("Ask before starting game with F3", 0, 299, 327, 335, kTextGrey, 26, Align::Right);
    m.Draw(r::BackButton, 296, 400);
    m.Border(Hex(0x000000));
}

void DifficultyScreen(Mockup& m) {
    Frame(m, Difficulty, 2);
    m.Draw(r::ScoreSelectorBox, 245, 205);
    m.Draw(r::DifficultyNames, 322, 216, 0, 0);
    m.Draw(r::DifficultyDownButton, 275, 215);
    m.Draw(r::DifficultyUpButton, 397, 215);
    m.Text("Choose the difficulty:", 0, 166, 700, 216, Hex(0xDADADA), 26);
    m.Text("Note that you can later change this option in Settings", 0, 256, 700, 306, Hex(0xDADADA), 26);
    m.Draw(r::OkButton, 336, 400);
    m.Border(Hex(0x000000));
}

// Every corner picture over its piece of header band.
void CornerChart(Mockup& m) {
    m.Clear(tone::White);
    const r::Region* corners[] = {&r::CornerGameOver, &r::CornerHighScores, &r::CornerFreeGame,
                                  &r::CornerSettings, &r::CornerHelp,       &r::CornerCredits};
    for (int i = 0; i < 6; ++i) {
        const int x = (i % 3) * 230, y = (i / 3) * 140;
        m.Draw(r::HeaderFill, x, y + 25);
        m.Draw(r::HeaderFill, x + 50, y + 25);
        m.Draw(*corners[i], x + 19, y);
    }
}

// The six peeking pictures at rest, each against a black line where the
// window's right edge would be.
void PeekChart(Mockup& m) {
    m.Clear(tone::White);
    for (int i = 0; i < 6; ++i) {
        const int x = (i % 3) * 230 + 10, y = (i / 3) * 160 + 40;
        if (i == 5)
            m.Draw(r::PeekPicture5, x, y);
        else
            m.Draw(r::PeekPictures, x, y, i < 3 ? i : 3, i == 4 ? -1 : 0);
        m.FillRect(x + 170, y - 10, x + 171, y + 150, Hex(0x000000));
    }
}

// All preview pictures side by side, half size, for a quick look.
void PreviewChart(Mockup& m) {
    m.Clear(tone::White);
    const r::Region* previews[] = {&r::MenuPreviewIdle,       &r::MenuPreviewPlay, &r::MenuPreviewFreeGame,
                                   &r::MenuPreviewHighScores, &r::MenuPreviewHelp, &r::MenuPreviewSettings,
                                   &r::MenuPreviewCredits,    &r::MenuPreviewQuit};
    for (int i = 0; i < 8; ++i) {
        cairo_save(m.cr());
        cairo_translate(m.cr(), (i % 4) * 172, (i / 4) * 200);
        cairo_scale(m.cr(), 0.62, 0.62);
        m.Draw(*previews[i], 0, 0);
        cairo_restore(m.cr());
    }
}

}  // namespace

std::vector<NamedMockup> MenuMockups() {
    std::vector<NamedMockup> mockups;
    mockups.push_back({"corner-chart", CornerChart, {{0, 0, 700, 290, 2}}});
    mockups.push_back({"preview-chart", PreviewChart});
    mockups.push_back({"peek-chart", PeekChart});
    mockups.push_back({"main-menu", [](Mockup& m) { MainMenuScreen(m, -1, 0); }, {{0, 0, 700, 450, 2}}});
    const char* names[] = {"play", "free-game", "high-scores", "help", "settings", "credits", "quit"};
    for (int i = 0; i < 7; ++i)
        mockups.push_back(
            {std::string("main-menu-") + names[i], [i](Mockup& m) { MainMenuScreen(m, i, (i + 1) % 6); }});
    mockups.push_back({"high-scores", [](Mockup& m) { HighScoreScreen(m, false); }, {{0, 0, 700, 450, 2}}});
    mockups.push_back({"high-scores-groups", [](Mockup& m) { HighScoreScreen(m, true); }});
    mockups.push_back({"free-game", FreeGameScreen, {{40, 90, 460, 280, 2}}});
    mockups.push_back({"settings", SettingsScreen, {{0, 100, 700, 250, 2}}});
    mockups.push_back({"difficulty-choice", DifficultyScreen});
    for (NamedMockup& more : MoreMenuMockups()) mockups.push_back(std::move(more));
    return mockups;
}

}  // namespace glyphora::artgen
