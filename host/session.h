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
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Form_QueryUnload();

    // The form's timers as they stand after each event; the window runs them accordingly.
    struct Timer {
        bool enabled;
        unsigned intervalMs;
    };
    Timer timer1{false, 1000};  // MP3 watch
    Timer timer2{false, 200};   // audio-CD watch
    Timer timer3{true, 500};    // renderer watch, running from the load on
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
