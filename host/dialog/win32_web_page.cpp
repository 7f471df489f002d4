#include "host/dialog/web_page.h"

#include <windows.h>
#include <shellapi.h>

namespace morvantis::host {

void OpenWebPage(HWND owner, const std::string& address) {
    ShellExecuteA(owner, "open", address.c_str(), "", "", SW_SHOWNORMAL);
}

}  // namespace morvantis::host
