#include "host/music/background_music.h"

#include <optional>

#include "host/text_encoding.h"
#include "host/vb_numbers.h"

namespace morvantis::host {
namespace {

constexpr char kCdDevice[] = "cdaudio";

// A query's answer counts as failed when it holds "ERR" in any case.
bool IsErrorText(const std::string& text) {
    return AsciiUpper(text).find("ERR") != std::string::npos;
}

// The first seven characters of a mode buffer are exactly `mode`.
bool ModeIs(const ReplyBuffer& buffer, const char (&mode)[8]) {
    return buffer.text.compare(0, 7, mode) == 0;
}

}  // namespace

std::string FileTypeTag(const std::string& bgmFile) {
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < bgmFile.size(); pos += Utf8CharacterLength(bgmFile, pos))
        ++characters;
    const std::size_t start = characters > 3 ? Utf8Advance(bgmFile, characters - 3) : 0;
    return AsciiUpper(bgmFile.substr(start));
}

BackgroundMusic::BackgroundMusic(MciPort& port, const Settings& settings)
    : port_(port), settings_(settings) {}

void BackgroundMusic::SendDirect(const std::string& command, ReplyBuffer* reply) {
    ApiResult = static_cast<std::int32_t>(port_.SendString(command, reply));
}

std::int32_t BackgroundMusic::MciSend(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = kMciNoCommandText;
        return -1;
    }
    const std::uint32_t code = port_.SendString(command, &commandReply_);
    ApiResult = static_cast<std::int32_t>(code);
    if (code != 0) {
        reply = port_.GetErrorString(code, errorText_) ? errorText_.text : kMciNoErrorText;
        return static_cast<std::int32_t>(code);
    }
    reply = commandReply_.text;
    return 0;
}

std::string BackgroundMusic::MciQuery(const std::string& command) {
    ApiResult = MciSend(command, MciReply);
    if (ApiResult != 0) return "Error:" + std::to_string(ApiResult);
    return MciReply;
}

std::int32_t BackgroundMusic::MciPlay(const std::string& device, const std::string& from,
                                      const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) command += " from " + from;
    if (!to.empty()) command += " to " + to;
    return MciSend(command, MciReply);
}

void BackgroundMusic::CdOpen() {
    SendDirect("open cdaudio");
    SendDirect("set cdaudio time format tmsf");
}

void BackgroundMusic::CdWatch() {
    CdWatchOn = true;
    const std::string track = MciQuery("status cdaudio current track");
    if (IsErrorText(track)) {
        CdWatchOn = false;
        return;
    }
    // Only tells whether a disc is there; the count itself is not used.
    const std::string count = MciQuery("status cdaudio number of tracks");
    if (IsErrorText(count)) {
        CdWatchOn = false;
        return;
    }
    SendDirect("status cdaudio mode", &cdMode_);
    const bool stopped = ModeIs(cdMode_, "stopped");

    if (settings_.BgmRepeat != 0) {
        const std::optional<double> current = ParseNumber(track);
        if (!current) {  // a track that cannot be compared ends the watch
            CdWatchOn = false;
            return;
        }
        if (*current != settings_.BgmRepeat || stopped) {
            const std::string start =
                MciQuery("status cdaudio position track " + std::to_string(settings_.BgmRepeat));
            MciPlay(kCdDevice, start, "");
        }
    } else if (stopped) {
        MciPlay(kCdDevice, "", "");
    }
}

void BackgroundMusic::CdClose() {
    SendDirect("stop cdaudio");
    SendDirect("close cdaudio");
}

void BackgroundMusic::Mp3Open() {
    SendDirect("open \"" + settings_.BgmFile + "\" type MPEGVideo Alias MP3Play");
    if (ApiResult == 0) SendDirect("play MP3Play");
}

bool BackgroundMusic::Mp3IsPlaying() {
    SendDirect("status MP3Play mode", &mp3Mode_);
    return ModeIs(mp3Mode_, "playing");
}

void BackgroundMusic::Mp3Loop() {
    if (Mp3IsPlaying()) return;
    SendDirect("stop MP3Play");
    SendDirect("play MP3Play from 0");
}

void BackgroundMusic::Mp3Close() {
    SendDirect("stop MP3Play");
    SendDirect("close MP3Play");
}

void BackgroundMusic::WavPlay() {
    if (port_.WaveOutDeviceCount() > 0)
        ApiResult = port_.PlayWave(settings_.BgmFile, kSoundAsync | kSoundLoop);
}

void BackgroundMusic::WavStop() { ApiResult = port_.PlayWave(std::nullopt, 0); }

}  // namespace morvantis::host
