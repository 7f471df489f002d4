#include "host/music/win32_mci_port.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "host/win32_text.h"

namespace morvantis::host {
namespace {

// The caller's buffer as the UTF-16 the call works on: its previous text, NUL-padded to the
// full capacity, so that a call that writes nothing leaves that text in place.
std::vector<wchar_t> WideBuffer(const ReplyBuffer& buffer) {
    std::vector<wchar_t> units(buffer.capacity, L'\0');
    const std::wstring previous = Widen(buffer.text);
    std::copy_n(previous.begin(), std::min(previous.size(), buffer.capacity - 1), units.begin());
    return units;
}

void TakeText(std::vector<wchar_t>& units, ReplyBuffer& buffer) {
    units.back() = L'\0';
    buffer.text = Narrow(units.data());
}

}  // namespace

std::uint32_t Win32MciPort::SendString(const std::string& command, ReplyBuffer* reply) {
    const std::wstring wideCommand = Widen(command);
    if (reply == nullptr || reply->capacity == 0 || reply->capacity > UINT_MAX)
        return mciSendStringW(wideCommand.c_str(), nullptr, 0, nullptr);

    std::vector<wchar_t> units = WideBuffer(*reply);
    const MCIERROR code = mciSendStringW(wideCommand.c_str(), units.data(), static_cast<UINT>(units.size()), nullptr);
    TakeText(units, *reply);
    return code;
}

bool Win32MciPort::GetErrorString(std::uint32_t code, ReplyBuffer& buffer) {
    if (buffer.capacity == 0 || buffer.capacity > UINT_MAX) return false;
    std::vector<wchar_t> units = WideBuffer(buffer);
    const BOOL produced = mciGetErrorStringW(code, units.data(), static_cast<UINT>(units.size()));
    TakeText(units, buffer);
    return produced != FALSE;
}

std::uint32_t Win32MciPort::WaveOutDeviceCount() { return waveOutGetNumDevs(); }

std::int32_t Win32MciPort::PlayWave(const std::optional<std::string>& file, std::uint32_t flags) {
    if (!file) return PlaySoundW(nullptr, nullptr, flags);
    return PlaySoundW(Widen(*file).c_str(), nullptr, flags);
}

}  // namespace morvantis::host
