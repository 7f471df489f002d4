#include "host/button/command.h"

#include <cmath>

namespace morvantis::button {
namespace {

// Property values are applied only when they have the right kind and range; anything else is a
// failed step that leaves the property as it was.
std::optional<bool> AsBoolean(const PropertyValue& value) {
    if (const bool* b = std::get_if<bool>(&value)) return *b;
    return std::nullopt;
}

std::optional<std::int32_t> AsInteger(const PropertyValue& value) {
    if (const std::int32_t* i = std::get_if<std::int32_t>(&value)) return *i;
    return std::nullopt;
}

}  // namespace

GradientChannels ChannelsOfLiteral(std::uint32_t literal) {
    const auto channel = [](std::uint32_t byte) { return static_cast<std::uint16_t>((byte & 0xFF) << 8); };
    return {channel(literal >> 16), channel(literal >> 8), channel(literal)};
}

std::array<FrameSlice, 8> FrameSlices(std::int32_t w, std::int32_t h) {
    // The pieces measured in twips fall on these pixels at 15 twips to the pixel: the
    // one-twip offsets of some of them land on pixel 0.
    return {{
        {{0, 0, 4, 4}, {0, 0, 4, 4}},             // top-left corner
        {{4, 0, 56, 4}, {4, 0, w - 8, 4}},        // top edge
        {{60, 0, 4, 4}, {w - 4, 0, 4, 4}},        // top-right corner
        {{60, 4, 4, 17}, {w - 4, 4, 4, h - 8}},   // right edge
        {{60, 21, 4, 4}, {w - 4, h - 4, 4, 4}},   // bottom-right corner
        {{4, 21, 56, 4}, {4, h - 4, w - 8, 4}},   // bottom edge
        {{0, 21, 4, 4}, {0, h - 4, 4, 4}},        // bottom-left corner
        {{0, 4, 4, 17}, {0, 4, 4, h - 8}},        // left edge
    }};
}

PixelRect CaptionLabel::BoxPixels() const {
    const auto px = [](double twips) { return static_cast<std::int32_t>(std::lround(twips / kTwipsPerPixel)); };
    return {px(left), px(top), px(width), px(height)};
}

bool IsValidColour(std::uint32_t colour) {
    return (colour & 0xFF000000u) == 0 || (colour >= 0x80000000u && colour <= 0x80000018u);
}

Command::Command(FaceSurface& face, PollTimer& timer) : face_(face), timer_(timer) {}

// ---------------------------------------------------------------------------------------------
// Public members

void Command::Initialize() {
    buttonState_ = StateNormal;
    timer_.Start(kPollIntervalMs);
}

std::uint8_t Command::Visible() {
    if (!opaque_) return 0;
    RefreshNormal();
    return 255;
}

void Command::SetVisible(std::uint8_t value) {
    const bool was_opaque = opaque_;
    if (value == 0) {
        opaque_ = false;
    } else {
        opaque_ = true;
        RefreshNormal();
    }
    if (opaque_ != was_opaque) AppearanceChanged();
    ReportChanged("Visible");
}

std::uint32_t Command::FontColour() {
    const std::uint32_t colour = label_.colour;
    RefreshNormal();
    return colour;
}

void Command::SetFontColour(std::uint32_t colour) {
    if (!IsValidColour(colour)) {
        // The colour is refused: repaint, but report nothing.
        RefreshNormal();
        return;
    }
    label_.colour = colour;
    AppearanceChanged();
    RefreshNormal();
    ReportChanged("FontColour");
}

bool Command::Enabled() {
    if (firstRun_ == 0) {
        RefreshNormal();
        firstRun_ = 1;
        isEnabled_ = true;
    }
    const bool value = isEnabled_;
    ApplyEnabled();
    return value;
}

void Command::SetEnabled(bool value) {
    isEnabled_ = value;
    ReportChanged("Enabled");
    ApplyEnabled();
}

void Command::SetCaption(const std::string& text) {
    label_.text = text;
    ReportChanged("Caption");
    AppearanceChanged();
}

void Command::SetFont(const CaptionFont& font) {
    label_.font = font;
    ReportChanged("Font");
    AppearanceChanged();
}

// ---------------------------------------------------------------------------------------------
// Persistence

void Command::UserControl_ReadProperties(PropertyBag& bag, const CaptionFont& ambient) {
    if (auto enabled = AsBoolean(bag.ReadProperty("Enabled", true))) isEnabled_ = *enabled;
    // Not the writing default: a caption saved as "Command" was not stored and comes back so.
    const PropertyValue caption = bag.ReadProperty("Caption", std::string("Command1"));
    if (const std::string* text = std::get_if<std::string>(&caption)) label_.text = *text;
    const PropertyValue font = bag.ReadProperty("Font", ambient);
    if (const CaptionFont* f = std::get_if<CaptionFont>(&font)) label_.font = *f;
    if (auto first_run = AsInteger(bag.ReadProperty("FirstRun", std::int32_t{1}))) {
        if (*first_run >= 0 && *first_run <= 255) firstRun_ = static_cast<std::uint8_t>(*first_run);
    }
    if (auto colour = AsInteger(bag.ReadProperty("FontColour", std::int32_t{0}))) {
        const auto c = static_cast<std::uint32_t>(*colour);
        if (IsValidColour(c)) label_.colour = c;
    }
    if (auto visible = AsInteger(bag.ReadProperty("Visible", std::int32_t{1}))) {
        if (*visible == 0 || *visible == 1) opaque_ = *visible == 1;
    }
    AppearanceChanged();
    RefreshNormal();
}

void Command::UserControl_WriteProperties(PropertyBag& bag, const CaptionFont& ambient) {
    bag.WriteProperty("Enabled", isEnabled_, true);
    bag.WriteProperty("Caption", label_.text, std::string("Command"));
    bag.WriteProperty("FirstRun", std::int32_t{firstRun_}, std::int32_t{1});
    bag.WriteProperty("Font", label_.font, ambient);
    bag.WriteProperty("FontColour", static_cast<std::int32_t>(label_.colour), std::int32_t{0});
    bag.WriteProperty("Visible", std::int32_t{opaque_ ? 1 : 0}, std::int32_t{1});
    RefreshNormal();
}

// ---------------------------------------------------------------------------------------------
// Painting

void Command::ApplyEnabled() {
    if (!isEnabled_) {
        PaintState(StatePicture::Disable);
        SetCaptionEnabled(false);
    } else {
        PaintState(StatePicture::Normal);
        SetCaptionEnabled(true);
    }
}

void Command::RefreshNormal() {
    if (!isEnabled_) return;
    SetCaptionEnabled(true);
    if (firstRun_ == 0 && label_.colour != 0) {
        label_.colour = 0;
        AppearanceChanged();
    }
    PaintState(StatePicture::Normal);
}

void Command::PaintState(StatePicture picture) {
    // The direction follows the state, not the picture; states 0 and 4 keep it.
    if (buttonState_ == StateNormal || buttonState_ == StateFocused) gradientReversed_ = false;
    if (buttonState_ == StateHover) gradientReversed_ = true;

    face_.Clear();
    FillGradient();
    for (const FrameSlice& slice : FrameSlices(face_.Size().width, face_.Size().height)) {
        face_.StretchCopy(picture, slice.source, slice.destination);  // a failed piece keeps the gradient
    }
    face_.Present();

    // The caption box: the whole width, its design height, centred vertically a little high.
    const double width_twips = static_cast<double>(face_.Size().width) * kTwipsPerPixel;
    const double height_twips = static_cast<double>(face_.Size().height) * kTwipsPerPixel;
    const double top = (height_twips - label_.height - 20.0) / 2.0;
    if (label_.left != 0.0 || label_.width != width_twips || label_.top != top) {
        label_.left = 0.0;
        label_.width = width_twips;
        label_.top = top;
        AppearanceChanged();
    }
}

void Command::FillGradient() {
    const GradientChannels first = ChannelsOfLiteral(gradientReversed_ ? kShadeLiteral : kLightLiteral);
    const GradientChannels second = ChannelsOfLiteral(gradientReversed_ ? kLightLiteral : kShadeLiteral);
    GradientVertex vertices[4] = {};
    vertices[0].red = first.red;
    vertices[0].green = first.green;
    vertices[0].blue = first.blue;
    vertices[1].red = second.red;
    vertices[1].green = second.green;
    vertices[1].blue = second.blue;
    vertices[1].x = face_.Size().width - 1;
    vertices[1].y = face_.Size().height - 1;
    const GradientRect rect = {1, 0};
    if (!face_.FillGradient(vertices, 4, rect)) return;  // a failure ends the fill
    face_.Present();
}

void Command::EndHover() {
    if (!isEnabled_) return;
    if (buttonState_ == StateHover) {
        buttonState_ = StateNormal;
        PaintState(StatePicture::Normal);
    } else if (buttonState_ == StateFocusedHover) {
        buttonState_ = StateFocused;
        PaintState(StatePicture::Selected);
    }
}

// ---------------------------------------------------------------------------------------------
// Events

void Command::UserControl_MouseDown(std::int16_t button, std::int16_t, float, float) {
    if (!isEnabled_) return;
    if (button == kLeftButton) {
        PaintState(StatePicture::Pressed);
        leftButtonDown_ = true;
    }
}

void Command::UserControl_MouseMove(std::int16_t, std::int16_t, float, float) {
    if (!isEnabled_) return;
    if (buttonState_ == StateNormal) {
        buttonState_ = StateHover;
        PaintState(StatePicture::HighLight);
    }
    if (buttonState_ == StateFocused && !leftButtonDown_) {
        buttonState_ = StateFocusedHover;
        PaintState(StatePicture::HighLightSelect);
    }
}

void Command::UserControl_MouseUp(std::int16_t button, std::int16_t, float, float) {
    if (!isEnabled_) return;
    if (button == kLeftButton) {
        if (buttonState_ == StateHover) {
            PaintState(StatePicture::Normal);
        } else if (buttonState_ == StateFocusedHover) {
            PaintState(StatePicture::HighLightSelect);
        }
        leftButtonDown_ = false;
    }
    if (buttonState_ != StateFocused && isEnabled_) {
        // Last: the handler may close the dialog and destroy this control.
        const std::function<void()> click = click_;
        if (click) click();
    }
}

void Command::UserControl_GotFocus() {
    if (!isEnabled_) return;
    if (buttonState_ != StateHover) {
        buttonState_ = StateFocused;
        PaintState(StatePicture::Selected);
    } else {
        buttonState_ = StateFocusedHover;
        PaintState(StatePicture::Pressed);
    }
}

void Command::UserControl_LostFocus() {
    if (!isEnabled_) return;
    if (buttonState_ != StateNormal) {
        buttonState_ = StateNormal;
        PaintState(StatePicture::Normal);
    }
}

void Command::UserControl_Resize() { ApplyEnabled(); }

void Command::TmrMouse_Timer(bool pointer_over_control) {
    if (!pointer_over_control) EndHover();
}

// ---------------------------------------------------------------------------------------------

void Command::ReportChanged(const char* key) {
    if (property_changed_) property_changed_(key);
}

void Command::AppearanceChanged() {
    if (appearance_changed_) appearance_changed_();
}

void Command::SetCaptionEnabled(bool enabled) {
    if (label_.enabled == enabled) return;
    label_.enabled = enabled;
    AppearanceChanged();
}

}  // namespace morvantis::button
