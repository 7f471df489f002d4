// The saver host's start and session against one fake system and a scripted MCI port, all
// writing into one log, so that the order across them shows.
#include "host/music/background_music.h"
#include "host/music/fake_mci_port.h"
#include "host/session.h"
#include "host/startup.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace morvantis::host {
namespace {

using Calls = std::vector<std::string>;
using Periods = std::vector<unsigned>;

class FakeSystem : public StartupPlatform, public SessionPlatform, public FakeMciPort {
public:
    Calls calls;
    std::set<std::string> windows;
    bool rendererThere = true, previewParentExists = true, rendererStarts = true, rendererRunning = true;
    int cursorCount = -1;

    void Log(const std::string& call) { calls.push_back(call); }
    bool WindowExists(const std::string& title) override { return windows.count(title) > 0; }
    void CreateFolder(const std::string& path) override { Log("folder " + path); }
    Settings LoadSettings() override { Log("settings"); return {2, 3, "", ""}; }
    bool FileExists(const std::string& path) override { Log("exists " + path); return rendererThere; }
    void ShowRendererMissing() override { Log("renderer missing"); }
    void RunSettingsDialog(Settings& s) override { Log("dialog kind " + std::to_string(s.BgmKind)); }
    int HideCursor() override { Log("hide cursor"); return -1; }
    bool ShowPreview(std::uint32_t parent) override { Log("preview " + std::to_string(parent)); return previewParentExists; }

