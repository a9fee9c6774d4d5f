// Widgets and window dragging, driven through the window procedure as the
// mouse and keyboard messages arrive.
#include "game/shell/widget_set.h"
#include "game/shell/window_position.h"

#include <deque>

#include "game/shell/main_loop.h"
#include "tests/engine/game_on_fakes.h"

namespace glyphora {
namespace {

using platform::MessageKind;
using testing::QuadBox;

std::vector<const Button*> clicked;
std::vector<ButtonState> stateChanges;
void RecordState(ButtonState state) { stateChanges.push_back(state); }
constexpr bool kRecordsClicks = true;

// The window stands at (100, 100); positions below are client positions.
class WidgetsTest : public testing::GameOnFakes {
protected:
    void SetUp() override {
        GameOnFakes::SetUp();
        clicked.clear();
        stateChanges.clear();
        PlaceWindow(game, {100, 100});
        fake.window.moves.clear();
    }
    void cursorAt(int x, int y) { fake.desktop.cursor = {game.shell.windowPos.x + x, game.shell.windowPos.y + y}; }
    void send(MessageKind kind, std::uint32_t wParam = 0) { WindowProcedure(game, {kind, wParam, 0}); }
    void pressAt(int x, int y) {
        cursorAt(x, y);
        send(MessageKind::LButtonDown);
    }
    void moveTo(int x, int y) {
        cursorAt(x, y);
        send(MessageKind::MouseMove);
    }
    void release() { send(MessageKind::LButtonUp); }
    // A button over rect that, recording clicks, notes each press in clicked.
    ImageButton& button(Rect rect, bool recordsClicks) {
        ImageButton& made = buttons.emplace_back();
        Sprite sprite;
        sprite.srcW = rect.right - rect.left;
        sprite.srcH = rect.bottom - rect.top;
        MakeImageButton(game.widgets.registry, made, sprite, rect.left, rect.top, true, nullptr);
        if (recordsClicks) made.onClick = [&made] { clicked.push_back(&made); };
        return made;
    }

