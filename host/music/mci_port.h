// The narrow platform interface of the music module: MCI command strings, MCI error texts,
// the wave output device count and PlaySound. Win32MciPort (win32_mci_port.h) is the real one,
// FakeMciPort (fake_mci_port.h) a scripted one for tests. All strings are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace morvantis::host {

// A reply buffer that belongs to the caller. `capacity` is what the platform call is told, in
// characters, the terminating NUL included; `text` is the buffer's content up to its first
// NUL. A call that writes the buffer replaces `text` (at most capacity - 1 characters); a call
// that does not write it leaves the previous content in place.
struct ReplyBuffer {
    explicit ReplyBuffer(std::size_t capacityInCharacters) : capacity(capacityInCharacters) {}
    std::size_t capacity;
    std::string text;
};

// PlaySound flags.
inline constexpr std::uint32_t kSoundAsync = 0x0001;
inline constexpr std::uint32_t kSoundLoop = 0x0008;

class MciPort {
public:
    virtual ~MciPort() = default;

    // mciSendString(command, buffer, capacity, no callback window); a null `reply` sends without
    // a buffer (capacity 0). Returns 0 on success, else an MCI error code.
    virtual std::uint32_t SendString(const std::string& command, ReplyBuffer* reply) = 0;

    // mciGetErrorString(code, buffer, capacity): true when the text was written into `buffer`.
    virtual bool GetErrorString(std::uint32_t code, ReplyBuffer& buffer) = 0;

    // waveOutGetNumDevs().
    virtual std::uint32_t WaveOutDeviceCount() = 0;

    // PlaySound(file or NULL, no module, flags); the call's result (non-zero on success).
    virtual std::int32_t PlayWave(const std::optional<std::string>& file, std::uint32_t flags) = 0;
};

}  // namespace morvantis::host
