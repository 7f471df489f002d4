// Opening the author's web page from the dialog's link. The program links the real one
// (win32_web_page.cpp: ShellExecuteW "open"), as it links the window effects; the dialog's
// window tests link a recorder, so that no browser opens there. No OS header here.
#pragma once

#include <string>

struct HWND__;

namespace morvantis::host {

// Hands `address` to the shell to open, with `owner` as the window of any message; the result
// is not looked at (a browser that cannot be started gives no message).
void OpenWebPage(HWND__* owner, const std::string& address);

}  // namespace morvantis::host
