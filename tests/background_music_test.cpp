// The music module against the scripted MCI port: the command strings, their order and buffer
// capacities per watch tick, the texts of failures, and the reply buffers that keep their
// content from one call to the next. (The session's tests show each kind's open and close.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/music/background_music.h"
#include "host/music/fake_mci_port.h"

namespace morvantis::host {
namespace {

using Log = std::vector<FakeMciPort::Sent>;
using Commands = std::vector<std::string>;

const char kTrack[] = "status cdaudio current track";
const char kCount[] = "status cdaudio number of tracks";
const char kMode[] = "status cdaudio mode";
const char kMp3Mode[] = "status MP3Play mode";

class BackgroundMusicTest : public ::testing::Test {
protected:
    // A disc of 10 tracks standing on `track` in `mode` (none: the mode query writes nothing).
    void Disc(const std::string& track, const char* mode) {
        port.Reply(kTrack, track);
        port.Reply(kCount, "10");
        port.Script(kMode, {{0, mode ? std::optional<std::string>(mode) : std::nullopt}});
    }
    void Tick() {
        port.ClearLog();
        music.CdWatch();
    }

    FakeMciPort port;
    Settings settings;
    BackgroundMusic music{port, settings};
};

TEST_F(BackgroundMusicTest, EveryWatchTickQueriesTheDiscAndPlaysWhenItHasStoppedOrLeftTheTrack) {
    const Log status = {{kTrack, 512}, {kCount, 512}, {kMode, 255}};
    const Log play = {{"play cdaudio", 512}};
    const Log restart = {{"status cdaudio position track 3", 512}, {"play cdaudio from 03:00:00:00", 512}};
    port.Reply("status cdaudio position track 3", "03:00:00:00");
    const struct {
        int repeat;
        const char *track, *mode;
        Log after;
        bool watching;
    } ticks[] = {
        // Repeat 0: play whenever the first seven characters are exactly "stopped", again and again.
        {0, "1", "stopped", play, true}, {0, "1", "stopped", play, true}, {0, "1", "playing", {}, true},
        {0, "1", "Stopped", {}, true},   {0, "", "stopped", play, true},  // repeat 0 never reads the track
        {0, "1", nullptr, play, true},  // a mode query that writes nothing leaves "stopped" in its buffer
        // Repeat 3: restart track 3 when the disc has left it or stopped; the track is compared as a number.
        {3, "3", "playing", {}, true},   {3, "3.0", "playing", {}, true}, {3, "4", "playing", restart, true},
        {3, "3", "stopped.", restart, true},
        {2, "two", "stopped", {}, false},  // a track that is no number stops a repeating watch
    };
    for (const auto& t : ticks) {
        SCOPED_TRACE(std::to_string(t.repeat) + " on '" + t.track + "' " + (t.mode ? t.mode : "(not written)"));
        settings.BgmRepeat = static_cast<std::int16_t>(t.repeat);
        Disc(t.track, t.mode);
        Tick();
        Log expected = status;
        expected.insert(expected.end(), t.after.begin(), t.after.end());
        EXPECT_EQ(port.sent, expected);
        EXPECT_EQ(music.CdWatchOn, t.watching);
    }

    // A track the disc does not have: the error text becomes the start, the play fails, and
    // the watch goes on.
    port.Fail("status cdaudio position track 3", 265);
    port.Fail("play cdaudio from Error:265", 274);
    settings.BgmRepeat = 3;
    Disc("1", "playing");
    Tick();
    EXPECT_TRUE(music.CdWatchOn);
    EXPECT_EQ(port.Commands().back(), "play cdaudio from Error:265");
    EXPECT_EQ(music.ApiResult, 274);
}

TEST_F(BackgroundMusicTest, AnErrorFromTheDiscSwitchesTheWatchOff) {
    const struct {
        std::uint32_t trackCode, countCode;
        const char* track;  // "ERR" in any case counts as failure
        Commands sent;
    } cases[] = {{263, 0, "", {kTrack}}, {0, 263, "1", {kTrack, kCount}}, {0, 0, "terror", {kTrack}}};
    for (const auto& c : cases) {
        port.Script(kTrack, {{c.trackCode, c.track}});
        port.Script(kCount, {{c.countCode, "10"}});
        Tick();
        EXPECT_EQ(port.Commands(), c.sent) << c.track;
        EXPECT_FALSE(music.CdWatchOn) << c.track;
    }
}

TEST_F(BackgroundMusicTest, MciPlayFailuresAndEmptyCommands) {
    EXPECT_EQ(music.MciPlay("cdaudio", "", "5"), 0);
    EXPECT_EQ(music.MciPlay("cdaudio", "1", "5"), 0);
    EXPECT_EQ(port.Commands(), (Commands{"play cdaudio to 5", "play cdaudio from 1 to 5"}));
    std::string reply;
    EXPECT_EQ(music.MciSend("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");
    EXPECT_EQ(music.MciQuery(""), "Error:-1");
    EXPECT_EQ(port.sent.size(), 2u) << "an empty command is not sent";

    port.Fail("bogus", 296);  // no text for 296
    EXPECT_EQ(music.MciQuery("bogus"), "Error:296");
    EXPECT_EQ(music.MciReply, "Error (文字列が取れません)");
    port.errorTexts[296] = "unknown command";
    EXPECT_EQ(music.MciSend("bogus", reply), 296);
    EXPECT_EQ(reply, "unknown command");
    EXPECT_EQ(port.errorRequests.back(), std::make_pair(296u, std::size_t{256}));
}

TEST_F(BackgroundMusicTest, AnMp3PlaysOnlyAfterASuccessfulOpenAndRestartsWhenNotPlaying) {
    settings.BgmFile = "D:\\曲 1.mp3";
    port.Fail("open \"D:\\曲 1.mp3\" type MPEGVideo Alias MP3Play", 275);
    music.Mp3Open();
    EXPECT_EQ(port.Commands().size(), 1u);
    EXPECT_EQ(music.ApiResult, 275);
    const Log restart = {{kMp3Mode, 30}, {"stop MP3Play", 0}, {"play MP3Play from 0", 0}};
    for (const auto& [mode, restarts] : {std::pair{"playing and more", false}, {"paused", true}, {"Playing", true}}) {
        port.ClearLog();
        port.Reply(kMp3Mode, mode);
        music.Mp3Loop();
        EXPECT_EQ(port.sent, restarts ? restart : (Log{{kMp3Mode, 30}})) << mode;
    }
}

TEST_F(BackgroundMusicTest, WithoutAWaveOutputDeviceNothingPlays) {
    settings.BgmFile = "D:\\loop.wav";
    port.waveOutDevices = 0;
    music.WavPlay();
    EXPECT_TRUE(port.played.empty());
}

TEST(FileTypeTag, LastThreeCharactersUpperCased) {
    for (const auto& [file, tag] : {std::pair{"songmp3", "MP3"}, {"xmp3", "MP3"}, {"mp", "MP"}})
        EXPECT_EQ(FileTypeTag(file), tag) << file;
}

}  // namespace
}  // namespace morvantis::host
