#include "mci_trace.h"

#include <fstream>
#include <iterator>

namespace morvantis::e2e {

std::uintmax_t MciTrace::Size() const {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file_, error);
    return error ? 0 : size;
}

// Wine writes each command quoted, with backslashes and quotation marks escaped by a backslash.
std::vector<std::string> MciTrace::CommandsSince(std::uintmax_t offset) const {
    std::ifstream in(file_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    const std::string trace((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string marker = "mciSendStringW (L\"";
    std::vector<std::string> commands;
    for (std::size_t at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at + 1)) {
        std::string command;
        std::size_t i = at + marker.size();
        for (; i < trace.size() && trace[i] != '"' && trace[i] != '\n'; ++i) {
            if (trace[i] == '\\' && i + 1 < trace.size()) ++i;
            command.push_back(trace[i]);
        }
        if (i < trace.size() && trace[i] == '"') commands.push_back(command);
    }
    return commands;
}

}  // namespace morvantis::e2e
