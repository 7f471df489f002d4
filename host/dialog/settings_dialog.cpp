#include "host/dialog/settings_dialog.h"

#include <cmath>

#include "host/vb_numbers.h"

namespace morvantis::host::dialog {
namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

KindControls ControlsForKind(int kind) {
    KindControls controls;
    controls.markSelected = {kind == 0, kind == 1, kind == 2};
    controls.repeatEnabled = kind == 1;
    controls.fileButtonEnabled = kind == 2;
    return controls;
}

std::optional<int> KindElementAt(int x, int y) {
    for (const std::size_t kind : {0u, 1u, 2u}) {
        if (kImgBgm[kind].Contains(x, y) || kLblBgm[kind].Contains(x, y)) return static_cast<int>(kind);
    }
    return std::nullopt;
}

std::string FormatRepeat(int track) { return track == 0 ? std::string() : std::to_string(track); }

std::vector<std::string> RepeatListItems() {
    std::vector<std::string> items;
    for (int track = 0; track <= 30; ++track) items.push_back(FormatRepeat(track));
    return items;
}

std::int16_t RepeatFromText(const std::string& text) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) return 0;
    return TryRoundHalfEven16(*number).value_or(0);
}

std::vector<BackgroundRow> BackgroundRows(int clientHeight) {
    std::vector<BackgroundRow> rows;
    const double k = clientHeight / 3.142;
    for (int y = 0; y <= clientHeight; ++y) {
        const double v = std::fabs(std::sin(y / k) * 220.0);
        const auto level = static_cast<std::uint8_t>(RoundHalfEven32(v));
        rows.push_back({y, level, level, static_cast<std::uint8_t>(level + 30)});
    }
    return rows;
}

std::vector<Point> TileOrigins(int panelWidth, int panelHeight, int tileWidth, int tileHeight) {
    std::vector<Point> origins;
    if (tileWidth <= 0 || tileHeight <= 0) return origins;
    int x = 0, y = 0;
    for (;;) {
        origins.push_back({x, y});
        if (y <= panelHeight) {
            y += tileHeight;
        } else if (x > panelWidth) {
            return origins;
        } else {
            x += tileWidth;
            y = 0;
        }
    }
}

Point DialogPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    const int left = (screenWidth - windowWidth) * kTwipsPerPixel / 2;
    const int top = (screenHeight - windowHeight) * kTwipsPerPixel / 3;
    return {RoundHalfEven32(static_cast<double>(left) / kTwipsPerPixel),
            RoundHalfEven32(static_cast<double>(top) / kTwipsPerPixel)};
}

}  // namespace morvantis::host::dialog