    std::deque<ImageButton> buttons;  // stable addresses for the registry
};

TEST_F(WidgetsTest, OnlyTheEarliestEnabledButtonWithAHandlerTakesAPress) {
    ImageButton& first = button({10, 10, 60, 40}, kRecordsClicks);
    ImageButton& second = button({30, 20, 80, 50}, kRecordsClicks);
    pressAt(40, 30);
    EXPECT_EQ(clicked, std::vector<const Button*>{&first});
    release();

    first.enabled = false;
    pressAt(40, 30);
    EXPECT_EQ(clicked.back(), &second);
    release();

    first.enabled = true;
    first.onClick = nullptr;  // passes the press on after showing it
    pressAt(40, 30);
    EXPECT_EQ(clicked.back(), &second);
    EXPECT_EQ(first.state, ButtonPressed);
    EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(WidgetsTest, APressOnAButtonClicksItAndDragsTheWindow) {
    button({10, 10, 60, 40}, kRecordsClicks);
    pressAt(20, 20);  // screen (120, 120)
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_TRUE(game.pointer.dragging);

    fake.desktop.cursor = {150, 135};
    RunFrame(game);
    EXPECT_EQ(fake.window.moves, (std::vector<platform::Point>{{130, 115}}));
    EXPECT_EQ(game.shell.windowPos.x, 130);
    EXPECT_EQ(game.shell.windowPos.y, 115);

    // The last step before the release is taken with it; nothing moves afterwards.
    fake.desktop.cursor = {153, 135};
    release();
    RunFrame(game);
    EXPECT_EQ(fake.window.moves.back(), (platform::Point{133, 115}));
    EXPECT_EQ(fake.window.moves.size(), 2u);
    EXPECT_EQ(game.shell.windowPos, (platform::Point{133, 115}));
}

TEST_F(WidgetsTest, LosingTheFocusEndsAPressAndADrag) {
    pressAt(20, 20);
    send(MessageKind::Activate, 0);
    EXPECT_FALSE(game.pointer.mouseDown);
    EXPECT_FALSE(game.pointer.dragging);
}

TEST_F(WidgetsTest, AForcedButtonShowsItsForcedStateAndStillReportsChanges) {
    ImageButton& b = button({10, 10, 60, 40}, false);
    b.onStateChange = RecordState;
    b.forced = true;
    b.forcedState = ButtonHover;
    cursorAt(500, 300);
    ReadCursor(game);
    DrawImageButton(game.renderer, game.pointer, b);
    pressAt(20, 20);
    DrawImageButton(game.renderer, game.pointer, b);
    EXPECT_EQ(b.state, ButtonHover);
    b.forcedState = ButtonNormal;
    DrawImageButton(game.renderer, game.pointer, b);
    EXPECT_EQ(stateChanges, (std::vector<ButtonState>{ButtonHover, ButtonNormal}));
}

TEST_F(WidgetsTest, AnImageButtonDrawsThePictureOfItsStateBelowTheNormalOne) {
    ImageButton& b = button({10, 10, 60, 40}, false);
    Texture sheet;
    sheet.width = sheet.height = 1001;
    b.sprite = MakeSprite(sheet, 100, 200, 50, 30);
    b.x = 300;  // screens move buttons by x and y
    cursorAt(310, 20);
    ReadCursor(game);
    clearCalls();
    DrawImageButton(game.renderer, game.pointer, b);
    EXPECT_EQ(b.rect, (Rect{300, 10, 350, 40}));
    ASSERT_EQ(quads().size(), 1u);
    EXPECT_FLOAT_EQ(quads()[0].corners[0].v, 230.0f / 1000.0f);  // hover: one region down
}

TEST_F(WidgetsTest, TogglesFlipOnlyWhileTheyTakePresses) {
    ToggleButton toggle;
    Sprite box;
    box.srcW = box.srcH = 36;
    bool checked = false;
    MakeToggleButton(game.widgets.registry, toggle, box, 138, 146, false, &checked);
    pressAt(150, 160);
    release();
    EXPECT_FALSE(checked);
    toggle.toggleEnabled = true;
    pressAt(150, 160);
    release();
    EXPECT_TRUE(checked);
    pressAt(150, 200);  // below it
    EXPECT_TRUE(checked);
}

class TextFieldTest : public WidgetsTest {
protected:
    void SetUp() override {
        WidgetsTest::SetUp();
        MakeFont(game.platform.fonts, game.renderer, font, "Bebas Neue", 20, false);
        MakeTextField(game.widgets.registry, field, &typed, &font, 250, 295, 200, 40, 2, 15);
        SetFieldActive(field, true);
        SetFieldFocus(field, true);
    }
    void type(const std::string& text) {
        for (char c : text) send(MessageKind::Char, static_cast<unsigned char>(c));
    }

    Font font;
    std::string typed;  // the text the field edits
    TextField field;
};

TEST_F(TextFieldTest, TakesPrintableCharactersUpToItsLength) {
    type("ABCDEFGHIJKLMN}");  // 15 characters, "}" (125) the last accepted code
    EXPECT_EQ(typed, "ABCDEFGHIJKLMN}");
    type("X");
    EXPECT_EQ(typed.size(), 15u);
    type("\b\b");
    EXPECT_EQ(typed, "ABCDEFGHIJKLM");
    type("~\x7F\t\x1B");
    send(MessageKind::Char, 0xE9);
    EXPECT_EQ(typed, "ABCDEFGHIJKLM");
}

TEST_F(TextFieldTest, BackspaceOnAnEmptyFieldDoesNothing) {
    type("\b");
    EXPECT_EQ(typed, "");
}

TEST_F(TextFieldTest, OnlyAnActiveFocusedFieldTakesCharacters) {
    SetFieldFocus(field, false);
    type("A");
    SetFieldFocus(field, true);
    SetFieldActive(field, false);
    type("B");
    EXPECT_EQ(typed, "");
}

TEST_F(TextFieldTest, EnterAndPressesMoveTheFocusOfClickFocusFieldsOnly) {
    type("\r");
    EXPECT_FALSE(field.focused);
    pressAt(300, 310);
    EXPECT_TRUE(field.focused);
    pressAt(10, 10);
    EXPECT_FALSE(field.focused);

    field.clickFocus = false;
    SetFieldFocus(field, true);
    type("\r");
    pressAt(10, 10);
    EXPECT_TRUE(field.focused);
}

TEST_F(TextFieldTest, AFocusedFieldShowsACaretThatNeverJoinsTheText) {
    type("AB");
    clearCalls();
    DrawTextField(game.renderer, game.pointer, field);
    EXPECT_EQ(quads().size(), 3u);  // A, B and "_"
    EXPECT_EQ(typed, "AB");
    SetFieldFocus(field, false);
    clearCalls();
    DrawTextField(game.renderer, game.pointer, field);
    EXPECT_EQ(quads().size(), 2u);
}

TEST_F(TextFieldTest, BordersFollowTheFocusAndABottomAlignedLabelSitsOnThePadding) {
    field.focusedBorders = {0, 2, 0, 0};
    field.unfocusedBorders = {2, 2, 2, 2};
    field.noBackground = true;
    field.verticalAlignment = AlignBottom;
    field.horizontalAlignment = AlignLeft;
    SetFieldFocus(field, true);
    type("A");
    clearCalls();
    DrawTextField(game.renderer, game.pointer, field);
    ASSERT_EQ(fills().size(), 1u);
    EXPECT_EQ(fills()[0].rect, (Rect{250, 333, 450, 335}));
    // Padding 3: the line's 20 pixels end 3 above the box's bottom at 335.
    EXPECT_EQ(QuadBox(quads()[0]), (Rect{253, 312, 263, 332}));
    SetFieldFocus(field, false);
    clearCalls();
    DrawTextField(game.renderer, game.pointer, field);
    EXPECT_EQ(fills().size(), 4u);
}

// StartLevelSlider's layout: the label 115 wide from x 300, five segments 13
// wide with gaps of 2 from x 415, all 24 high and 6 below y 147.
class SliderTest : public WidgetsTest {
protected:
    void SetUp() override {
        WidgetsTest::SetUp();
        game.widgets.created = true;
        game.screen.current = ScreenKind::FreeGameSetup;
        for (Slider& each : game.widgets.sliders) each.value = &unused;
        Slider& s = slider();
        s.segment.srcW = 13, s.segment.srcH = 24, s.gap.srcW = 2, s.gap.srcH = 24;
        s.x = 300, s.labelWidth = 115, s.barWidth = 170, s.valueWidth = 50, s.y = 147, s.height = 36;
        s.segmentCount = 5, s.minValue = 1, s.maxValue = 100, s.value = &game.settings.startLevel;
        game.settings.startLevel = 3;
    }
    Slider& slider() { return game.widgets.sliders[StartLevelSlider]; }
    static int segmentX(int n) { return 415 + (n - 1) * 15 + 5; }
    int unused = 5;  // the value of every slider but the one under test
};

TEST_F(SliderTest, APressOnTheLabelSetsTheMinimumAndOnASegmentItsNumber) {
    pressAt(350, 160);
    EXPECT_EQ(game.settings.startLevel, 1);  // 0, raised to the minimum
    EXPECT_FALSE(slider().active);
    release();
    pressAt(segmentX(4), 165);
    EXPECT_EQ(game.settings.startLevel, 4);
    EXPECT_TRUE(slider().active);
    EXPECT_FALSE(game.pointer.dragging) << "the slider takes the press from the window drag";
    release();
    pressAt(600, 165);  // over the value text: past the last segment
    EXPECT_EQ(game.settings.startLevel, 5);
    EXPECT_FALSE(slider().active);
}

TEST_F(SliderTest, AVolumeSliderGoesDownToZero) {
    game.screen.current = ScreenKind::Settings;
    Slider& volume = game.widgets.sliders[MusicVolumeSlider];
    volume = slider();
    volume.minValue = 0, volume.maxValue = 10, volume.segmentCount = 10;
    volume.value = &game.settings.musicVolume;
    pressAt(350, 160);
    EXPECT_EQ(game.settings.musicVolume, 0);
}

TEST_F(SliderTest, DraggingAlongTheBarLetsGoOnReleaseWithoutMovingTheWindow) {
    pressAt(segmentX(2), 165);
    moveTo(segmentX(5), 165);
    EXPECT_EQ(game.settings.startLevel, 5);
    EXPECT_TRUE(slider().changedWhileHeld);
    RunFrame(game);
    release();
    RunFrame(game);
    EXPECT_FALSE(slider().active);
    EXPECT_TRUE(fake.window.moves.empty());
    EXPECT_EQ(game.shell.windowPos, (platform::Point{100, 100}));
}

TEST_F(SliderTest, AClickedSliderFollowsTheMouseUntilTheNextClick) {
    pressAt(segmentX(4), 165);
    release();
    EXPECT_TRUE(slider().active);
    moveTo(segmentX(2), 165);
    EXPECT_EQ(game.settings.startLevel, 2);
    pressAt(segmentX(2), 165);
    EXPECT_FALSE(slider().active);
    moveTo(segmentX(5), 165);
    EXPECT_EQ(game.settings.startLevel, 2);
}

TEST_F(SliderTest, ShowsItsNumberAndTheSelectionBandWhileActive) {
    Font font;
    MakeFont(game.platform.fonts, game.renderer, font, "Bebas Neue", 20, false);
    slider().font = &font;
    slider().label = "";
    slider().step = 5, slider().offset = -4, slider().unit = "%";
    EXPECT_EQ(SliderShownValue(slider()), 11);
    clearCalls();
    DrawSlider(game.renderer, game.resources, slider());
    EXPECT_EQ(quads().size(), 5u + 4u + 3u);  // segments, gaps, "11%"
    EXPECT_TRUE(fills().empty());
    slider().active = true;
    clearCalls();
    DrawSlider(game.renderer, game.resources, slider());
    ASSERT_EQ(fills().size(), 1u);
    EXPECT_EQ(fills()[0].rect, (Rect{296, 145, 650, 185}));  // 40 high, centred on the row
}

}  // namespace
}  // namespace glyphora
