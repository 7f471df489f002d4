#include "host/music/background_music.h"
#include "host/music/fake_mci_port.h"
#include "host/session.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvantis::host {
namespace {

class FakeSystem : public SessionPlatform {
public:
    std::vector<std::string> calls;
    bool rendererStarts = true;
    bool rendererRunning = true;
    bool rendererWindow = false;
    int cursorCount = -1;

    bool SaveTexture(int picture, const std::string& path) override {
        calls.push_back("save " + std::to_string(picture) + " " + path);
        return true;
    }
    bool StartRenderer(const std::string& path) override {
        calls.push_back("start " + path);
        return rendererStarts;
    }
    bool RendererRunning() override { return rendererStarts && rendererRunning; }
    bool WindowExists(const std::string& title) override { return title == "Morvantis_VC" && rendererWindow; }
    int ShowCursor(int show) override {
        calls.push_back("show cursor " + std::to_string(show));
        return ++cursorCount;
    }
    void EndProgram() override { calls.push_back("end"); }
};

struct SessionRun {
    explicit SessionRun(Settings s, std::string commandLine = "/s") : settings(std::move(s)) {
        session = std::make_unique<SaverSession>(system, music, settings, "C:\\Saver Folder", commandLine, -1);
    }
    FakeSystem system;
    FakeMciPort port;
    Settings settings;
    BackgroundMusic music{port, settings};
    std::unique_ptr<SaverSession> session;
};

Settings Kind(std::int16_t kind, std::string file = "") {
    Settings s;
    s.BgmKind = kind;
    s.BgmFile = std::move(file);
    return s;
}

TEST(Session, LoadWritesTheTexturesBeforeStartingTheRendererByItsFullPath) {
    SessionRun run(Kind(0));
    run.session->Form_Load();
    EXPECT_EQ(run.system.calls, (std::vector<std::string>{"save 1 C:\\n_orvi\\Morvantis1.bmp",
                                                          "save 2 C:\\n_orvi\\Morvantis2.bmp",
                                                          "start C:\\Saver Folder\\モルヴァンティス.dll"}));
    EXPECT_TRUE(run.port.sent.empty());
    EXPECT_FALSE(run.session->timer1Enabled);
    EXPECT_FALSE(run.session->timer2Enabled);
    EXPECT_TRUE(run.session->timer3Enabled);
}

TEST(Session, EndsAtTheFirstWatchWithoutTheRendererWindowAndGivesTheCursorBack) {
    SessionRun run(Kind(0));
    run.session->Form_Load();
    run.system.rendererWindow = true;
    run.session->Timer3_Timer();
    EXPECT_FALSE(run.session->ended);
    run.system.rendererWindow = false;
    run.session->Timer3_Timer();
    EXPECT_TRUE(run.session->ended);
    EXPECT_FALSE(run.session->timer3Enabled);
    EXPECT_EQ(std::vector<std::string>(run.system.calls.end() - 2, run.system.calls.end()),
              (std::vector<std::string>{"show cursor 1", "end"}));
    EXPECT_EQ(run.session->savedCursorCount, 0);
}

TEST(Session, WaitsForAStartingRendererButNotForOneThatEnded) {
    SessionRun starting(Kind(0));
    starting.session->Form_Load();
    for (int tick = 0; tick < kRendererStartTicks; ++tick) starting.session->Timer3_Timer();
    EXPECT_FALSE(starting.session->ended) << "a renderer still starting gets its time";
    starting.session->Timer3_Timer();
    EXPECT_TRUE(starting.session->ended) << "but not without end";

    SessionRun gone(Kind(0));
    gone.system.rendererRunning = false;
    gone.session->Form_Load();
    gone.session->Timer3_Timer();
    EXPECT_TRUE(gone.session->ended);

    SessionRun never(Kind(0));
    never.system.rendererStarts = false;
    never.session->Form_Load();
    never.session->Timer3_Timer();
    EXPECT_TRUE(never.session->ended);
}

TEST(Session, AnEmptyCommandLineLeavesTheCursorAlone) {
    SessionRun run(Kind(0), "");
    run.session->Form_Load();
    run.system.rendererRunning = false;
    run.session->Timer3_Timer();
    EXPECT_EQ(run.system.calls.back(), "end");
    for (const std::string& call : run.system.calls) EXPECT_EQ(call.find("cursor"), std::string::npos);
}

TEST(Session, CdMusicIsWatchedAndClosedUnlessTheWatchGaveUp) {
    SessionRun run(Kind(1));
    run.session->Form_Load();
    EXPECT_EQ(run.port.Commands(), (std::vector<std::string>{"open cdaudio", "set cdaudio time format tmsf"}));
    EXPECT_TRUE(run.session->timer2Enabled);
    run.port.Reply("status cdaudio current track", "1");
    run.port.Reply("status cdaudio number of tracks", "9");
    run.session->Timer2_Timer();
    EXPECT_TRUE(run.session->timer2Enabled);
    run.port.ClearLog();
    run.system.rendererRunning = false;
    run.session->Timer3_Timer();
    EXPECT_EQ(run.port.Commands(), (std::vector<std::string>{"stop cdaudio", "close cdaudio"}));

    SessionRun noDisc(Kind(1));
    noDisc.session->Form_Load();
    noDisc.port.Fail("status cdaudio current track", 275);
    noDisc.session->Timer2_Timer();
    EXPECT_FALSE(noDisc.session->timer2Enabled) << "the watch switches itself off";
    noDisc.port.ClearLog();
    noDisc.system.rendererRunning = false;
    noDisc.session->Timer3_Timer();
    EXPECT_TRUE(noDisc.port.sent.empty()) << "the CD device is not closed then";
}

TEST(Session, Mp3FilesAreOpenedWatchedAndClosedWhateverTheCapitals) {
    SessionRun run(Kind(2, "C:\\My Music\\song.Mp3"));
    run.session->Form_Load();
    EXPECT_TRUE(run.session->timer1Enabled);
    EXPECT_EQ(run.port.Commands().front(), "open \"C:\\My Music\\song.Mp3\" type MPEGVideo Alias MP3Play");
    run.port.ClearLog();
    run.session->Timer1_Timer();
    EXPECT_EQ(run.port.Commands().front(), "status MP3Play mode");
    run.port.ClearLog();
    run.system.rendererRunning = false;
    run.session->Timer3_Timer();
    EXPECT_FALSE(run.session->timer1Enabled);
    EXPECT_EQ(run.port.Commands(), (std::vector<std::string>{"stop MP3Play", "close MP3Play"}));
}

TEST(Session, WavFilesLoopAndOtherEndingsPlayNothing) {
    SessionRun wav(Kind(2, "C:\\a.wav"));
    wav.session->Form_Load();
    ASSERT_EQ(wav.port.played.size(), 1u);
    EXPECT_EQ(wav.port.played[0].file, std::optional<std::string>("C:\\a.wav"));
    wav.system.rendererRunning = false;
    wav.session->Timer3_Timer();
    ASSERT_EQ(wav.port.played.size(), 2u);
    EXPECT_EQ(wav.port.played[1].file, std::nullopt);

    for (const char* file : {"C:\\a.ogg", "C:\\a.mp4", "", "C:\\a.wa"}) {
        SessionRun other(Kind(2, file));
        other.session->Form_Load();
        other.system.rendererRunning = false;
        other.session->Timer3_Timer();
        EXPECT_TRUE(other.port.sent.empty()) << file;
        EXPECT_TRUE(other.port.played.empty()) << file;
        EXPECT_FALSE(other.session->timer1Enabled) << file;
    }
}

}  // namespace
}  // namespace morvantis::host
