// The music module's platform calls through the Windows multimedia library (winmm):
// mciSendStringW, mciGetErrorStringW, waveOutGetNumDevs, PlaySoundW. Strings go between
// UTF-8 and UTF-16, so any path Windows can hold reaches MCI whole. Reply buffers hold
// UTF-16 characters. Windows only; this header includes no OS header.
#pragma once

#include "host/music/mci_port.h"

namespace morvantis::host {

class Win32MciPort : public MciPort {
public:
    std::uint32_t SendString(const std::string& command, ReplyBuffer* reply) override;
    bool GetErrorString(std::uint32_t code, ReplyBuffer& buffer) override;
    std::uint32_t WaveOutDeviceCount() override;
    std::int32_t PlayWave(const std::optional<std::string>& file, std::uint32_t flags) override;
};

}  // namespace morvantis::host
