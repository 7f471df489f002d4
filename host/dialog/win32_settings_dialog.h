// The settings dialog `Morvantis_P` as a Win32 window: caption "<モルヴァンティス>", a fixed
// single border with only the close box, a client area of 494 x 246 pixels, and no task-bar
// button (it is owned by a hidden window of its own, as a form that is kept off the task bar
// is; no window of another program owns it).
//
// The labels, marks and the title frame are windowless: the dialog and its panel draw them
// over their persistent background pictures and hit-test them themselves. The combo box is a
// Windows combo box; the three buttons are the gradient Command buttons.
//
// The program needs host/win32_resources.cpp, host/win32_window_effects.cpp,
// host/dialog/win32_web_page.cpp and the resources of host/resources.rc linked with this; no OS
// header is included here.
#pragma once

#include <memory>
#include <string>

#include "host/settings_store.h"

struct HWND__;

namespace morvantis::button {
class CommandButton;
}

namespace morvantis::host {

class SettingsDialog {
public:
    // Control ids of the child windows.
    enum ControlId : int {
        kPanelId = 1001,  // Pic_C
        kRepeatId,        // BGM_Repeat
        kFileButtonId,    // Cmd_File
        kSetButtonId,     // Cmd_Set
        kCancelButtonId,  // Cmd_Can
    };

    // Loads the dialog for the current settings, which it edits in place: creates its window,
    // runs Form_Load and Form_Resize, then shows it. "設定" writes the settings through `store`
    // into the settings file of `hostFolder`. Null when the window cannot be made.
    static std::unique_ptr<SettingsDialog> Show(Settings& settings, ProfileStore& store,
                                                const std::string& hostFolder);
    // A dialog that is still open is destroyed without Form_Unload.
    ~SettingsDialog();
    SettingsDialog(const SettingsDialog&) = delete;
    SettingsDialog& operator=(const SettingsDialog&) = delete;

    // Runs the messages of the thread until the dialog is unloaded ("設定", "ｷｬﾝｾﾙ" or the close
    // box). Returns at once when it is not open.
    void RunModal();
    bool IsOpen() const;

    HWND__* Hwnd() const;
    // A child window by its ControlId (the buttons' windows too); null for other ids.
    HWND__* Control(int id) const;
    button::CommandButton* Button(int id) const;

    // Whether the windowless Img_BGM(kind) holds the selected mark.
    bool MarkSelected(int kind) const;

    struct Form;  // the window's state and event procedures

private:
    explicit SettingsDialog(std::unique_ptr<Form> form);
    std::unique_ptr<Form> form_;
};

// Configure mode: the dialog, modal, until it closes.
void RunSettingsDialog(Settings& settings, ProfileStore& store, const std::string& hostFolder);

}  // namespace morvantis::host
