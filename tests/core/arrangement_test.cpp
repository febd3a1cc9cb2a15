#include <gtest/gtest.h>

#include <string>

#include "core/arrange/arrangement.h"

namespace zumbrel::arrange {
namespace {

const Screens kSmall{{0, 0, 1024, 768}};
const Screens kWide{{0, 0, 1920, 1080}};
const Screens kWith1280{{0, 0, 1280, 1024}};
const Screens kTwo{{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}};
const Screens kPanelOnTop{{0, 27, 1920, 1053}};
const Screens kTiny{{0, 0, 400, 300}};

constexpr Box kTape{700, 300, 405, 544};

Box keypadAt(int x, int y) {
    return {x, y, 630, 484};
}

// An arrangement whose keypad the system last reported at `keypad`.
Arrangement startedWith(const Box& keypad, bool magnet = false) {
    Arrangement a;
    StartInput in;
    in.settingsFileExists = true;
    in.keypadSaved = keypad.topLeft();
    in.magnet = magnet;
    a.start(in, kTwo);
    return a;
}

// Side by side and over: both windows go to the corner of the keypad's screen.
struct CornerCase {
    std::string name;
    Change (Arrangement::*command)(const Windows&, const Screens&);
    Screens screens;
    Box keypad;
    bool magnet;
    Box tape;         // expected
    Box keypadAfter;  // expected
};

class CornerCommands : public testing::TestWithParam<CornerCase> {};

TEST_P(CornerCommands, place_both_windows_from_the_screens_corner) {
    const CornerCase& c = GetParam();
    Arrangement a = startedWith(c.keypad, c.magnet);
    const Change change = (a.*c.command)({c.keypad, kTape}, c.screens);
    ASSERT_TRUE(change.tape && change.keypad);
    EXPECT_EQ(*change.tape, c.tape);
    EXPECT_EQ(*change.keypad, c.keypadAfter);
    // The system then reports the keypad where it was put: the tape stays, magnet or not.
    EXPECT_EQ(a.keypadMoved(change.keypad->topLeft(), *change.tape), std::nullopt);
    EXPECT_EQ(a.flags().magnet, c.magnet);
}

constexpr auto kSide = &Arrangement::sideBySide;
constexpr auto kOver = &Arrangement::over;
constexpr Box kCornerTape{10, 10, 405, 544};

INSTANTIATE_TEST_SUITE_P(
    Screens, CornerCommands,
    testing::Values(
        // The keypad 14 pixels right of the tape.
        CornerCase{"side_magnet_off", kSide, kWide, keypadAt(500, 200), false, kCornerTape,
                   keypadAt(429, 10)},
        // The tape is not dragged off screen to (-61, -180) by the keypad's moves.
        CornerCase{"side_magnet_on", kSide, kWide, keypadAt(500, 200), true, kCornerTape,
                   keypadAt(429, 10)},
        // 429 + 630 passes 1024: the keypad is pulled back onto the screen.
        CornerCase{"side_screen_1024", kSide, kSmall, keypadAt(300, 100), false, kCornerTape,
                   keypadAt(394, 10)},
        CornerCase{"side_second_monitor", kSide, kTwo, keypadAt(2500, 300), false,
                   kCornerTape.movedBy(1920, 0), keypadAt(2349, 10)},
        CornerCase{"side_panel_on_top", kSide, kPanelOnTop, keypadAt(500, 200), false,
                   kCornerTape.movedBy(0, 27), keypadAt(429, 37)},
        // A screen narrower than the keypad: its left edge on the screen's.
        CornerCase{"side_narrower_than_the_keypad", kSide, kTiny, keypadAt(50, 20), false,
                   kCornerTape.movedTo({0, 0}), keypadAt(0, 0)},
        // Over: the keypad on the tape's corner.
        CornerCase{"over_magnet_on", kOver, kWide, keypadAt(500, 200), true, kCornerTape,
                   keypadAt(10, 10)},
        CornerCase{"over_screen_1024", kOver, kSmall, keypadAt(300, 100), false, kCornerTape,
                   keypadAt(10, 10)},
        CornerCase{"over_second_monitor", kOver, kTwo, keypadAt(2500, 300), false,
                   kCornerTape.movedBy(1920, 0), keypadAt(1930, 10)}),
    [](const auto& info) { return info.param.name; });

TEST(EqualHeights, the_tape_is_as_tall_as_the_skin_just_below_the_keypads_top) {
    Arrangement a = startedWith(keypadAt(429, 10));
    const Change c = a.equalHeights({keypadAt(429, 10), kTape}, kWide);
    ASSERT_TRUE(c.tape);
    EXPECT_EQ(*c.tape, (Box{700, 17, 405, 480}));
    EXPECT_FALSE(c.keypad);
}

// Beside the compact keypad the tape starts at its top and keeps the full keypad's height: the
// compact strip's would leave no room for the tape's lines.
TEST(EqualHeights, start_at_the_compact_keypads_top_with_a_usable_height_and_stay_on_a_low_screen) {
    Arrangement a = startedWith(keypadAt(429, 10));
    const Change hidden = a.hideKeyboard({keypadAt(429, 10), kTape}, kWide);
    const Change c = a.equalHeights({*hidden.keypad, kTape}, kWide);
    EXPECT_EQ(*c.tape, (Box{700, 101, 405, 480}));
    Arrangement low = startedWith(keypadAt(0, 0));
    EXPECT_EQ(low.equalHeights({keypadAt(0, 0), kTape}, kTiny).tape->height, 300);
}

TEST(MaximisedTape, the_placing_commands_and_the_magnet_only_beep) {
    Arrangement a = startedWith(keypadAt(500, 200));
    a.tapeMaximizing(kTape);
    const Windows now{keypadAt(500, 200), kTape};
    for (const Change& c :
         {a.sideBySide(now, kWide), a.over(now, kWide), a.equalHeights(now, kWide), a.magnetOn()}) {
        EXPECT_TRUE(c.beep);
        EXPECT_FALSE(c.tape || c.keypad);
    }
    EXPECT_FALSE(a.flags().magnet);
}

TEST(Magnet, a_drag_of_the_keypad_drags_the_tape_by_the_same_distance) {
    Arrangement a = startedWith(keypadAt(500, 200));
    EXPECT_FALSE(a.magnetOn().beep);
    EXPECT_EQ(a.keypadMoved({550, 220}, kTape), (Box{750, 320, 405, 544}));
    // Each report counts from the last one, not from the start of the drag.
    EXPECT_EQ(a.keypadMoved({551, 220}, {750, 320, 405, 544}), (Box{751, 320, 405, 544}));
    EXPECT_EQ(a.keypadMoved({551, 220}, kTape), std::nullopt);
}

TEST(Magnet, off_or_with_a_hidden_tape_nothing_follows_but_the_position_is_kept) {
    Arrangement a = startedWith(keypadAt(500, 200));
    EXPECT_EQ(a.keypadMoved({600, 200}, kTape), std::nullopt);
    a.magnetOn();
    a.hideTape();
    EXPECT_EQ(a.keypadMoved({650, 200}, kTape), std::nullopt);
    a.showTape({keypadAt(650, 200), kTape}, kWide);
    // The moves made while the tape was hidden are not caught up afterwards.
    EXPECT_EQ(a.keypadMoved({660, 200}, kTape), (Box{710, 300, 405, 544}));
}

TEST(Magnet, maximising_the_tape_releases_it) {
    Arrangement a = startedWith(keypadAt(500, 200), true);
    a.tapeMaximizing(kTape);
    EXPECT_FALSE(a.flags().magnet);
    EXPECT_EQ(a.keypadMoved({600, 200}, kTape), std::nullopt);
}

struct CompactCase {
    std::string name;
    Screens screens;
    Box keypad;
    Box compact;
};

class HideKeyboard : public testing::TestWithParam<CompactCase> {};

TEST_P(HideKeyboard, puts_the_compact_keypad_near_the_screens_corner_and_leaves_the_tape) {
    const CompactCase& c = GetParam();
    Arrangement a = startedWith(c.keypad, true);
    const Change change = a.hideKeyboard({c.keypad, kTape}, c.screens);
    ASSERT_TRUE(change.keypad);
    EXPECT_EQ(*change.keypad, c.compact);
    EXPECT_FALSE(change.tape);
    EXPECT_TRUE(change.goodbye);
    EXPECT_TRUE(a.flags().keyboardHidden);
    EXPECT_EQ(a.keypadMoved(c.compact.topLeft(), kTape), std::nullopt);
    EXPECT_TRUE(a.flags().magnet);  // the magnet is back for the user's own moves
}

INSTANTIATE_TEST_SUITE_P(
    Screens, HideKeyboard,
    testing::Values(CompactCase{"wide", kWide, keypadAt(800, 400), {20, 95, 410, 164}},
                    CompactCase{"screen_1024", kSmall, keypadAt(300, 200), {20, 95, 410, 164}},
                    CompactCase{"second_monitor", kTwo, keypadAt(2500, 400), {1940, 95, 410, 164}},
                    CompactCase{
                        "panel_on_top", kPanelOnTop, keypadAt(800, 400), {20, 122, 410, 164}}),
    [](const auto& info) { return info.param.name; });

TEST(ShowKeyboard, the_full_keypad_grows_from_the_compact_ones_corner_inside_the_screen) {
    Arrangement a = startedWith(keypadAt(500, 200));
    a.hideKeyboard({keypadAt(500, 200), kTape}, kWide);
    EXPECT_EQ(*a.showKeyboard({{20, 95, 410, 164}, kTape}, kWide, false).keypad, keypadAt(20, 95));
    EXPECT_FALSE(a.flags().keyboardHidden);
    a.hideKeyboard({keypadAt(20, 95), kTape}, kWide);
    EXPECT_EQ(*a.showKeyboard({{1800, 1000, 410, 164}, kTape}, kWide, false).keypad,
              keypadAt(1290, 596));
}

TEST(ShowKeyboard, from_the_maximised_tapes_menu_the_keypad_goes_to_left_10) {
    Arrangement a = startedWith(keypadAt(500, 200), true);
    a.hideKeyboard({keypadAt(500, 200), kTape}, kWide);
    a.tapeMaximizing(kTape);
    EXPECT_EQ(*a.showKeyboard({{700, 300, 410, 164}, kTape}, kWide, true).keypad,
              keypadAt(10, 300));
    EXPECT_FALSE(a.flags().magnet);
}

TEST(HideTape, really_hides_it_and_says_goodbye) {
    Arrangement a = startedWith(keypadAt(500, 200));
    const Change c = a.hideTape();
    EXPECT_EQ(c.tapeVisible, false);
    EXPECT_TRUE(c.goodbye);
    EXPECT_FALSE(c.tape);  // its place is kept for the next start's settings
    EXPECT_TRUE(a.flags().tapeHidden);
}

struct ShowTapeCase {
    std::string name;
    Screens screens;
    Box keypad;
    int tapeLeft;
    int tapeTop = kTape.top;  // kept, unless the screen is too low for it
};

class ShowTape : public testing::TestWithParam<ShowTapeCase> {};

TEST_P(ShowTape, goes_beside_the_keypad_on_the_side_with_more_room) {
    const ShowTapeCase& c = GetParam();
    Arrangement a = startedWith(c.keypad);
    a.hideTape();
    const Change change = a.showTape({c.keypad, kTape}, c.screens);
    EXPECT_EQ(change.tapeVisible, true);
    ASSERT_TRUE(change.tape);
    EXPECT_EQ(change.tape->left, c.tapeLeft);
    EXPECT_EQ(change.tape->top, c.tapeTop);
    EXPECT_FALSE(a.flags().tapeHidden);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ShowTape,
    testing::Values(
        // Keypad centre 1115 > 640: to its left, 800 - 405 - 17.
        ShowTapeCase{"left_of_the_keypad", kWith1280, keypadAt(800, 100), 378},
        ShowTapeCase{"right_of_the_keypad", kWith1280, keypadAt(100, 100), 747},
        // Keypad centre 645 + 315 = 960, the screen's own: the tie belongs to the left half,
        // so the tape goes right, 645 + 630 + 17; one pixel further it goes left, 646 - 422.
        ShowTapeCase{"right_when_the_centres_meet", kWide, keypadAt(645, 100), 1292},
        ShowTapeCase{"left_one_pixel_past_the_centre", kWide, keypadAt(646, 100), 224},
        // Right of a keypad in the left half, but not past the screen's edge.
        ShowTapeCase{"kept_on_screen", kSmall, keypadAt(150, 100), 619, 768 - 544},
        // On the keypad's own monitor, never on the other one.
        ShowTapeCase{"second_monitor", kTwo, keypadAt(1930, 100), 2577}),
    [](const auto& info) { return info.param.name; });

TEST(ShowTape, a_maximised_tape_is_maximised_again_from_the_screens_corner) {
    Arrangement a = startedWith(keypadAt(2500, 200));
    a.tapeMaximizing(kTape);
    a.hideTape();
    const Change c = a.showTape({keypadAt(2500, 200), kTape}, kTwo);
    EXPECT_TRUE(c.maximizeTape);
    EXPECT_EQ(c.tape->topLeft(), (Point{1920, 0}));
}

TEST(TapeRestore, the_first_restore_after_a_maximised_start_brings_the_saved_rectangle) {
    Arrangement a;
    StartInput in;
    in.settingsFileExists = true;
    in.ribbonSection = true;
    in.ribbonMaximized = true;
    in.ribbonNormal = {100, 50, 405, 600};
    EXPECT_TRUE(a.start(in, kWide).tapeMaximized);
    EXPECT_EQ(a.tapeRestoring(), (Box{100, 50, 405, 600}));
    EXPECT_FALSE(a.flags().tapeMaximized);
    EXPECT_EQ(a.tapeRestoring(), std::nullopt);  // later restores: the system's own
}

TEST(TapeRestore, maximising_remembers_the_normal_rectangle) {
    Arrangement a = startedWith(keypadAt(500, 200));
    a.tapeMaximizing({30, 40, 500, 600});
    EXPECT_EQ(a.tapeRestoring(), (Box{30, 40, 500, 600}));
}

struct StartCase {
    std::string name;
    Screens screens;
    StartInput in;
    Box keypad;
    Box tape;
    bool tapeVisible;
};

class Start : public testing::TestWithParam<StartCase> {};

TEST_P(Start, places_both_windows_in_view) {
    const StartCase& c = GetParam();
    Arrangement a;
    const StartPlacement p = a.start(c.in, c.screens);
    EXPECT_EQ(p.windows.keypad, c.keypad);
    EXPECT_EQ(p.windows.tape, c.tape);
    EXPECT_EQ(p.tapeVisible, c.tapeVisible);
}

StartInput fileWith(std::optional<Point> keypad, std::optional<Box> tape, bool hideRibbon = false,
                    bool hideKeyboard = false) {
    StartInput in;
    in.settingsFileExists = true;
    in.keypadSaved = keypad;
    in.keypadNow = {200, 150};
    in.ribbonSection = tape.has_value();
    in.ribbonNormal = tape.value_or(Box{});
    in.hideRibbon = hideRibbon;
    in.hideKeyboard = hideKeyboard;
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Start,
    testing::Values(
        StartCase{"first_run", kWide, StartInput{}, keypadAt(429, 87), {10, 10, 405, 544}, true},
        StartCase{
            "first_run_1024", kSmall, StartInput{}, keypadAt(394, 87), {10, 10, 405, 544}, true},
        StartCase{"saved",
                  kWide,
                  fileWith(Point{700, 300}, Box{20, 30, 500, 700}),
                  keypadAt(700, 300),
                  {20, 30, 500, 700},
                  true},
        // A monitor that is gone: both windows come back onto the one left.
        StartCase{"monitor_gone",
                  kWide,
                  fileWith(Point{2500, 300}, Box{2300, 30, 500, 700}),
                  keypadAt(1290, 300),
                  {1420, 30, 500, 700},
                  true},
        // An older version's hidden tape, not hidden any more, comes back into view.
        StartCase{"off_screen_left",
                  kWide,
                  fileWith(Point{700, 300}, Box{1930, 30, 405, 544}),
                  keypadAt(700, 300),
                  {1515, 30, 405, 544},
                  true},
        StartCase{"hidden_tape_stays_where_it_was",
                  kWide,
                  fileWith(Point{700, 300}, Box{1930, 30, 405, 544}, true),
                  keypadAt(700, 300),
                  {1930, 30, 405, 544},
                  false},
        StartCase{"compact_keypad_at_its_saved_place",
                  kWide,
                  fileWith(Point{700, 300}, Box{20, 30, 405, 544}, false, true),
                  {700, 300, 410, 164},
                  {20, 30, 405, 544},
                  true},
        StartCase{"no_form_section",
                  kWide,
                  fileWith(std::nullopt, std::nullopt),
                  keypadAt(200, 150),
                  {10, 10, 405, 544},
                  true},
        StartCase{"empty_tape_size",
                  kWide,
                  fileWith(Point{700, 300}, Box{20, 30, 0, 0}),
                  keypadAt(700, 300),
                  {20, 30, 405, 544},
                  true},
        StartCase{"two_monitors_keep_each_window_on_its_own",
                  kTwo,
                  fileWith(Point{2500, 300}, Box{100, 30, 405, 544}),
                  keypadAt(2500, 300),
                  {100, 30, 405, 544},
                  true}),
    [](const auto& info) { return info.param.name; });

// A tape wide enough for the longest line: the first run puts it in the corner at that width,
// the keypad beside it; a saved tape with no size and the first restore take it too.
TEST(TapeDesignWidth, the_first_run_and_an_unsized_tape_take_the_wide_tape) {
    KeypadShape shape;
    shape.tapeDesignWidth = 660;
    Arrangement first(shape);
    const StartPlacement p = first.start(StartInput{}, kWide);
    EXPECT_EQ(p.windows.tape, (Box{10, 10, 660, 544}));
    EXPECT_EQ(p.windows.keypad.topLeft(), (Point{684, 87}));
    EXPECT_EQ(first.tapeRegisters(), (Box{10, 10, 660, 544}));
    Arrangement unsized(shape);
    EXPECT_EQ(unsized.start(fileWith(Point{700, 300}, Box{20, 30, 0, 0}), kWide).windows.tape,
              (Box{20, 30, 660, 544}));
}

TEST(Geometry, the_screen_of_a_window_is_the_one_under_its_centre_or_overlapped_most) {
    EXPECT_EQ(screenOf(kTwo, {1900, 0, 100, 100}).left, 1920);  // centre 1950
    EXPECT_EQ(screenOf(kTwo, {1700, 0, 300, 100}).left, 0);     // centre 1850
    EXPECT_EQ(screenOf(kTwo, {3800, 0, 200, 100}).left, 1920);  // centre off, overlaps 40
    EXPECT_EQ(screenOf(kTwo, {5000, 0, 200, 100}).left, 0);     // nowhere: the primary
}

}  // namespace
}  // namespace zumbrel::arrange
