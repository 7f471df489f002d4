#include "host/session.h"

#include "host/command_line.h"
#include "host/music/background_music.h"

namespace morvantis::host {

const char* const kSurfaceTexturePath = "C:\\n_orvi\\Morvantis1.bmp";
const char* const kSphereTexturePath = "C:\\n_orvi\\Morvantis2.bmp";
const char* const kRendererWindowTitle = "Morvantis_VC";
const char* const kRendererFileName = "\\モルヴァンティス.dll";

SaverSession::SaverSession(SessionPlatform& platform, BackgroundMusic& music, const Settings& settings,
                           std::string hostFolder, std::string commandLine, int savedCursorCount)
    : savedCursorCount(savedCursorCount),
      platform_(platform),
      music_(music),
      settings_(settings),
      hostFolder_(std::move(hostFolder)),
      commandLine_(std::move(commandLine)) {}

void SaverSession::Form_Load() {
    // The textures are on disk before the renderer starts, and the renderer before the music.
    platform_.SaveTexture(1, kSurfaceTexturePath);
    platform_.SaveTexture(2, kSphereTexturePath);
    platform_.StartRenderer(hostFolder_ + kRendererFileName);
    if (settings_.BgmKind == 1) {
        music_.CdOpen();
        timer2.enabled = true;
    } else if (settings_.BgmKind == 2) {
        const std::string tag = FileTypeTag(settings_.BgmFile);
        if (tag == "WAV") {
            music_.WavPlay();
        } else if (tag == "MP3") {
            music_.Mp3Open();
            timer1.enabled = true;
        }
    }
}

void SaverSession::Timer1_Timer() { music_.Mp3Loop(); }

void SaverSession::Timer2_Timer() {
    music_.CdWatch();
    timer2.enabled = music_.CdWatchOn;
}

void SaverSession::Timer3_Timer() {
    if (platform_.WindowExists(kRendererWindowTitle)) {
        rendererSeen_ = true;
        return;
    }
    // A renderer still starting up gets a few seconds to show its window.
    if (!rendererSeen_ && ticksWaited_ < kRendererStartTicks && platform_.RendererRunning()) {
        ++ticksWaited_;
        return;
    }
    timer3.enabled = false;
    Form_QueryUnload();
}

void SaverSession::Form_QueryUnload() {
    if (ended) return;
    if (timer2.enabled) {
        timer2.enabled = false;
        music_.CdClose();
    }
    if (settings_.BgmKind == 2) {
        const std::string tag = FileTypeTag(settings_.BgmFile);
        if (tag == "WAV") {
            music_.WavStop();
        } else if (tag == "MP3") {
            timer1.enabled = false;
            music_.Mp3Close();
        }
    }
    // Run mode hid the cursor once, unconditionally, so it is shown once again here. (Using the
    // saved display count as the show flag would hide it a second time whenever that count was 0.)
    if (ModeLetter(commandLine_) == "S") savedCursorCount = platform_.ShowCursor(1);
    ended = true;
    platform_.EndProgram();
}

}  // namespace morvantis::host
