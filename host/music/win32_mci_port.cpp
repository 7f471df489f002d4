#include "host/music/win32_mci_port.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "host/text_encoding.h"

namespace morvantis::host {
namespace {

// The caller's buffer as the ANSI bytes the call works on: its previous text, NUL-padded to
// the full capacity, so that a call that writes nothing leaves that text in place.
std::vector<char> AnsiBuffer(const ReplyBuffer& buffer) {
    std::vector<char> bytes(buffer.capacity, '\0');
    const std::string previous = Utf8ToAnsi(buffer.text);
    std::memcpy(bytes.data(), previous.data(), std::min(previous.size(), buffer.capacity - 1));
    return bytes;
}

void TakeText(const std::vector<char>& bytes, ReplyBuffer& buffer) {
    const std::size_t length = strnlen(bytes.data(), bytes.size());
    buffer.text = AnsiToUtf8(std::string(bytes.data(), length));
}

}  // namespace

std::uint32_t Win32MciPort::SendString(const std::string& command, ReplyBuffer* reply) {
    const std::string ansiCommand = Utf8ToAnsi(command);
    if (reply == nullptr || reply->capacity == 0 || reply->capacity > UINT_MAX)
        return mciSendStringA(ansiCommand.c_str(), nullptr, 0, nullptr);

    std::vector<char> bytes = AnsiBuffer(*reply);
    const MCIERROR code = mciSendStringA(ansiCommand.c_str(), bytes.data(),
                                         static_cast<UINT>(bytes.size()), nullptr);
    bytes.back() = '\0';
    TakeText(bytes, *reply);
    return code;
}

bool Win32MciPort::GetErrorString(std::uint32_t code, ReplyBuffer& buffer) {
    if (buffer.capacity == 0 || buffer.capacity > UINT_MAX) return false;
    std::vector<char> bytes = AnsiBuffer(buffer);
    const BOOL produced = mciGetErrorStringA(code, bytes.data(), static_cast<UINT>(bytes.size()));
    bytes.back() = '\0';
    TakeText(bytes, buffer);
    return produced != FALSE;
}

std::uint32_t Win32MciPort::WaveOutDeviceCount() { return waveOutGetNumDevs(); }

std::int32_t Win32MciPort::PlayWave(const std::optional<std::string>& file, std::uint32_t flags) {
    if (!file) return PlaySoundA(nullptr, nullptr, flags);
    const std::string ansiFile = Utf8ToAnsi(*file);
    return PlaySoundA(ansiFile.c_str(), nullptr, flags);
}

}  // namespace morvantis::host
