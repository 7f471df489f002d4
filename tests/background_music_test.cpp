// The music module against the scripted MCI port: the exact command strings, their order and
// buffer capacities per operation and per watch tick, the texts of failures, and the reply
// buffers that keep their content from one call to the next.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/music/background_music.h"
#include "host/music/fake_mci_port.h"

namespace morvantis::host {
namespace {

using Sent = FakeMciPort::Sent;

const char kTrack[] = "status cdaudio current track";
const char kCount[] = "status cdaudio number of tracks";
const char kMode[] = "status cdaudio mode";
const char kMp3Mode[] = "status MP3Play mode";

// The status queries that begin every CD watch tick that finds a disc.
const std::vector<Sent> kCdStatus = {{kTrack, 512}, {kCount, 512}, {kMode, 255}};

std::vector<Sent> Then(std::vector<Sent> first, const std::vector<Sent>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

class BackgroundMusicTest : public ::testing::Test {
protected:
    // A disc of 10 tracks standing on `track` in `mode`.
    void Disc(const std::string& track, const std::string& mode) {
        port.Reply(kTrack, track);
        port.Reply(kCount, "10");
        port.Reply(kMode, mode);
    }

    FakeMciPort port;
    Settings settings;
    BackgroundMusic music{port, settings};
};

TEST_F(BackgroundMusicTest, CdOpenAndCloseSendWithoutReplyBuffers) {
    music.CdOpen();
    music.CdClose();
    const std::vector<Sent> expected = {{"open cdaudio", 0},
                                        {"set cdaudio time format tmsf", 0},
                                        {"stop cdaudio", 0},
                                        {"close cdaudio", 0}};
    EXPECT_EQ(port.sent, expected);
}

TEST_F(BackgroundMusicTest, WholeDiscIsPlayedAgainWheneverItHasStopped) {
    Disc("1", "stopped");
    for (int tick = 0; tick < 2; ++tick) {
        SCOPED_TRACE(tick);
        port.ClearLog();
        music.CdWatch();
        EXPECT_TRUE(music.CdWatchOn);
        EXPECT_EQ(port.sent, Then(kCdStatus, {{"play cdaudio", 512}}));
    }
    for (const char* mode : {"playing", "paused", "stop", "Stopped", ""}) {
        SCOPED_TRACE(mode);
        port.Reply(kMode, mode);
        port.ClearLog();
        music.CdWatch();
        EXPECT_TRUE(music.CdWatchOn);
        EXPECT_EQ(port.sent, kCdStatus);
    }
}

TEST_F(BackgroundMusicTest, RepeatTrackIsHeldWhilePlaying) {
    settings.BgmRepeat = 3;
    port.Reply("status cdaudio position track 3", "03:00:00:00");
    const std::vector<Sent> restart = Then(
        kCdStatus, {{"status cdaudio position track 3", 512}, {"play cdaudio from 03:00:00:00", 512}});
    const struct {
        const char* track;
        const char* mode;
        bool restarts;
    } cases[] = {
        {"3", "playing", false}, {" 3 ", "playing", false}, {"3.0", "playing", false},
        {"4", "playing", true},  {"2", "playing", true},    {"3", "stopped", true},
        {"3", "stoppedX", true}, {"4", "stopped", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.track) + " " + c.mode);
        Disc(c.track, c.mode);
        port.ClearLog();
        music.CdWatch();
        EXPECT_TRUE(music.CdWatchOn);
        EXPECT_EQ(port.sent, c.restarts ? restart : kCdStatus);
    }
}

TEST_F(BackgroundMusicTest, RepeatTrackMissingOnTheDiscPlaysTheErrorTextAndKeepsWatching) {
    settings.BgmRepeat = 12;
    Disc("1", "playing");
    port.Fail("status cdaudio position track 12", 265);
    port.Fail("play cdaudio from Error:265", 274);
    music.CdWatch();
    EXPECT_TRUE(music.CdWatchOn);
    EXPECT_EQ(port.Commands().back(), "play cdaudio from Error:265");
    EXPECT_EQ(music.ApiResult, 274);
}

TEST_F(BackgroundMusicTest, UnusableCdSwitchesTheWatchOff) {
    port.errorTexts[263] = "The specified device is not open.";
    {
        SCOPED_TRACE("current track fails");
        port.Fail(kTrack, 263);
        music.CdWatch();
        EXPECT_FALSE(music.CdWatchOn);
        EXPECT_EQ(port.Commands(), std::vector<std::string>{kTrack});
        EXPECT_EQ(music.MciReply, "The specified device is not open.");
        EXPECT_EQ(music.ApiResult, 263);
    }
    {
        SCOPED_TRACE("track count fails");
        port.ClearLog();
        port.Reply(kTrack, "1");
        port.Fail(kCount, 263);
        music.CdWatch();
        EXPECT_FALSE(music.CdWatchOn);
        EXPECT_EQ(port.Commands(), (std::vector<std::string>{kTrack, kCount}));
    }
    {
        SCOPED_TRACE("a reply that reads as an error");
        port.ClearLog();
        port.Reply(kTrack, "terror");
        music.CdWatch();
        EXPECT_FALSE(music.CdWatchOn);
        EXPECT_EQ(port.sent.size(), 1u);
    }
    {
        SCOPED_TRACE("the watch comes back on with the disc");
        port.ClearLog();
        Disc("1", "playing");
        music.CdWatch();
        EXPECT_TRUE(music.CdWatchOn);
    }
}

TEST_F(BackgroundMusicTest, TrackThatIsNoNumberStopsOnlyARepeatingWatch) {
    Disc("", "stopped");
    music.CdWatch();  // repeat 0 never reads the track
    EXPECT_TRUE(music.CdWatchOn);
    EXPECT_EQ(port.Commands().back(), "play cdaudio");

    settings.BgmRepeat = 2;
    for (const char* track : {"", "two", "1,5"}) {
        SCOPED_TRACE(track);
        port.ClearLog();
        Disc(track, "stopped");
        music.CdWatch();
        EXPECT_FALSE(music.CdWatchOn);
        EXPECT_EQ(port.sent, kCdStatus);
    }
}

TEST_F(BackgroundMusicTest, MciPlayBuildsItsCommandFromTheGivenParts) {
    const struct {
        const char* from;
        const char* to;
        const char* command;
    } cases[] = {
        {"", "", "play cdaudio"},
        {"x", "", "play cdaudio from x"},
        {"", "5", "play cdaudio to 5"},
        {"1", "5", "play cdaudio from 1 to 5"},
    };
    for (const auto& c : cases) {
        port.ClearLog();
        EXPECT_EQ(music.MciPlay("cdaudio", c.from, c.to), 0);
        EXPECT_EQ(port.sent, (std::vector<Sent>{{c.command, 512}}));
    }
}

TEST_F(BackgroundMusicTest, FailuresBecomeTextsAndCodes) {
    std::string reply = "before";
    music.ApiResult = 77;
    EXPECT_EQ(music.MciSend("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");
    EXPECT_TRUE(port.sent.empty());
    EXPECT_EQ(music.ApiResult, 77);

    EXPECT_EQ(music.MciQuery(""), "Error:-1");
    EXPECT_EQ(music.MciReply, "コマンド文字列が指定されていません");
    EXPECT_EQ(music.ApiResult, -1);
    EXPECT_TRUE(port.sent.empty());

    port.Fail("bogus", 296);  // no text for 296
    EXPECT_EQ(music.MciSend("bogus", reply), 296);
    EXPECT_EQ(reply, "Error (文字列が取れません)");
    EXPECT_EQ(music.MciQuery("bogus"), "Error:296");
    EXPECT_EQ(music.MciReply, "Error (文字列が取れません)");
    EXPECT_EQ(music.MciPlay("bogus", "", ""), 0);  // "play bogus" is not scripted

    port.errorTexts[296] = "unknown command";
    EXPECT_EQ(music.MciSend("bogus", reply), 296);
    EXPECT_EQ(reply, "unknown command");
    ASSERT_FALSE(port.errorRequests.empty());
    EXPECT_EQ(port.errorRequests.back(), std::make_pair(296u, std::size_t{256}));
}

TEST_F(BackgroundMusicTest, ReplyBuffersKeepTheirContentBetweenCalls) {
    port.Reply("status a", "first");
    EXPECT_EQ(music.MciQuery("status a"), "first");
    // A command that writes nothing hands back the previous content.
    EXPECT_EQ(music.MciQuery("status b"), "first");
    std::string reply;
    EXPECT_EQ(music.MciSend("status b", reply), 0);
    EXPECT_EQ(reply, "first");

    // Each buffer is its own: after a play that writes no reply, MciReply still holds the
    // track count, not the mode of the CD mode buffer.
    Disc("1", "stopped");
    music.CdWatch();
    EXPECT_EQ(music.MciReply, "10");
    port.Script(kMode, {{0, std::nullopt}});  // the drive writes no mode: "stopped" stays
    music.CdWatch();
    EXPECT_EQ(port.Commands().back(), "play cdaudio");

    // The MP3 mode buffer keeps "playing" while nothing overwrites it.
    port.Reply(kMp3Mode, "playing");
    EXPECT_TRUE(music.Mp3IsPlaying());
    port.Script(kMp3Mode, {{0, std::nullopt}});
    EXPECT_TRUE(music.Mp3IsPlaying());
}

TEST_F(BackgroundMusicTest, Mp3OpenQuotesThePathAndPlaysOnlyAfterASuccessfulOpen) {
    settings.BgmFile = "D:\\My Music\\曲 1.mp3";
    const std::string open = "open \"D:\\My Music\\曲 1.mp3\" type MPEGVideo Alias MP3Play";
    music.Mp3Open();
    EXPECT_EQ(port.sent, (std::vector<Sent>{{open, 0}, {"play MP3Play", 0}}));

    port.ClearLog();
    port.Fail(open, 275);
    music.Mp3Open();
    EXPECT_EQ(port.sent, (std::vector<Sent>{{open, 0}}));
    EXPECT_EQ(music.ApiResult, 275);
}

TEST_F(BackgroundMusicTest, Mp3LoopRestartsAFileThatIsNotPlaying) {
    const std::vector<Sent> restart = {
        {kMp3Mode, 30}, {"stop MP3Play", 0}, {"play MP3Play from 0", 0}};
    const struct {
        std::string mode;
        bool restarts;
    } cases[] = {
        {"playing", false}, {"playing and more", false}, {"paused", true}, {"stopped", true},
        {"Playing", true},  {"play", true},              {"", true},
        {std::string(40, 'x'), true},  // longer than the buffer: cut, not overrun
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        port.ClearLog();
        port.Reply(kMp3Mode, c.mode);
        music.Mp3Loop();
        EXPECT_EQ(port.sent, c.restarts ? restart : std::vector<Sent>({{kMp3Mode, 30}}));
    }
    // A file that failed to open: every tick sends the restart, which fails quietly.
    port.ClearLog();
    port.Script(kMp3Mode, {{263, std::string()}});
    port.Fail("stop MP3Play", 263);
    port.Fail("play MP3Play from 0", 263);
    music.Mp3Loop();
    EXPECT_EQ(port.sent, restart);
    EXPECT_EQ(music.ApiResult, 263);

    port.ClearLog();
    music.Mp3Close();
    EXPECT_EQ(port.Commands(), (std::vector<std::string>{"stop MP3Play", "close MP3Play"}));
}

TEST_F(BackgroundMusicTest, WavLoopsOnlyWithAWaveOutputDevice) {
    settings.BgmFile = "D:\\a b\\loop.WAV";
    port.waveOutDevices = 0;
    music.ApiResult = 5;
    music.WavPlay();
    EXPECT_TRUE(port.played.empty());
    EXPECT_EQ(port.waveOutQueries, 1);
    EXPECT_EQ(music.ApiResult, 5);

    port.waveOutDevices = 2;
    port.playResult = 0;  // a file that cannot be played: the result lands in ApiResult
    music.WavPlay();
    port.playResult = 1;
    music.WavStop();
    music.WavStop();  // again, with nothing playing
    const std::vector<FakeMciPort::Played> expected = {
        {std::string("D:\\a b\\loop.WAV"), 9}, {std::nullopt, 0}, {std::nullopt, 0}};
    EXPECT_EQ(port.played, expected);
    EXPECT_EQ(music.ApiResult, 1);
    EXPECT_TRUE(port.sent.empty());
}

TEST(FileTypeTag, LastThreeCharactersUpperCased) {
    const struct {
        const char* file;
        const char* tag;
    } cases[] = {
        {"song.Mp3", "MP3"},  {"D:\\a\\loop.wav", "WAV"}, {"songmp3", "MP3"},
        {"x.MP3 ", "P3 "},    {"mp", "MP"},              {"", ""},
        {"曲.ｗａｖ", "ｗａｖ"}, {"D:\\曲ab", "曲AB"},     {"a.mp3\\", "P3\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(FileTypeTag(c.file), c.tag);
    }
    EXPECT_EQ(FileTypeTag("x\xE3"), "X\xE3");  // a cut-off character is never read past
}

}  // namespace
}  // namespace morvantis::host
