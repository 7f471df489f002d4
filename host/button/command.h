// `Command`: the settings dialog's gradient push button, without any platform in it.
//
// The button's state machine, its properties and their persistence, and the painting of its
// face through a FaceSurface. A platform shell owns one Command, turns its window's messages
// into the event handlers below (named after the control's events), runs the hover poll when
// asked through PollTimer, and draws the windowless caption (LblMsg) over the face.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "host/button/face_surface.h"
#include "host/button/property_bag.h"
#include "host/button/state_pictures.h"

namespace morvantis::button {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr std::uint32_t kPollIntervalMs = 100;

// buttonState values.
enum : std::uint8_t {
    StateNone = 0,          // before Initialize
    StateNormal = 1,
    StateHover = 2,         // pointer over the button, no focus
    StateFocused = 3,       // focus, pointer not over it
    StateFocusedHover = 4,  // focus and pointer over it
};

// Mouse buttons as the handlers receive them.
enum : std::int16_t { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// Colours of the face gradient as the control keeps them: six hex digits read as red, green,
// blue (not the platform's 0x00BBGGRR reading of the same number).
inline constexpr std::uint32_t kLightLiteral = 0xFFFFFF;
inline constexpr std::uint32_t kShadeLiteral = 0xC6C5D7;

// The 16-bit gradient channels of such a literal: each byte times 256.
struct GradientChannels {
    std::uint16_t red, green, blue;
};
GradientChannels ChannelsOfLiteral(std::uint32_t literal);

// The hover poll's timer. Start enables it at the given interval (again: keeps it running).
class PollTimer {
public:
    virtual ~PollTimer() = default;
    virtual bool Start(std::uint32_t interval_ms) = 0;
};

// One stretched copy of PaintState: source rectangle of the picture, destination on the face.
struct FrameSlice {
    PixelRect source;
    PixelRect destination;
};

// The eight copies that make the frame of a w x h face, in painting order: the corners are
// copied, the edges stretched, the middle is left to the gradient.
std::array<FrameSlice, 8> FrameSlices(std::int32_t w, std::int32_t h);

// The windowless caption: its text, colour, font, enabled look and box, all in one place.
struct CaptionLabel {
    std::string text = "Command";
    std::uint32_t colour = 0;  // 0x00BBGGRR, or 0x800000nn for system colour nn
    CaptionFont font = DialogFont();
    bool enabled = true;
    // The box in twips; the text is centred horizontally and drawn from the box's top.
    double left = 0.0;
    double top = 90.0;
    double width = 1635.0;
    double height = 195.0;

    // The box in pixels, rounded to the nearest pixel.
    PixelRect BoxPixels() const;
};

// True for the colours a caption accepts: 0x00BBGGRR, or a system colour 0x80000000..0x80000018.
bool IsValidColour(std::uint32_t colour);

class Command {
public:
    Command(FaceSurface& face, PollTimer& timer);
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // --- Public members of the control ----------------------------------------------------------

    // buttonState := StateNormal and the hover poll running at 100 ms. Does not repaint.
    void Initialize();

    // 255 for an opaque face (and RefreshNormal), 0 for a transparent one.
    std::uint8_t Visible();
    void SetVisible(std::uint8_t value);

    // The caption colour (and RefreshNormal).
    std::uint32_t FontColour();
    void SetFontColour(std::uint32_t colour);

    // The first read turns a control created without stored properties on.
    bool Enabled();
    void SetEnabled(bool value);

    const std::string& Caption() const { return label_.text; }
    void SetCaption(const std::string& text);

    const CaptionFont& Font() const { return label_.font; }
    void SetFont(const CaptionFont& font);

    // Raised by the release handler. The handler may destroy the control.
    void OnClick(std::function<void()> handler) { click_ = std::move(handler); }
    // Told which property changed ("Visible", "FontColour", "Enabled", "Caption", "Font").
    void OnPropertyChanged(std::function<void(const std::string&)> handler) { property_changed_ = std::move(handler); }
    // Told when the control must be drawn again although the face was not presented: the
    // caption's text, colour, font, look or box changed, or the face became opaque or transparent.
    void OnAppearanceChanged(std::function<void()> handler) { appearance_changed_ = std::move(handler); }

    // --- Persistence ----------------------------------------------------------------------------

    // `ambient` is the container's font, the default of "Font".
    void UserControl_ReadProperties(PropertyBag& bag, const CaptionFont& ambient);
    void UserControl_WriteProperties(PropertyBag& bag, const CaptionFont& ambient);

    // --- Painting -------------------------------------------------------------------------------

    void ApplyEnabled();
    void RefreshNormal();
    void PaintState(StatePicture picture);
    void FillGradient();
    void EndHover();

    // --- Events ---------------------------------------------------------------------------------
    // button: kLeftButton, kRightButton or kMiddleButton; shift, x and y are not used.

    void UserControl_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void UserControl_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void UserControl_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_Resize();
    // One tick of the hover poll; the shell says whether the window under the pointer is the
    // control's own (the caption is part of it).
    void TmrMouse_Timer(bool pointer_over_control);

    // --- State, for the shell and for checks ----------------------------------------------------

    std::uint8_t buttonState() const { return buttonState_; }
    bool isEnabled() const { return isEnabled_; }
    bool gradientReversed() const { return gradientReversed_; }
    bool leftButtonDown() const { return leftButtonDown_; }
    std::uint8_t firstRun() const { return firstRun_; }
    // True while the face is opaque (the shell shows the painted face only then).
    bool IsOpaque() const { return opaque_; }
    const CaptionLabel& LblMsg() const { return label_; }

private:
    void ReportChanged(const char* key);
    void AppearanceChanged();
    void SetCaptionEnabled(bool enabled);

    FaceSurface& face_;
    PollTimer& timer_;
    std::function<void()> click_;
    std::function<void(const std::string&)> property_changed_;
    std::function<void()> appearance_changed_;

    std::uint8_t buttonState_ = StateNone;
    bool isEnabled_ = false;
    std::uint8_t firstRun_ = 0;
    bool gradientReversed_ = false;
    bool leftButtonDown_ = false;
    bool opaque_ = true;
    CaptionLabel label_;
};

}  // namespace morvantis::button
