// Wine's MCI trace of the programs a test starts (the harness runs the test with
// WINEDEBUG=+mci,+winmm and appends standard error to one file).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace morvantis::e2e {

class MciTrace {
public:
    explicit MciTrace(std::filesystem::path file) : file_(std::move(file)) {}

    std::uintmax_t Size() const;
    // The command strings sent since `offset`, in order and unescaped; only whole lines count.
    std::vector<std::string> CommandsSince(std::uintmax_t offset) const;
    // The sounds that PlaySound ended since `offset`, each "ok " or "failed " and its name.
    std::vector<std::string> SoundsEndedSince(std::uintmax_t offset) const;

private:
    std::string TextSince(std::uintmax_t offset) const;
    std::filesystem::path file_;
};

}  // namespace morvantis::e2e
