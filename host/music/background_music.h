// The saver host's music module: an audio CD or an MP3 file through MCI command strings, a WAV
// file looped with PlaySound. It has no thread or timer of its own; the saver session starts
// the music once and calls the watch operations from its timers (CdWatch every 200 ms,
// Mp3Loop every 1000 ms). Nothing is ever shown to the user: a failing command leaves the
// music silent and its text in MciReply.
#pragma once

#include <cstdint>
#include <string>

#include "host/music/mci_port.h"
#include "host/settings_store.h"

namespace morvantis::host {

// Texts that MciSend gives back for an empty command and for an error code without a text.
inline constexpr char kMciNoCommandText[] = "コマンド文字列が指定されていません";
inline constexpr char kMciNoErrorText[] = "Error (文字列が取れません)";

// File-type tags of a music file (kind 2), compared with FileTypeTag.
inline constexpr char kFileTagWav[] = "WAV";
inline constexpr char kFileTagMp3[] = "MP3";

// The last three characters of `bgmFile`, ASCII letters upper-cased ("song.Mp3" -> "MP3",
// "songmp3" -> "MP3"); a shorter name gives the whole name upper-cased.
std::string FileTypeTag(const std::string& bgmFile);

class BackgroundMusic {
public:
    // Capacities of the module's reply buffers, in characters.
    static constexpr std::size_t kCommandReplyCapacity = 512;
    static constexpr std::size_t kErrorTextCapacity = 256;
    static constexpr std::size_t kCdModeCapacity = 255;
    static constexpr std::size_t kMp3ModeCapacity = 30;

    // Reads BgmKind, BgmRepeat and BgmFile from `settings` whenever it needs them; both
    // arguments must outlive the module.
    BackgroundMusic(MciPort& port, const Settings& settings);

    // "open cdaudio", "set cdaudio time format tmsf". Starts nothing; CdWatch does.
    void CdOpen();
    // One tick of the CD watch: status queries, then play when the disc has stopped or (with a
    // repeat track) has left that track. Sets CdWatchOn, false when the CD cannot be used.
    void CdWatch();
    // "stop cdaudio", "close cdaudio".
    void CdClose();

    // Opens BgmFile (quoted) as "MP3Play" and plays it if the open succeeded.
    void Mp3Open();
    // Restarts the file from 0 when it is no longer playing.
    void Mp3Loop();
    // "status MP3Play mode" into the 30-character buffer begins with "playing".
    bool Mp3IsPlaying();
    // "stop MP3Play", "close MP3Play".
    void Mp3Close();

    // Loops BgmFile asynchronously when there is a wave output device; otherwise nothing.
    void WavPlay();
    // Stops the sound the process plays (harmless when none plays).
    void WavStop();

    // Sends `command` with the 512-character reply buffer. Returns 0 and the reply, or the
    // error code and its text (kMciNoErrorText when it cannot be fetched). An empty command is
    // not sent: -1 and kMciNoCommandText.
    std::int32_t MciSend(const std::string& command, std::string& reply);
    // MciSend into MciReply; the reply on success, else "Error:" and the code in decimal.
    std::string MciQuery(const std::string& command);
    // "play <device>[ from <from>][ to <to>]" through MciSend into MciReply; returns the code.
    std::int32_t MciPlay(const std::string& device, const std::string& from,
                         const std::string& to);

    bool CdWatchOn = false;
    // The reply or error text of the last MciQuery or MciPlay.
    std::string MciReply;
    // The result of the last MCI or PlaySound call (an MCI code, or -1 from an empty query).
    std::int32_t ApiResult = 0;

private:
    // A command sent directly: its code goes to ApiResult and is not tested.
    void SendDirect(const std::string& command, ReplyBuffer* reply = nullptr);

    MciPort& port_;
    const Settings& settings_;
    ReplyBuffer commandReply_{kCommandReplyCapacity};
    ReplyBuffer errorText_{kErrorTextCapacity};
    ReplyBuffer cdMode_{kCdModeCapacity};
    ReplyBuffer mp3Mode_{kMp3ModeCapacity};
};

}  // namespace morvantis::host
