// The gradient push button as a Win32 child window: the control the settings dialog places.
//
// It owns its face (a GDI memory bitmap painted by the platform-free Command), draws the
// windowless caption over it, polls the pointer every 100 ms once initialised, takes the focus
// when pressed with the left button (while enabled) and holds the mouse capture until the left
// button is released. Keys do nothing: Space and Enter raise no Click.
//
// Opaque handles keep <windows.h> out of this header.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/button/command.h"

struct HWND__;

namespace morvantis::button {

class CommandButton {
public:
    // A child of `parent` at (x, y), width x height pixels, with the control id `id`, loaded
    // like a button from the dialog's stored layout: enabled, the given caption (UTF-8) and the
    // dialog font ("ＭＳ Ｐゴシック" 9.75 pt), painted with the normal look. Null when the window
    // cannot be created.
    static std::unique_ptr<CommandButton> Create(HWND__* parent, int id, int x, int y, int width, int height,
                                                 const std::string& caption_utf8);
    ~CommandButton();
    CommandButton(const CommandButton&) = delete;
    CommandButton& operator=(const CommandButton&) = delete;

    HWND__* Hwnd() const;

    // Starts the hover poll; call once for every button while the dialog loads.
    void Initialize();
    void SetEnabled(bool enabled);
    // The control's Enabled property, with its repaint.
    bool Enabled();
    // Called when a mouse button is released over the control (not in the focused state 3).
    // The handler may destroy this object.
    void OnClick(std::function<void()> handler);

    // Everything else the control has: Caption, Font, FontColour, Visible, the property bag.
    Command& Core();
    // The face as last painted, rows from the top (without the caption).
    std::vector<Rgb8> FacePixels() const;

    // Window class of the control.
    static const wchar_t* ClassName();

    struct Impl;  // the window's state, defined with the window procedure

private:
    explicit CommandButton(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace morvantis::button
