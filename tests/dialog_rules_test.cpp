// The settings dialog's rules without a window: which controls a kind enables, where the kind
// elements are, the repeat track's text in both directions, the background rows, the tiling
// order and the dialog's position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/dialog/settings_dialog.h"

namespace morvantis::host::dialog {
namespace {

TEST(SettingsDialogRules, AKindSelectsItsMarkAndEnablesOnlyItsOwnControl) {
    // Kinds outside 0..2 (hand-edited) select no mark and enable nothing.
    for (int kind : {0, 1, 2, -1, 3, 32767}) {
        const KindControls c = ControlsForKind(kind);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(c.markSelected[k], k == kind) << kind << ", mark " << k;
        EXPECT_EQ(c.repeatEnabled, kind == 1) << kind;
        EXPECT_EQ(c.fileButtonEnabled, kind == 2) << kind;
    }
}

TEST(SettingsDialogRules, MarksAndLabelsStandForTheirKindUpToTheirLastPixel) {
    const struct {
        int x, y;
        std::optional<int> kind;
    } cases[] = {
        {28, 56, 1}, {86, 68, 1}, {40, 60, std::nullopt}, {87, 60, std::nullopt},  // CD: corners, gap, past
        {65, 88, 0}, {66, 80, std::nullopt}, {39, 107, 2}, {104, 100, std::nullopt},
        {50, 69, std::nullopt}, {120, 60, std::nullopt},  // between the rows; the combo box
    };
    for (const auto& c : cases) EXPECT_EQ(KindElementAt(c.x, c.y), c.kind) << c.x << ", " << c.y;
}

TEST(SettingsDialogRules, RepeatTrackTextsBothWays) {
    EXPECT_EQ(FormatRepeat(0), "");
    EXPECT_EQ(FormatRepeat(-5), "-5");
    std::vector<std::string> expected{""};
    for (int i = 1; i <= 30; ++i) expected.push_back(std::to_string(i));
    EXPECT_EQ(RepeatListItems(), expected);

    const struct {
        const char* text;
        int stored;
    } cases[] = {
        {"7", 7}, {" 12 ", 12}, {"-3", -3}, {"1e1", 10},
        {"2.5", 2}, {"3.5", 4}, {"2.6", 3},                             // halves to even
        {"", 0}, {"abc", 0}, {"7a", 0}, {"\xEF\xBC\x97", 0},            // full-width 7
        {"32767", 32767}, {"-32768", -32768}, {"40000", 0}, {"-40000", 0}, {"1e300", 0},  // 16 bits
    };
    for (const auto& c : cases) EXPECT_EQ(RepeatFromText(c.text), c.stored) << '"' << c.text << '"';
}

TEST(SettingsDialogRules, BackgroundRunsFromDarkBlueToPaleBlueGreyAndBack) {
    const std::vector<BackgroundRow> rows = BackgroundRows(kClientHeight);
    ASSERT_EQ(rows.size(), 247u);  // rows 0 to 246, both included
    for (const auto& [y, v] : {std::pair{0, 0}, {41, 110}, {123, 220}, {200, 122}, {246, 0}}) {
        const BackgroundRow& row = rows[static_cast<std::size_t>(y)];
        EXPECT_EQ(row.y, y);
        EXPECT_EQ((std::array<int, 3>{row.red, row.green, row.blue}), (std::array<int, 3>{v, v, v + 30})) << y;
    }
}

TEST(SettingsDialogRules, TilesFillColumnByColumnAndOverrunEveryEdge) {
    // A tile that starts exactly on the bottom or right edge is not the last one.
    EXPECT_EQ(TileOrigins(4, 3, 4, 3), (std::vector<Point>{{0, 0}, {0, 3}, {0, 6}, {4, 0}, {4, 3}, {4, 6},
                                                            {8, 0}, {8, 3}, {8, 6}}));
    EXPECT_EQ(TileOrigins(465, 161, kPanelTextureWidth, kPanelTextureHeight).size(), 20u);  // 2 columns of 10
    EXPECT_TRUE(TileOrigins(10, 10, 0, 5).empty());
}

TEST(SettingsDialogRules, DialogOpensCentredWithAThirdOfTheFreeHeightAbove) {
    EXPECT_EQ(DialogPosition(1024, 768, 500, 271), (Point{262, 166}));  // 165.67 rounds up
    EXPECT_EQ(DialogPosition(1024, 768, 501, 272), (Point{261, 165}));  // 3922 and 2480 twips
    EXPECT_EQ(DialogPosition(400, 300, 501, 400), (Point{-50, -33}));   // truncated towards zero
}

}  // namespace
}  // namespace morvantis::host::dialog
