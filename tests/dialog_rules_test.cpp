// The settings dialog's rules without a window: which controls a kind enables, where the kind
// elements are, the repeat track's text in both directions, the background rows, the tiling
// order and the dialog's position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/dialog/settings_dialog.h"

namespace morvantis::host::dialog {
namespace {

TEST(SettingsDialogRules, EachKindSelectsItsMarkAndEnablesOnlyItsOwnControl) {
    const KindControls none = ControlsForKind(0), cd = ControlsForKind(1), file = ControlsForKind(2);
    EXPECT_EQ(none.markSelected, (std::array<bool, 3>{true, false, false}));
    EXPECT_FALSE(none.repeatEnabled || none.fileButtonEnabled);
    EXPECT_EQ(cd.markSelected, (std::array<bool, 3>{false, true, false}));
    EXPECT_TRUE(cd.repeatEnabled);
    EXPECT_FALSE(cd.fileButtonEnabled);
    EXPECT_EQ(file.markSelected, (std::array<bool, 3>{false, false, true}));
    EXPECT_FALSE(file.repeatEnabled);
    EXPECT_TRUE(file.fileButtonEnabled);
    // A hand-edited kind: no mark, nothing enabled.
    for (int kind : {-1, 3, 32767, -32768}) {
        const KindControls other = ControlsForKind(kind);
        EXPECT_EQ(other.markSelected, (std::array<bool, 3>{})) << kind;
        EXPECT_FALSE(other.repeatEnabled || other.fileButtonEnabled) << kind;
    }
}

TEST(SettingsDialogRules, MarksAndLabelsStandForTheirKindUpToTheirLastPixel) {
    struct Case {
        int x, y;
        std::optional<int> kind;
    } cases[] = {
        {28, 56, 1}, {39, 67, 1}, {44, 56, 1}, {86, 68, 1},  // CD: mark and label corners
        {40, 60, std::nullopt}, {87, 60, std::nullopt},        // between and after them
        {28, 76, 0}, {65, 88, 0}, {66, 80, std::nullopt},       // none: the narrowest label
        {39, 107, 2}, {103, 108, 2}, {104, 100, std::nullopt},  // file
        {50, 69, std::nullopt}, {50, 95, std::nullopt},         // between the rows
        {27, 56, std::nullopt}, {120, 60, std::nullopt},        // the combo box is no kind
    };
    for (const Case& c : cases) EXPECT_EQ(KindElementAt(c.x, c.y), c.kind) << c.x << ", " << c.y;
}

TEST(SettingsDialogRules, RepeatTrackIsShownWithoutZeros) {
    EXPECT_EQ(FormatRepeat(0), "");
    EXPECT_EQ(FormatRepeat(7), "7");
    EXPECT_EQ(FormatRepeat(30), "30");
    EXPECT_EQ(FormatRepeat(-5), "-5");
    EXPECT_EQ(FormatRepeat(32767), "32767");
    const std::vector<std::string> items = RepeatListItems();
    ASSERT_EQ(items.size(), 31u);
    EXPECT_EQ(items.front(), "");
    EXPECT_EQ(items[1], "1");
    EXPECT_EQ(items[10], "10");
    EXPECT_EQ(items.back(), "30");
}

TEST(SettingsDialogRules, RepeatTextStoresARoundedTrackOrZero) {
    const struct {
        const char* text;
        int stored;
    } cases[] = {
        {"7", 7}, {" 12 ", 12}, {"30", 30}, {"99", 99}, {"-3", -3}, {"1e1", 10},
        {"2.5", 2}, {"3.5", 4}, {"0.5", 0}, {"2.6", 3},  // halves to even
        {"", 0}, {"abc", 0}, {"7a", 0}, {"1,5", 0}, {"\xEF\xBC\x97", 0},  // full-width 7
        {"32767", 32767}, {"-32768", -32768},
        {"40000", 0}, {"32767.5", 0}, {"-40000", 0}, {"1e300", 0},  // no 16-bit track: none
    };
    for (const auto& c : cases) EXPECT_EQ(RepeatFromText(c.text), c.stored) << '"' << c.text << '"';
}

TEST(SettingsDialogRules, BackgroundRunsFromDarkBlueToPaleBlueGreyAndBack) {
    const std::vector<BackgroundRow> rows = BackgroundRows(kClientHeight);
    ASSERT_EQ(rows.size(), 247u);  // rows 0 to 246, both included
    const auto expect_row = [&rows](int y, int v) {
        EXPECT_EQ(rows[static_cast<std::size_t>(y)].y, y);
        EXPECT_EQ(rows[static_cast<std::size_t>(y)].red, v) << "row " << y;
        EXPECT_EQ(rows[static_cast<std::size_t>(y)].green, v) << "row " << y;
        EXPECT_EQ(rows[static_cast<std::size_t>(y)].blue, v + 30) << "row " << y;
    };
    expect_row(0, 0);
    expect_row(1, 3);
    expect_row(41, 110);
    expect_row(61, 155);
    expect_row(123, 220);  // the middle
    expect_row(200, 122);
    expect_row(245, 3);
    expect_row(246, 0);  // sin(3.142) is just below zero: the absolute value
    EXPECT_EQ(BackgroundRows(0).size(), 1u);
}

TEST(SettingsDialogRules, TilesFillColumnByColumnAndOverrunEveryEdge) {
    // The panel's client area under its border, with the 556 x 20 texture: one column of ten
    // tiles (the tenth starts below the panel), then a second column beyond its right edge.
    std::vector<Point> expected;
    for (int x : {0, 556})
        for (int y = 0; y <= 180; y += 20) expected.push_back({x, y});
    EXPECT_EQ(TileOrigins(465, 161, kPanelTextureWidth, kPanelTextureHeight), expected);

    // A tile that starts exactly on the bottom or right edge is not the last one.
    EXPECT_EQ(TileOrigins(4, 3, 4, 3), (std::vector<Point>{{0, 0}, {0, 3}, {0, 6}, {4, 0}, {4, 3}, {4, 6},
                                                            {8, 0}, {8, 3}, {8, 6}}));
    EXPECT_TRUE(TileOrigins(10, 10, 0, 5).empty());
}

TEST(SettingsDialogRules, DialogOpensCentredWithAThirdOfTheFreeHeightAbove) {
    EXPECT_EQ(DialogPosition(1024, 768, 500, 271), (Point{262, 166}));  // 165.67 rounds up
    EXPECT_EQ(DialogPosition(1024, 768, 501, 272), (Point{261, 165}));  // 3922 and 2480 twips
    EXPECT_EQ(DialogPosition(500, 271, 500, 271), (Point{0, 0}));
    // Larger than the screen: the division truncates towards zero.
    EXPECT_EQ(DialogPosition(400, 300, 500, 271), (Point{-50, 10}));
    EXPECT_EQ(DialogPosition(400, 300, 501, 400), (Point{-50, -33}));
}

}  // namespace
}  // namespace morvantis::host::dialog
