// The music module's platform calls through the Windows multimedia library (winmm):
// mciSendStringA, mciGetErrorStringA, waveOutGetNumDevs, PlaySoundA. Strings are converted
// between UTF-8 and the ANSI code page. Windows only; this header includes no OS header.
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
