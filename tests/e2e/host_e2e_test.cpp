// The shipped saver host with the renderer, under Wine with a display. The harness runs this
// program with Wine's MCI trace appended to a file, which shows what the music sent.
#include "mci_trace.h"
#include "program_driver.h"
#include "saver_install.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace morvantis::e2e {
namespace {

using Commands = std::vector<std::string>;
const fs::path kTrace = fs::u8path(MORVANTIS_MCI_TRACE);

// A music file made beside the host: its path below the host's folder in UTF-8 and as the
// settings file holds it.
struct MusicFile {
    std::string utf8, shiftJis;
    std::string content = "not really music";
};

// A saver run with the music settings `kind` and `file`, written as the bytes a Japanese system
// writes: `during` runs while the renderer's window is up, then Escape ends the renderer and the
// host must follow within about one 500 ms watch. The MCI trace written meanwhile.
std::string RunSession(const std::string& name, const char* arguments, const char* kind, const MusicFile& file,
                       const std::function<void(HWND renderer, const fs::path& folder)>& during) {
    fs::remove_all(kTextureFolder);
    const fs::path folder = InstallSaver(name);
    std::string settings = "[Section]\r\n" + kKindKey + "=" + kind + "\r\n";
    if (!file.utf8.empty()) {
        const fs::path music = folder / fs::u8path(file.utf8);
        fs::create_directories(music.parent_path());
        WriteBytes(music, file.content);
        settings += kFileKey + "=" + fs::path(folder).make_preferred().string() + "\\" + file.shiftJis + "\r\n";
    }
    WriteBytes(SettingsFile(folder), settings);
    const std::uintmax_t before = fs::file_size(kTrace);
    RunningProgram host = RunningProgram::Start(HostPath(folder), arguments);
    HWND renderer = WaitForWindow("Morvantis_VC", kStartTime);
    EXPECT_NE(renderer, nullptr) << name;
    if (!renderer) return {};
    during(renderer, folder);
    PostMessageW(renderer, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitForNoWindow("Morvantis_VC", kEndTime)) << name;
    EXPECT_EQ(host.WaitForExit(1500), std::optional<DWORD>(0)) << name;
    return ReadBytes(kTrace, before);
}

// The music's folder has a Japanese name: the whole path reaches MCI also where the system's
// code page has no kanji.
TEST(SaverHost, RunModeWritesTheTexturesPlaysTheMp3AndTurnsOtherStartsAway) {
    const MusicFile song{u8"音楽\\my song.MP3", "\x89\xB9\x8A\x79\\my song.MP3"};
    const Commands sent = MciCommandsIn(RunSession("run", "/s", "2", song, [](HWND, const fs::path& folder) {
        for (const char* name : {"Morvantis1.bmp", "Morvantis2.bmp"})  // the pictures the host carries
            EXPECT_TRUE(ReadBytes(kTextureFolder / name) == ReadBytes(kAssets / name)) << name;
        const Monitor monitor(152, 112);  // a real window, which a preview would take
        for (const std::string& line : {std::string("/s"), std::string("/c"), monitor.PreviewLine()}) {
            RunningProgram second = RunningProgram::Start(HostPath(folder), line);
            EXPECT_EQ(second.WaitForExit(kEndTime), std::optional<DWORD>(0)) << line;
        }
        Sleep(1100);  // at least one tick of the MP3 watch
    }));
    // One watch tick at least, at its end the stop and close.
    ASSERT_GE(sent.size(), 6u) << ::testing::PrintToString(sent);
    EXPECT_EQ(Commands(sent.begin(), sent.begin() + 4),
              (Commands{u8"open \"C:\\morvantis-e2e\\run\\音楽\\my song.MP3\" type MPEGVideo Alias MP3Play",
                        "status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    EXPECT_EQ(Commands(sent.end() - 2, sent.end()), (Commands{"stop MP3Play", "close MP3Play"}));
}

// Half a second of silence as a WAV file: PCM, 8000 samples a second, 16 bits, one channel.
std::string SilentWav() {
    auto le = [](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
        return out;
    };
    const std::uint32_t data = 8000;
    return "RIFF" + le(36 + data, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(8000, 4) + le(16000, 4) +
           le(2, 2) + le(16, 2) + "data" + le(data, 4) + std::string(data, '\0');
}

// A WAV file loops through PlaySoundW until the session ends. Its path stays within every
// locale's code page: Wine's PlaySoundW opens the file through the system's code page (a
// Wine fault; Windows opens any name), so a Japanese name fails there under 1252.
TEST(SaverHost, RunModeLoopsTheWavUntilTheEnd) {
    const MusicFile wav{"wave\\theme.Wav", "wave\\theme.Wav", SilentWav()};
    const std::string trace = RunSession("wav", "/s", "2", wav, [](HWND, const fs::path&) { Sleep(1200); });
    EXPECT_EQ(MciCommandsIn(trace), Commands{});  // no MCI
    EXPECT_EQ(SoundsEndedIn(trace), Commands{"ok C:\\morvantis-e2e\\wav\\wave\\theme.Wav"});
}

TEST(SaverHost, AnEmptyCommandLineRunsTheSaverWhichEndsWithARendererKilledFromOutside) {
    const Commands sent = MciCommandsIn(RunSession("cd", "", "1", {}, [](HWND renderer, const fs::path&) {
        Sleep(1000);  // ticks of the CD watch, if it went on
        DWORD id = 0;
        GetWindowThreadProcessId(renderer, &id);
        const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id);
        EXPECT_TRUE(TerminateProcess(process, 1));
        CloseHandle(process);
    }));
    // Without a drive the CD watch gives up at its first tick, and nothing closes the CD.
    EXPECT_EQ(sent, (Commands{"open cdaudio", "set cdaudio time format tmsf", "status cdaudio current track"}));
}

TEST(SaverHost, AMissingRendererIsReportedAndEndsTheHost) {
    const fs::path folder = InstallSaver("lonely", false);
    for (const char* line : {"/s", "/c"}) {
        RunningProgram host = RunningProgram::Start(HostPath(folder), line);
        const std::optional<MessageBoxSeen> box = WaitForMessageBox(host.id(), kStartTime);
        ASSERT_TRUE(box.has_value()) << line;
        EXPECT_EQ(box->text, u8"モルヴァンティス.dll が同じﾌｫﾙﾀﾞに見つかりません！") << line;
        EXPECT_EQ(box->caption, u8"モルヴァンティス (ScreenSaver)") << line;
        DismissMessageBox(box->window);
        EXPECT_EQ(host.WaitForExit(kEndTime), std::optional<DWORD>(0)) << line;
    }
}

TEST(SaverHost, PreviewEmbedsItselfInTheGivenWindowAndEndsWithIt) {
    const fs::path folder = InstallSaver("preview");
    for (int width : {152, 2500}) {  // 2500 pixels is more than 32767 twips
        auto monitor = std::make_unique<Monitor>(width, 112);
        RunningProgram host = RunningProgram::Start(HostPath(folder), monitor->PreviewLine());
        HWND preview = nullptr;
        RECT rect{};
        // The host sizes its window right after making it a child: give it that moment.
        WaitUntil(kStartTime, [&] {
            preview = FindWindowExW(monitor->window, nullptr, nullptr, L"Preview Window");
            return preview && GetWindowRect(preview, &rect) && rect.right - rect.left == width;
        });
        ASSERT_NE(preview, nullptr) << width;
        EXPECT_TRUE(GetWindowLongW(preview, GWL_STYLE) & WS_CHILD);
        EXPECT_EQ(rect.right - rect.left, width);
        EXPECT_EQ(rect.bottom - rect.top, 112);
        EXPECT_TRUE(host.Running());
        monitor.reset();
        EXPECT_EQ(host.WaitForExit(kEndTime), std::optional<DWORD>(0)) << width;
    }
    RunningProgram nowhere = RunningProgram::Start(HostPath(folder), "/p 4294967295");  // names no window
    EXPECT_EQ(nowhere.WaitForExit(kEndTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace morvantis::e2e
