// The settings dialog `Morvantis_P` without any platform in it: where its controls sit, the
// texts it shows, and the rules its event procedures follow (which controls a music kind
// enables, the repeat track's text in both directions, the background gradient, the tiling of
// the panel texture and where the dialog opens). The window itself is win32_settings_dialog.h.
//
// All positions are pixels, (left, top, width, height); the controls inside the panel are
// relative to the panel's client area.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvantis::host::dialog {

struct Box {
    int x, y, width, height;
    bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

// The dialog's client area.
inline constexpr int kClientWidth = 494;
inline constexpr int kClientHeight = 246;

// Controls on the dialog.
inline constexpr Box kPicC{12, 16, 469, 165};    // the panel, with a border
inline constexpr Box kLblUrl{12, 208, 219, 13};  // design size; shown sized to its text
inline constexpr Box kCmdSet{316, 200, 81, 25};
inline constexpr Box kCmdCan{400, 200, 81, 25};

// Controls inside the panel. Img_BGM(i) and lbl_BGM(i) stand for music kind i; the kinds are
// listed top to bottom as CD (1), none (0), file (2).
inline constexpr Box kShape3{20, 20, 113, 21};  // frames the title
inline constexpr Box kLblTitle{20, 24, 111, 13};
inline constexpr std::array<Box, 3> kImgBgm{{{28, 76, 12, 12}, {28, 56, 12, 12}, {28, 96, 12, 12}}};
inline constexpr std::array<Box, 3> kLblBgm{{{44, 76, 22, 13}, {44, 56, 43, 13}, {44, 96, 60, 13}}};
inline constexpr Box kBgmRepeat{112, 52, 41, 20};
inline constexpr Box kLblRepeat{156, 56, 66, 13};
inline constexpr Box kCmdFile{112, 92, 41, 21};
inline constexpr Box kLblFname{44, 116, 409, 33};

// The pictures the dialog carries: the panel texture (tiled) and the two selection marks.
inline constexpr int kPanelTextureWidth = 556;
inline constexpr int kPanelTextureHeight = 20;
inline constexpr int kMarkSize = 12;

// Colours, 0x00BBGGRR.
inline constexpr std::uint32_t kFormBackColour = 0x00C0C0C0;   // covered by the gradient
inline constexpr std::uint32_t kPanelBackColour = 0x00E0E0E0;  // under the texture

// Texts (UTF-8). The caption is kDialogCaption of host/startup.h.
inline constexpr char kTitleText[] = "BGM";
inline constexpr std::array<const char*, 3> kKindTexts{"なし", "音楽CD", "MP3、WAV"};
inline constexpr char kRepeatText[] = "曲目をﾘﾋﾟｰﾄ";
inline constexpr char kFileButtonText[] = "...";
inline constexpr char kSetButtonText[] = "設定";
inline constexpr char kCancelButtonText[] = "ｷｬﾝｾﾙ";
inline constexpr char kOpenFileTitle[] = "ﾌｧｲﾙを開く";
inline constexpr char kOpenFileFilterName[] = "BGMﾌｧｲﾙ (MP3 WAV)";
inline constexpr char kOpenFileFilterPattern[] = "*.MP3;*.WAV";
// Shown, with the application title as caption, when the chosen file's path has a character
// that the settings file cannot hold (SettingsFileCanHold).
inline constexpr char kUnstorableFileText[] =
    "選んだﾌｧｲﾙのﾊﾟｽには、設定に保存できない文字が含まれています。"
    "別の名前か場所のﾌｧｲﾙを選んでください。";
// The author's web page: the link's caption and the page it opens.
inline constexpr char kAuthorPage[] = "https://morvantis.example/";

// Which controls a music kind selects and enables: its mark, the repeat combo box (CD only)
// and the file button (file only). A kind outside 0..2 selects no mark and enables neither.
struct KindControls {
    std::array<bool, 3> markSelected{};
    bool repeatEnabled = false;
    bool fileButtonEnabled = false;
};
KindControls ControlsForKind(int kind);

// The kind whose mark or label contains the point (panel coordinates); nothing elsewhere.
std::optional<int> KindElementAt(int x, int y);

// A repeat track as the combo box shows it, format "##": decimal without leading zeros, and
// an empty text for 0.
std::string FormatRepeat(int track);

// The combo box's list: "", "1", ..., "30" (31 items).
std::vector<std::string> RepeatListItems();

// The repeat track that the text of the combo box stores: a number is rounded to a whole
// number, halves to even ("2.5" -> 2); an empty text or one that is not a number gives 0. A
// number that does not fit 16 bits ("40000", "-40000") is no track either and gives 0 too,
// so the CD plays on as with no repeat.
std::int16_t RepeatFromText(const std::string& text);

// One row of the background: the line at y in the colour (v, v, v + 30).
struct BackgroundRow {
    int y;
    std::uint8_t red, green, blue;
};
// Rows 0 to clientHeight, both included: v = |sin(y / k) * 220| rounded half-even, with
// k = clientHeight / 3.142 (dark blue at both edges, pale blue-grey in the middle).
std::vector<BackgroundRow> BackgroundRows(int clientHeight);

struct Point {
    int x, y;
    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
};
// Where the copies of a tile go to cover a panel, in drawing order: column by column from the
// top-left corner, each column down until a tile starts below the panel's height, and columns
// until one starts beyond its width. The last tile of a column and the last column start past
// the edge (they are clipped).
std::vector<Point> TileOrigins(int panelWidth, int panelHeight, int tileWidth, int tileHeight);

// The dialog's top-left corner on a screen, in pixels: centred horizontally with one third of
// the free height above it. Worked in twips (15 to the pixel) with truncating division, as
// the form engine places forms, then back to pixels. A dialog larger than the screen gets a
// negative position.
Point DialogPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace morvantis::host::dialog
