// The running saver session: writes the renderer's textures, starts the renderer and the music,
// and ends everything once the renderer's window is gone.
#pragma once

#include "host/settings_store.h"

#include <string>

namespace morvantis::host {

class BackgroundMusic;

// What the session needs from the system; a test fake stands in for it natively.
class SessionPlatform {
public:
    virtual ~SessionPlatform() = default;
    // Writes one of the carried texture pictures (1: surface, 2: sphere) as a BMP file.
    virtual bool SaveTexture(int picture, const std::string& path) = 0;
    // Starts the program at this full path, without arguments and without waiting.
    virtual bool StartRenderer(const std::string& path) = 0;
    // True while the renderer started above still runs.
    virtual bool RendererRunning() = 0;
    virtual bool WindowExists(const std::string& title) = 0;
    virtual int ShowCursor(int show) = 0;
    virtual void EndProgram() = 0;
};

extern const char* const kSurfaceTexturePath;  // "C:\n_orvi\Morvantis1.bmp"
extern const char* const kSphereTexturePath;   // "C:\n_orvi\Morvantis2.bmp"
extern const char* const kRendererWindowTitle;  // "Morvantis_VC"
extern const char* const kRendererFileName;     // "\モルヴァンティス.dll"

// Ticks of the 500 ms watch that the session waits for the window of a renderer that is still
// starting (a cold start can take seconds); a renderer that has ended is never waited for.
constexpr int kRendererStartTicks = 20;

// The hidden session form's logic: its load, its three timers and its unload.
class SaverSession {
public:
    SaverSession(SessionPlatform& platform, BackgroundMusic& music, const Settings& settings,
                 std::string hostFolder, std::string commandLine, int savedCursorCount);

    void Form_Load();
    void Timer1_Timer();  // MP3 watch, 1000 ms
    void Timer2_Timer();  // audio-CD watch, 200 ms
    void Timer3_Timer();  // renderer watch, 500 ms
    void Form_QueryUnload();

    bool timer1Enabled = false;
    bool timer2Enabled = false;
    bool timer3Enabled = true;
    bool ended = false;
    int savedCursorCount;

private:
    SessionPlatform& platform_;
    BackgroundMusic& music_;
    const Settings& settings_;
    std::string hostFolder_;
    std::string commandLine_;
    bool rendererSeen_ = false;
    int ticksWaited_ = 0;
};

}  // namespace morvantis::host
