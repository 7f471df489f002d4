// The winmm port under Wine, where there is no CD drive and no audio output: commands fail
// with codes whose texts come back through the code-page conversion, and the music module
// stays silent without hanging.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "host/music/background_music.h"
#include "host/music/win32_mci_port.h"
#include "host/text_encoding.h"

namespace morvantis::host {
namespace {

TEST(Win32MciPort, FailingCommandsGiveCodesAndTexts) {
    Win32MciPort port;
    ReplyBuffer reply(512);
    const std::uint32_t code = port.SendString("status cdaudio current track", &reply);
    ASSERT_NE(code, 0u);
    EXPECT_NE(port.SendString("open \"C:\\nowhere\\曲 1.mp3\" type MPEGVideo Alias MP3Play", nullptr), 0u);

    ReplyBuffer text(256);
    ASSERT_TRUE(port.GetErrorString(code, text));
    char direct[256] = {};  // the same text as the A function gives, turned into UTF-8
    ASSERT_TRUE(mciGetErrorStringA(code, direct, sizeof direct));
    EXPECT_EQ(Utf8ToAnsi(text.text), direct);
    EXPECT_FALSE(text.text.empty());

    text.text = "前の文";  // a code without a text: not produced, and the buffer keeps what it held
    EXPECT_FALSE(port.GetErrorString(0xFFFFu, text));
    EXPECT_EQ(text.text, "前の文");
}

TEST(Win32MciPort, MusicModuleStaysSilentWithoutDrive) {
    Win32MciPort port;
    Settings settings;
    settings.BgmFile = "C:\\nowhere\\曲.mp3";
    BackgroundMusic music(port, settings);
    music.CdOpen();
    music.CdWatch();
    EXPECT_FALSE(music.CdWatchOn);
    EXPECT_FALSE(music.MciReply.empty());
    music.Mp3Open();
    EXPECT_NE(music.ApiResult, 0);
    EXPECT_FALSE(music.Mp3IsPlaying());
    music.WavStop();
    EXPECT_NE(music.ApiResult, 0) << "stopping the sound succeeds even when none plays";
}

}  // namespace
}  // namespace morvantis::host
