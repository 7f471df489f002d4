#include "renderer/native/posix_stop_signals.h"

#include <signal.h>

namespace morvantis {

// A screen saver stops its hack with SIGTERM and expects it to die by that signal, within a
// frame's time: a software-rendered frame can take longer than it waits, so no handler waits for
// the loop, and nothing needs undoing (the server frees the window's context and everything else
// with the connection). The default action does exactly that; it is restored because a parent
// may have left the signals ignored or blocked (a shell's background job ignores SIGINT).
void EndByStopSignals() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTERM);
    sigaddset(&stop, SIGINT);
    sigprocmask(SIG_UNBLOCK, &stop, nullptr);
}

}  // namespace morvantis
