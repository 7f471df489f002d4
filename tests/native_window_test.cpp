// The native renderer as a program in a real X11 window: it opens its window, and Escape or
// the window manager's close request ends it with code 0.
// GoogleTest first: Xlib's macros (None, Bool) clash with its templates.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

class NativeRenderer : public ::testing::Test {
protected:
    void SetUp() override {
        display_ = XOpenDisplay(nullptr);
        if (!display_) GTEST_SKIP() << "no X display";
    }
    void TearDown() override {
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        if (display_) XCloseDisplay(display_);
    }

    void Start(const char* textures) {
        child_ = fork();
        if (child_ == 0) {
            // The GL driver is unloaded before the leak check runs, so its own leaks cannot be
            // told apart from ours by name: leaks are checked in the offscreen tests instead.
            setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            execl(MORVANTIS_NATIVE_RENDERER, MORVANTIS_NATIVE_RENDERER, "--textures", textures, nullptr);
            _exit(127);
        }
        ASSERT_GT(child_, 0);
    }

    Window FindWindow(const char* title, int seconds) {
        const auto end = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < end) {
            if (Window w = Search(DefaultRootWindow(display_), title)) return w;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return 0;
    }

    std::optional<int> WaitForExit(int seconds) {
        const auto end = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < end) {
            int status = 0;
            if (waitpid(child_, &status, WNOHANG) == child_) {
                child_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return std::nullopt;
    }

    void SendEscape(Window window) {
        XEvent event{};
        event.xkey.type = KeyPress;
        event.xkey.display = display_;
        event.xkey.window = window;
        event.xkey.keycode = XKeysymToKeycode(display_, XK_Escape);
        event.xkey.same_screen = True;
        XSendEvent(display_, window, True, KeyPressMask, &event);
        XFlush(display_);
    }

    void RequestClose(Window window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        XSendEvent(display_, window, False, NoEventMask, &event);
        XFlush(display_);
    }

    Display* display_ = nullptr;
    pid_t child_ = 0;

private:
    Window Search(Window parent, const char* title) {
        Window root, up, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, parent, &root, &up, &children, &count)) return 0;
        Window found = 0;
        for (unsigned i = 0; i < count && !found; ++i) {
            char* name = nullptr;
            if (XFetchName(display_, children[i], &name) && name) {
                if (std::strcmp(name, title) == 0) found = children[i];
                XFree(name);
            }
            if (!found) found = Search(children[i], title);
        }
        if (children) XFree(children);
        return found;
    }
};

TEST_F(NativeRenderer, EscapeOrCloseEndsItWithZero) {
    for (bool escape : {true, false}) {
        Start(MORVANTIS_SOURCE_DIR "/assets");
        const Window window = FindWindow("Morvantis_VC", 20);
        ASSERT_NE(window, 0u);
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        EXPECT_EQ(attributes.width, DisplayWidth(display_, DefaultScreen(display_))) << "full screen";
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (escape)
            SendEscape(window);
        else
            RequestClose(window);
        EXPECT_EQ(WaitForExit(10), std::optional<int>(0)) << (escape ? "Escape" : "close");
    }
}

TEST_F(NativeRenderer, WithoutTexturesItEndsQuietly) {
    Start("/nonexistent");
    EXPECT_EQ(WaitForExit(20), std::optional<int>(0));
}

}  // namespace
