// The settings dialog's rules without a window: which controls a kind enables, where the kind
// elements are, the repeat track's text in both directions, the background rows, the tiling
// order and the dialog's position.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <string>
#include <vector>

#include "host/dialog/settings_dialog.h"

namespace morvantis::host::dialog {
namespace {

TEST(SettingsDialogRules, AKindSelectsItsMarkAndEnablesOnlyItsOwnControl) {
    for (int kind : {0, 1, 2, -1, 3}) {  // outside 0..2 (hand-edited): no mark, nothing enabled
        const KindControls c = ControlsForKind(kind);
        EXPECT_EQ(std::make_tuple(c.markSelected, c.repeatEnabled, c.fileButtonEnabled),
                  std::make_tuple(std::array<bool, 3>{kind == 0, kind == 1, kind == 2}, kind == 1, kind == 2)) << kind;
    }
}

TEST(SettingsDialogRules, MarksAndLabelsStandForTheirKindUpToTheirLastPixel) {
    const std::optional<int> none;  // CD: corners, gap, past; none; file; between the rows; the combo box
    for (const auto& [x, y, kind] : {std::tuple{28, 56, std::optional{1}}, {86, 68, 1}, {40, 60, none}, {87, 60, none},
                                     {65, 88, 0}, {66, 80, none}, {39, 107, 2}, {104, 100, none}, {50, 69, none},
                                     {120, 60, none}})
        EXPECT_EQ(KindElementAt(x, y), kind) << x << ", " << y;
}

TEST(SettingsDialogRules, RepeatTrackTextsBothWays) {
    std::vector<std::string> items{""};
    for (int i = 1; i <= 30; ++i) items.push_back(std::to_string(i));
    EXPECT_EQ(RepeatListItems(), items);
    for (const auto& [text, stored] : {std::pair{"7", 7}, {"2.5", 2}, {"3.5", 4}, {"", 0}, {"abc", 0}, {"32767", 32767},
                                       {"-32768", -32768}, {"40000", 0}, {"-40000", 0}})  // beyond 16 bits: no track
        EXPECT_EQ(RepeatFromText(text), stored) << '"' << text << '"';
}

TEST(SettingsDialogRules, BackgroundRowsFollowTheSineOfEveryRow) {
    // v of rows 0 to 246 with k = 246 / 3.142 (with pi, rows such as 109 and 164 differ).
    std::istringstream expected(
        "0 3 6 8 11 14 17 20 22 25 28 31 34 36 39 42 45 47 50 53 56 58 61 64 66 69 72 74 77 80 82 85 87 90 93 95 "
        "98 100 103 105 108 110 112 115 117 120 122 124 127 129 131 133 136 138 140 142 144 146 148 151 153 155 "
        "157 159 160 162 164 166 168 170 172 173 175 177 178 180 182 183 185 186 188 189 191 192 193 195 196 197 "
        "198 200 201 202 203 204 205 206 207 208 209 210 211 211 212 213 214 214 215 215 216 217 217 217 218 218 "
        "219 219 219 219 220 220 220 220 220 220 220 220 220 220 220 219 219 219 219 218 218 217 217 216 216 215 "
        "215 214 214 213 212 211 211 210 209 208 207 206 205 204 203 202 201 200 198 197 196 195 193 192 190 189 "
        "188 186 185 183 182 180 178 177 175 173 171 170 168 166 164 162 160 158 157 155 153 150 148 146 144 142 "
        "140 138 136 133 131 129 127 124 122 120 117 115 112 110 107 105 103 100 98 95 92 90 87 85 82 80 77 74 72 "
        "69 66 64 61 58 56 53 50 47 45 42 39 36 33 31 28 25 22 20 17 14 11 8 6 3 0");
    std::vector<std::vector<int>> rows, wanted;
    for (const BackgroundRow& row : BackgroundRows(kClientHeight))
        rows.push_back({row.y, row.red, row.green, row.blue});
    for (int y = 0, v; expected >> v; ++y) wanted.push_back({y, v, v, v + 30});
    EXPECT_EQ(rows, wanted);
}

TEST(SettingsDialogRules, TilesFillColumnByColumnAndOverrunEveryEdge) {
    // A tile that starts exactly on the bottom or right edge is not the last one.
    EXPECT_EQ(TileOrigins(1, 1, 1, 1),
              (std::vector<Point>{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}));
    EXPECT_TRUE(TileOrigins(10, 10, 0, 5).empty() && TileOrigins(10, 10, 5, 0).empty()) << "no texture, no tiles";
}

TEST(SettingsDialogRules, DialogOpensCentredWithAThirdOfTheFreeHeightAbove) {
    EXPECT_EQ(DialogPosition(1024, 768, 500, 271), (Point{262, 166}));  // 165.67 rounds up
    EXPECT_EQ(DialogPosition(1024, 768, 501, 272), (Point{261, 165}));  // 3922 and 2480 twips
    EXPECT_EQ(DialogPosition(400, 300, 501, 400), (Point{-50, -33}));   // truncated towards zero
}

}  // namespace
}  // namespace morvantis::host::dialog
