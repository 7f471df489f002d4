// The hidden session form: a window captioned "Morvantis_Main" that runs the session's timers.
#pragma once

#include "host/settings_store.h"

#include <string>

namespace morvantis::host {

// Loads the session form; false when its window cannot be made.
bool StartSessionWindow(const Settings& settings, const std::string& hostFolder, const std::string& commandLine,
                        int savedCursorCount);

}  // namespace morvantis::host