    bool SaveTexture(int picture, const std::string& path) override { Log("save " + std::to_string(picture) + " " + path); return true; }
    bool StartRenderer(const std::string& path) override { Log("start " + path); return rendererStarts; }
    bool RendererRunning() override { return rendererStarts && rendererRunning; }
    int ShowCursor(int show) override { Log("show cursor " + std::to_string(show)); return ++cursorCount; }
    void EndProgram() override { Log("end"); }
    std::uint32_t SendString(const std::string& command, ReplyBuffer* reply) override {
        Log(command);
        return FakeMciPort::SendString(command, reply);
    }
    std::int32_t PlayWave(const std::optional<std::string>& file, std::uint32_t flags) override {
        Log("PlaySound " + file.value_or("stop") + " " + std::to_string(flags));
        return FakeMciPort::PlayWave(file, flags);
    }
};

Calls Join(Calls first, const Calls& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(Startup, EachCommandLineDoesItsStepsInOrder) {
    const Calls checks = {"folder C:\\n_orvi", "settings", "exists C:\\Saver\\モルヴァンティス.dll"};
    const struct {
        const char* line;
        bool renderer, previewParent;
        Calls calls;
        StartupResult result;
    } cases[] = {
        {"/s", true, true, Join(checks, {"hide cursor"}), StartupResult::Session},
        {"xs", true, true, Join(checks, {"hide cursor"}), StartupResult::Session},
        {"", true, true, checks, StartupResult::Session},  // the cursor stays visible
        {"/c:1234", true, true, Join(checks, {"dialog kind 2"}), StartupResult::End},
        {"/a", true, true, checks, StartupResult::End},
        {"S", true, true, checks, StartupResult::End},
        {"/s", false, true, Join(checks, {"renderer missing"}), StartupResult::End},
        {"/c", false, true, Join(checks, {"renderer missing"}), StartupResult::End},
        {"/p:1234", false, true, {"preview 1234"}, StartupResult::Preview},
        {"/p", true, false, {"preview 0"}, StartupResult::End},
    };
    for (const auto& c : cases) {
        FakeSystem fake;
        fake.rendererThere = c.renderer;
        fake.previewParentExists = c.previewParent;
        const Startup s = Main(c.line, "C:\\Saver", fake);
        EXPECT_EQ(fake.calls, c.calls) << c.line;
        EXPECT_EQ(s.result, c.result) << c.line;
        EXPECT_EQ(s.settings.BgmRepeat, c.calls.size() > 1 ? 3 : 0) << "the loaded settings go on";
        EXPECT_EQ(s.savedCursorCount, c.calls.back() == "hide cursor" ? -1 : 0) << c.line;
    }
}

TEST(Startup, ARunningSessionOrOpenDialogTurnsEveryStartAway) {
    for (const char* window : {"Morvantis_Main", "<モルヴァンティス>"}) {
        for (const char* line : {"/s", "/c", "/p 1234", ""}) {
            FakeSystem fake;
            fake.windows.insert(window);
            EXPECT_EQ(Main(line, "C:\\Saver", fake).result, StartupResult::End) << window << " " << line;
            EXPECT_TRUE(fake.calls.empty()) << window << " " << line;
        }
    }
}

struct SessionRun {
    SessionRun(int kind, std::string file, std::string commandLine = "/s")
        : settings{static_cast<std::int16_t>(kind), 0, std::move(file), ""},
          session(system, music, settings, "C:\\Saver Folder", std::move(commandLine), -1) {}
    FakeSystem system;
    Settings settings;
    BackgroundMusic music{system, settings};
    SaverSession session;
};

// The periods of the timers that run.
Periods Running(const SaverSession& s) {
    Periods periods;
    for (const SaverSession::Timer& t : {s.timer1, s.timer2, s.timer3})
        if (t.enabled) periods.push_back(t.intervalMs);
    return periods;
}

TEST(Session, TexturesThenRendererThenTheMusicOfTheKindWhichTheEndStops) {
    const Calls load = {"save 1 C:\\n_orvi\\Morvantis1.bmp", "save 2 C:\\n_orvi\\Morvantis2.bmp",
                        "start C:\\Saver Folder\\モルヴァンティス.dll"};
    const struct {
        int kind;
        const char* file;
        Calls music;
        Periods timers;
        Calls stop;
    } cases[] = {
        {0, "C:\\a.mp3", {}, {500}, {}},
        {1, "C:\\a.mp3", {"open cdaudio", "set cdaudio time format tmsf"}, {200, 500}, {"stop cdaudio", "close cdaudio"}},
        {2, "C:\\My Music\\song.Mp3", {"open \"C:\\My Music\\song.Mp3\" type MPEGVideo Alias MP3Play", "play MP3Play"},
         {1000, 500}, {"stop MP3Play", "close MP3Play"}},
        {2, "C:\\a.wav", {"PlaySound C:\\a.wav 9"}, {500}, {"PlaySound stop 0"}},
        {2, "C:\\a.ogg", {}, {500}, {}},
        {3, "C:\\a.mp3", {}, {500}, {}},
        {7, "C:\\a.wav", {}, {500}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.file);
        SessionRun run(c.kind, c.file);
        run.session.Form_Load();
        EXPECT_EQ(run.system.calls, Join(load, c.music));
        EXPECT_EQ(Running(run.session), c.timers);
        run.system.calls.clear();
        run.system.rendererRunning = false;  // the renderer has ended: the next watch ends the session
        run.session.Timer3_Timer();
        EXPECT_EQ(run.system.calls, Join(c.stop, {"show cursor 1", "end"}));
        EXPECT_EQ(Running(run.session), Periods{});
    }
}

TEST(Session, TheWatchesTickTheMusicAndAFailingCdWatchStopsItself) {
    SessionRun cd(1, "");
    cd.session.Form_Load();
    cd.system.Reply("status cdaudio current track", "1");
    cd.system.Reply("status cdaudio number of tracks", "9");
    cd.session.Timer2_Timer();
    EXPECT_EQ(Running(cd.session), (Periods{200, 500}));
    cd.system.Fail("status cdaudio current track", 275);
    cd.session.Timer2_Timer();
    EXPECT_EQ(Running(cd.session), Periods{500});
    cd.system.calls.clear();
    cd.session.Form_QueryUnload();
    EXPECT_EQ(cd.system.calls, (Calls{"show cursor 1", "end"})) << "the CD device is not closed then";

    SessionRun mp3(2, "C:\\a.mp3");
    mp3.session.Form_Load();
    mp3.system.calls.clear();
    mp3.session.Timer1_Timer();
    EXPECT_EQ(mp3.system.calls, (Calls{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
}

TEST(Session, EndsAtTheFirstWatchWithoutTheRendererWindowAndGivesTheCursorBack) {
    SessionRun run(0, "");
    run.session.Form_Load();
    run.system.windows = {"Morvantis_VC"};
    run.session.Timer3_Timer();
    EXPECT_FALSE(run.session.ended);
    run.system.windows.clear();
    run.session.Timer3_Timer();
    EXPECT_TRUE(run.session.ended);
    EXPECT_EQ(Running(run.session), Periods{});
    EXPECT_EQ(Calls(run.system.calls.end() - 2, run.system.calls.end()), (Calls{"show cursor 1", "end"}));
    EXPECT_EQ(run.session.savedCursorCount, 0);

    SessionRun empty(0, "", "");  // run mode from an empty command line never hid the cursor
    empty.session.Form_QueryUnload();
    EXPECT_EQ(empty.system.calls, Calls{"end"});
}

TEST(Session, WaitsForAStartingRendererButNotForOneThatEnded) {
    for (const auto& [starts, running, ticks] : {std::tuple{true, true, kRendererStartTicks}, {true, false, 0},
                                                  {false, true, 0}}) {
        SessionRun run(0, "");
        run.system.rendererStarts = starts;
        run.system.rendererRunning = running;
        run.session.Form_Load();
        for (int tick = 0; tick < ticks; ++tick) run.session.Timer3_Timer();
        EXPECT_FALSE(run.session.ended) << ticks;
        run.session.Timer3_Timer();
        EXPECT_TRUE(run.session.ended) << ticks;
    }
}

}  // namespace
}  // namespace morvantis::host
