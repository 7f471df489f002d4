// Wine's MCI trace of the programs a test starts, as text (the harness runs the test with
// WINEDEBUG=+mci,+winmm and appends standard error to one file).
#pragma once

#include <string>
#include <vector>

namespace morvantis::e2e {

// The command strings the programs sent, in order and unescaped, without those that Wine adds
// (it opens the device before each command: "open ... wait"); only whole lines count.
std::vector<std::string> MciCommandsIn(const std::string& trace);
// The sounds that PlaySound ended, each "ok " or "failed " and its name.
std::vector<std::string> SoundsEndedIn(const std::string& trace);

}  // namespace morvantis::e2e
