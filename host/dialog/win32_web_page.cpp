#include "host/dialog/web_page.h"

#include <windows.h>
#include <shellapi.h>

#include "host/win32_text.h"

namespace morvantis::host {

void OpenWebPage(HWND owner, const std::string& address) {
    ShellExecuteW(owner, L"open", Widen(address).c_str(), L"", L"", SW_SHOWNORMAL);
}

}  // namespace morvantis::host
