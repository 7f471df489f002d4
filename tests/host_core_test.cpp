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

class FakeSystem : public StartupPlatform, public SessionPlatform {
public:
    Calls calls;
    std::set<std::string> windows;
    bool rendererThere = true, parentThere = true, rendererStarts = true, rendererRunning = true;

    void Log(const std::string& call) { calls.push_back(call); }
    bool WindowExists(const std::string& title) override { return windows.count(title) > 0; }
    void CreateFolder(const std::string& path) override { Log("folder " + path); }
    Settings LoadSettings() override { Log("settings"); return {2, 3, "", ""}; }
    bool FileExists(const std::string& path) override { Log("exists " + path); return rendererThere; }
    void ShowRendererMissing() override { Log("renderer missing"); }
    void RunSettingsDialog(Settings& s) override { Log("dialog kind " + std::to_string(s.BgmKind)); }
    int HideCursor() override { Log("hide cursor"); return -1; }
    bool ShowPreview(std::uint32_t parent) override { Log("preview " + std::to_string(parent)); return parentThere; }

    bool SaveTexture(int n, const std::string& to) override { Log("save " + std::to_string(n) + " " + to); return true; }
    bool StartRenderer(const std::string& path) override { Log("start " + path); return rendererStarts; }
    bool RendererRunning() override { return rendererStarts && rendererRunning; }
    int ShowCursor(int show) override { Log("show cursor " + std::to_string(show)); return 0; }
    void EndProgram() override { Log("end"); }
};

Calls Join(Calls first, const Calls& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(Startup, EachCommandLineDoesItsStepsInOrder) {
    const Calls checks = {"folder C:\\n_orvi", "settings", "exists C:\\Saver\\モルヴァンティス.dll"};
    const struct {
        const char *line, *window;  // a window already there
        bool renderer, previewParent;
        Calls calls;
        StartupResult result;
    } cases[] = {
        {"/s", "", true, true, Join(checks, {"hide cursor"}), StartupResult::Session},
        {"xs", "", true, true, Join(checks, {"hide cursor"}), StartupResult::Session},
        {"", "", true, true, checks, StartupResult::Session},  // the cursor stays visible
        {"/c:1234", "", true, true, Join(checks, {"dialog kind 2"}), StartupResult::End},
        {"/a", "", true, true, checks, StartupResult::End},
        {"S", "", true, true, checks, StartupResult::End},
        {"/s", "", false, true, Join(checks, {"renderer missing"}), StartupResult::End},
        {"/p:1234", "", false, true, {"preview 1234"}, StartupResult::Preview},
        {"/p", "", true, false, {"preview 0"}, StartupResult::End},
        // A running session or an open settings dialog turns every start away.
        {"/s", "Morvantis_Main", true, true, {}, StartupResult::End},
        {"/p 1234", "<モルヴァンティス>", true, true, {}, StartupResult::End},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " beside '" + c.window + "'");
        FakeSystem fake;
        fake.windows = {c.window};
        fake.rendererThere = c.renderer;
        fake.parentThere = c.previewParent;
        const Startup s = Main(c.line, "C:\\Saver", fake);
        EXPECT_EQ(fake.calls, c.calls);
        EXPECT_EQ(s.result, c.result);
        EXPECT_EQ(s.settings.BgmRepeat, c.calls.size() > 1 ? 3 : 0) << "the loaded settings go on";
        EXPECT_EQ(s.savedCursorCount, c.calls == Join(checks, {"hide cursor"}) ? -1 : 0);
    }
}

struct SessionRun {
    SessionRun(int kind, std::string file, std::string commandLine = "/s")
        : settings{static_cast<std::int16_t>(kind), 0, std::move(file), ""},
          session(system, music, settings, "C:\\Saver Folder", std::move(commandLine), -1) {
        port.sharedLog = &system.calls;
    }
    FakeSystem system;
    FakeMciPort port;
    Settings settings;
    BackgroundMusic music{port, settings};
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
    const Calls end = {"show cursor 1", "end"};
    const struct {
        int kind;
        const char *file, *line;
        Calls music;
        Periods timers;
        Calls ending;
    } cases[] = {
        {0, "C:\\a.mp3", "", {}, {500}, {"end"}},  // an empty command line never hid the cursor
        {1, "C:\\a.mp3", "/s", {"open cdaudio", "set cdaudio time format tmsf"}, {200, 500},
         Join({"stop cdaudio", "close cdaudio"}, end)},
        {2, "C:\\My Music\\a.Mp3", "/s", {"open \"C:\\My Music\\a.Mp3\" type MPEGVideo Alias MP3Play", "play MP3Play"},
         {1000, 500}, Join({"stop MP3Play", "close MP3Play"}, end)},
        {2, "C:\\loopWav", "/s", {"PlaySound C:\\loopWav 9"}, {500}, Join({"PlaySound NULL 0"}, end)},
        {2, "C:\\a.ogg", "/s", {}, {500}, end},
        {3, "C:\\a.mp3", "/s", {}, {500}, end},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.file);
        SessionRun run(c.kind, c.file, c.line);
        run.session.Form_Load();
        EXPECT_EQ(run.system.calls, Join(load, c.music));
        EXPECT_EQ(Running(run.session), c.timers);
        run.system.calls.clear();
        run.system.rendererRunning = false;  // the renderer has ended: the next watch ends the session
        run.session.Timer3_Timer();
        EXPECT_EQ(run.system.calls, c.ending);
        EXPECT_EQ(Running(run.session), Periods{});
        EXPECT_EQ(run.session.savedCursorCount, *c.line ? 0 : -1);
    }
}

// (The MP3 watch's tick is seen end to end, with the strings it sends.)
TEST(Session, TheCdWatchTicksAndAFailingOneStopsItself) {
    SessionRun cd(1, "");
    cd.session.Form_Load();
    cd.session.Timer2_Timer();
    EXPECT_EQ(Running(cd.session), (Periods{200, 500})) << "a tick without an error keeps the watch";
    cd.port.Fail("status cdaudio current track", 275);
    cd.session.Timer2_Timer();
    cd.system.calls.clear();
    cd.session.Form_QueryUnload();
    EXPECT_EQ(cd.system.calls, (Calls{"show cursor 1", "end"})) << "the watch stopped itself; nothing closes the CD";
}

TEST(Session, EndsAtTheFirstWatchWithoutTheRendererWindowWaitingOnlyForOneStillStarting) {
    const struct {
        bool starts, running, window;
        int ticks;
    } cases[] = {{true, true, true, 1}, {true, true, false, kRendererStartTicks}, {true, false, false, 0},
                 {false, true, false, 0}};
    for (const auto& c : cases) {
        SessionRun run(0, "");
        run.system.rendererStarts = c.starts;
        run.system.rendererRunning = c.running;
        if (c.window) run.system.windows = {"Morvantis_VC"};
        run.session.Form_Load();
        for (int tick = 0; tick < c.ticks; ++tick) run.session.Timer3_Timer();
        EXPECT_FALSE(run.session.ended) << c.ticks;
        run.system.windows.clear();
        run.session.Timer3_Timer();
        EXPECT_TRUE(run.session.ended) << c.ticks;
    }
}

}  // namespace
}  // namespace morvantis::host
