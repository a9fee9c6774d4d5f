// Mock-ups of the first-run screen, help, credits, game over and splash.
#include <string>

#include "tools/artgen/mockup_screens.h"
#include "tools/artgen/paint.h"

namespace glyphora::artgen {
namespace {

namespace r = regions;

const Rgb kGrey = Hex(0x808080);

void HeaderAndFooter(Mockup& m, const r::Region& corner, const r::Region& tab) {
    m.Clear(tone::White);
    m.Draw(r::HeaderCapLong, 1, 30);
    m.Draw(tab, 178, 30);
    for (int x = 178 + tab.w; x < 700; x += 177) m.Draw(r::HeaderFill, x, 30);
    m.Draw(corner, 20, 5);
    m.Draw(r::FooterBand, 0, 360);
    m.FillRect(1, 380, 701, 449, tone::Footer);
}

// The first-run screen `elapsed` ms after it was entered (vertex alpha as the game fades).
void Intro(Mockup& m, int elapsed) {
    m.Clear(tone::White);
    const auto alpha = [elapsed](int start, int duration) {
        const double a = (elapsed - start) / static_cast<double>(duration);
        return a < 0 ? 0.0 : (a > 1 ? 1.0 : a);
    };
    const auto faded = [&m](const r::Region& region, double x, double y, double a) {
        cairo_push_group(m.cr());
        m.Draw(region, x, y);
        cairo_pop_group_to_source(m.cr());
        cairo_paint_with_alpha(m.cr(), a);
    };
    faded(r::IntroStopPicture, 238, 50, alpha(1000, 1));
    faded(r::IntroCaption, 249, 265, alpha(4001, 150));
    faded(r::IntroGreeting, 109, 300, alpha(6151, 500));
    faded(r::IntroDecorationLarge, 468, 374, alpha(7151, 2000));
    faded(r::IntroDecorationSmall, 568, 326, alpha(7151, 2000));
    if (elapsed > 7151) faded(r::ShowNoteButton, 557, 403, alpha(7151, 2000));
    m.Border(Hex(0x000000));
}

void Note(Mockup& m) {
    m.Clear(tone::White);
    m.Draw(r::NoteHeading, 181, 11);
    m.Draw(r::IntroDecorationLarge, 468, 374);
    m.Draw(r::IntroDecorationSmall, 568, 326);
    m.Draw(r::ContinueButton, 566, 404, 0, 1);
    const char* lines[] = {"Glyphora is freeware.",
                           "Please feel free to share it!",
                           "",
                           "If you have any comments, visit our site.",
                           "We appreciate any feedback!",
                           "",
                           "And last, but not least,",
                           "if you score too low, nevermind,",
                           "the voice-recognition",
                           "will surely come out soon..."};
    for (int i = 0; i < 10; ++i) m.Text(lines[i], 50, 128 + 24 * i, 650, 152 + 24 * i, kGrey, 26);
    m.Border(Hex(0x000000));
}

void HelpPage(Mockup& m, int page) {
    HeaderAndFooter(m, r::CornerHelp, r::HeaderTabHelp);
    const r::Region* buttons[] = {&r::HelpPage1Button, &r::HelpPage2Button, &r::ManualButton, &r::BackButton};
    const int xs[] = {137, 243, 380, 454};
    for (int i = 0; i < 4; ++i) m.Draw(*buttons[i], xs[i], i == 0 || i == 2 ? 400 : 401, 0, i == page ? 2 : 0);
    if (page == 0) {
        m.Draw(r::ItemShapes1, 52, 158, 6, 0);
        m.Draw(r::LetterGlyphs, 52, 158, 4, 0);
        m.Draw(r::HelpWordPicture, 45, 290);
        m.Text("This is a letter. You receive some points for each letter you successfully", 170, 130, 670, 152, kGrey,
               22, Align::Left);
        m.Text("catch by pressing appropriate keyboard key.", 170, 152, 670, 174, kGrey, 22, Align::Left);
        m.Text("This is a word. When you manage to type it without making any mistake,", 170, 288, 670, 310, kGrey, 22,
               Align::Left);
        m.Text("you receive one more life up to maximum of eight.", 170, 310, 670, 332, kGrey, 22, Align::Left);
    } else {
        m.Draw(r::HelpBonusBarPicture, 14, 155);
        m.Draw(r::ItemShapes1, 52, 240, 14, 0);
        m.Draw(r::LetterGlyphs, 52, 240, 5, 2);
        m.Text("This is the bonus bar. It fills slowly as you successfully write the words.", 170, 155, 670, 177, kGrey,
               22, Align::Left);
        m.Text("And finally, this is a TNT letter. If you catch three of those, you can blow a TNT", 170, 238, 670, 260,
               kGrey, 22, Align::Left);
    }
    m.Border(Hex(0x000000));
}

void Credits(Mockup& m) {
    HeaderAndFooter(m, r::CornerCredits, r::HeaderTabCredits);
    m.Draw(r::DonateUsdButton, 158, 398);
    m.Draw(r::DonateEurButton, 296, 398, 0, 1);
    m.Draw(r::BackButton, 434, 400);
    m.Text("MADE", 180, 80, 260, 120, Hex(0x6E6E74), 40, Align::Left);
    m.Text("BY", 246, 80, 320, 120, Hex(0xCACAD0), 40, Align::Left);
    m.Draw(r::CreditsFinale, 276, 150);
    m.Text("The Glyphora team", 0, 200, 700, 227, Hex(0x8C8C92), 27);
    m.Border(Hex(0x000000));
}

void GameOver(Mockup& m) {
    m.Clear(tone::White);
    m.Draw(r::HeaderCapLong, 1, 30);
    m.Draw(r::GameOverTab, 178, 30);
    for (int x = 178 + r::GameOverTab.w; x < 700; x += 177) m.Draw(r::HeaderFill, x, 30);
    m.Draw(r::CornerGameOver, 20, 5);
    m.Draw(r::FooterBand, 0, 360);
    m.FillRect(1, 380, 701, 449, tone::Footer);
    const Rgb text = Hex(0x606060);
    m.Text("Your score is 12840", 0, 135, 700, 175, text, 28);
    m.Text("You made it to level 7", 0, 165, 700, 205, text, 28);
    m.Text("You are to be signed into the High scores on rank 2", 0, 215, 700, 245, text, 22);
    m.Text("Type your name below:", 0, 240, 700, 270, text, 22);
    m.FillRect(250, 333, 450, 335, Hex(0x404040));
    m.Text("ADA_", 250, 295, 450, 335, Hex(0x404040), 36);
    m.Draw(r::OkButton, 336, 400, 0, 1);
    m.Border(Hex(0x000000));
}

void SplashScreen(Mockup& m) {
    m.Clear(tone::White);
    m.Border(Hex(0x000000));
    m.Draw(r::SplashLogo, 245, 185);
    for (int i = 0; i < 3; ++i) m.Draw(r::ProgressSquare, 292 + 23 * i, 235);
}

}  // namespace

std::vector<NamedMockup> MoreMenuMockups() {
    return {
        {"intro-stop", [](Mockup& m) { Intro(m, 2000); }},
        {"intro-all", [](Mockup& m) { Intro(m, 10000); }, {{100, 40, 600, 410, 2}}},
        {"intro-note", Note},
        {"help-page-1", [](Mockup& m) { HelpPage(m, 0); }, {{0, 120, 350, 220, 2}}},
        {"help-page-2", [](Mockup& m) { HelpPage(m, 1); }},
        {"credits", Credits},
        {"game-over", GameOver},
        {"splash", SplashScreen, {{200, 160, 300, 100, 3}}},
    };
}

}  // namespace glyphora::artgen
