// The saver's music under Wine, with no audio device and no CD drive: what it sends is read
// from Wine's MCI trace, which the harness writes to a file for this whole test program.
#include "mci_trace.h"
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace morvantis::e2e {
namespace {

const MciTrace kTrace(fs::u8path(MORVANTIS_MCI_TRACE));

std::string Joined(const std::vector<std::string>& commands) {
    std::string all;
    for (const std::string& c : commands) all += c + "\n";
    return all;
}

// True when `expected` appear in `commands` in this order; others may come between (Wine
// opens a device by itself for some commands).
bool InOrder(const std::vector<std::string>& commands, const std::vector<std::string>& expected) {
    std::size_t next = 0;
    for (const std::string& c : commands)
        if (next < expected.size() && c == expected[next]) ++next;
    return next == expected.size();
}

struct MusicRun {
    std::vector<std::string> commands;
    std::string trace;
};

// A whole session of about three seconds with these settings, ended by Escape.
MusicRun RunSessionWithMusic(const std::string& name, const std::string& kind, const std::string& file) {
    const fs::path folder = InstallSaver(name);
    WriteSetting(folder, u8"BGM区分", kind);
    WriteSetting(folder, u8"BGMﾘﾋﾟｰﾄ", "3");
    if (!file.empty()) {
        std::ofstream(folder / fs::u8path(file)) << "not really music";
        WriteSetting(folder, u8"BGMﾌｧｲﾙ", (folder / fs::u8path(file)).make_preferred().u8string());
    }
    const std::uintmax_t before = kTrace.Size();
    RunningProgram host = RunningProgram::Start(HostPath(folder), "/s");
    EXPECT_TRUE(host.started());
    HWND renderer = WaitForWindow("Morvantis_VC", kStartTime);
    EXPECT_NE(renderer, nullptr);
    Sleep(3000);  // a few ticks of every watch
    PostMessageA(renderer, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(host.WaitForExit(kEndTime), std::optional<DWORD>(0)) << name;
    MusicRun run;
    run.trace = kTrace.TextSince(before);
    run.commands = kTrace.CommandsSince(before);
    return run;
}

TEST(SaverMusic, NoMusicSendsNothing) {
    EXPECT_TRUE(RunSessionWithMusic("kind0", "0", "").commands.empty());
    EXPECT_TRUE(RunSessionWithMusic("other", "2", "song.ogg").commands.empty());
}

TEST(SaverMusic, WithoutACdDriveTheCdWatchGivesUp) {
    const MusicRun run = RunSessionWithMusic("cd", "1", "");
    EXPECT_TRUE(InOrder(run.commands, {"open cdaudio", "set cdaudio time format tmsf",
                                       "status cdaudio current track"}))
        << Joined(run.commands);
    // The watch switched itself off: no second query, and nothing closes the CD at the end.
    EXPECT_EQ(std::count(run.commands.begin(), run.commands.end(), "status cdaudio current track"), 1);
    EXPECT_EQ(std::count(run.commands.begin(), run.commands.end(), "close cdaudio"), 0);
}

TEST(SaverMusic, AnMp3IsOpenedWatchedAndClosed) {
    const MusicRun run = RunSessionWithMusic("mp3", "2", u8"my song.MP3");
    ASSERT_FALSE(run.commands.empty());
    EXPECT_EQ(run.commands.front(), "open \"C:\\morvantis-e2e\\mp3\\my song.MP3\" type MPEGVideo Alias MP3Play");
    EXPECT_TRUE(InOrder(run.commands, {"status MP3Play mode", "stop MP3Play", "play MP3Play from 0",
                                       "status MP3Play mode", "stop MP3Play", "close MP3Play"}))
        << Joined(run.commands);
}

TEST(SaverMusic, AWavFileLoopsThroughPlaySound) {
    const MusicRun run = RunSessionWithMusic("wav", "2", u8"loop.wav");
    EXPECT_TRUE(run.commands.empty()) << "no MCI for a WAV file";
    EXPECT_NE(run.trace.find("waveOutGetNumDevs"), std::string::npos);
}

}  // namespace
}  // namespace morvantis::e2e
