// How the native program ends when it is asked to stop.
#pragma once

namespace morvantis {

// SIGTERM and SIGINT end the program by the signal itself, at once, whatever it is doing.
void EndByStopSignals();

}  // namespace morvantis
