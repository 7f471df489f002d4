#include "host/session.h"
#include "host/startup.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace morvantis::host {
namespace {

// Records what the start-up asked of the system.
class FakeStartup : public StartupPlatform {
public:
    std::set<std::string> windows;
    std::set<std::string> files = {"C:\\Saver\\モルヴァンティス.dll"};
    bool previewParentExists = true;
    std::vector<std::string> calls;
    std::uint32_t previewParent = 0;

    bool WindowExists(const std::string& title) override { return windows.count(title) > 0; }
    void CreateFolder(const std::string& path) override { calls.push_back("folder " + path); }
    Settings LoadSettings() override {
        calls.push_back("settings");
        Settings s;
        s.BgmKind = 2;
        return s;
    }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    void ShowRendererMissing() override { calls.push_back("renderer missing"); }
    void RunSettingsDialog(Settings& s) override { calls.push_back("dialog kind " + std::to_string(s.BgmKind)); }
    int HideCursor() override {
        calls.push_back("hide cursor");
        return -1;
    }
    bool ShowPreview(std::uint32_t parent) override {
        calls.push_back("preview");
        previewParent = parent;
        return previewParentExists;
    }
};

const std::vector<std::string> kRunModeCalls = {"folder C:\\n_orvi", "settings"};

TEST(Startup, RunModeFromTheSecondCharacterOfTheCommandLine) {
    for (const char* line : {"/s", "/S", "-s", "/s anything", "/sX", "xs"}) {
        FakeStartup fake;
        const Startup s = Main(line, "C:\\Saver", fake);
        EXPECT_EQ(s.result, StartupResult::Session) << line;
        EXPECT_EQ(s.savedCursorCount, -1) << line;
        EXPECT_EQ(fake.calls.back(), "hide cursor") << line;
        EXPECT_EQ(s.settings.BgmKind, 2) << "the session gets the loaded settings";
    }
}

TEST(Startup, AnEmptyCommandLineRunsWithTheCursorVisible) {
    FakeStartup fake;
    const Startup s = Main("", "C:\\Saver", fake);
    EXPECT_EQ(s.result, StartupResult::Session);
    EXPECT_EQ(fake.calls, kRunModeCalls);
}

TEST(Startup, ConfigureModeOpensTheDialogThenEnds) {
    for (const char* line : {"/c", "/c:1234", "-C"}) {
        FakeStartup fake;
        EXPECT_EQ(Main(line, "C:\\Saver", fake).result, StartupResult::End) << line;
        EXPECT_EQ(fake.calls.back(), "dialog kind 2") << line;
    }
}

TEST(Startup, OtherModesEndAfterTheFolderSettingsAndRendererCheck) {
    for (const char* line : {"/a", "x", "S"}) {
        FakeStartup fake;
        EXPECT_EQ(Main(line, "C:\\Saver", fake).result, StartupResult::End) << line;
        EXPECT_EQ(fake.calls, kRunModeCalls) << line;
    }
}

TEST(Startup, AMissingRendererIsReportedInEveryModeButPreview) {
    for (const char* line : {"/s", "", "/c", "/a"}) {
        FakeStartup fake;
        fake.files.clear();
        EXPECT_EQ(Main(line, "C:\\Saver", fake).result, StartupResult::End) << line;
        EXPECT_EQ(fake.calls.back(), "renderer missing") << line;
    }
}

TEST(Startup, PreviewModeDoesNothingElse) {
    for (const char* line : {"/p 1234", "/p:1234", "/P 1234"}) {
        FakeStartup fake;
        fake.files.clear();
        EXPECT_EQ(Main(line, "C:\\Saver", fake).result, StartupResult::Preview) << line;
        EXPECT_EQ(fake.previewParent, 1234u) << line;
        EXPECT_EQ(fake.calls, std::vector<std::string>{"preview"}) << line;
    }
    FakeStartup noParent;
    noParent.previewParentExists = false;
    EXPECT_EQ(Main("/p", "C:\\Saver", noParent).result, StartupResult::End);
    EXPECT_EQ(noParent.previewParent, 0u);
}

TEST(Startup, ARunningSessionOrOpenDialogTurnsEveryStartAway) {
    for (const char* window : {"Morvantis_Main", "<モルヴァンティス>"}) {
        for (const char* line : {"/s", "/c", "/p 1234", ""}) {
            FakeStartup fake;
            fake.windows.insert(window);
            EXPECT_EQ(Main(line, "C:\\Saver", fake).result, StartupResult::End) << window << " " << line;
            EXPECT_TRUE(fake.calls.empty()) << window << " " << line;
        }
    }
}

}  // namespace
}  // namespace morvantis::host
