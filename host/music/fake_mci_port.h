// An MciPort for tests: records every command string sent, in order, with the capacity of its
// reply buffer, and answers from a script.
//
// Answers are scripted per command string and used one per send, in order; the last one keeps
// answering. A command without a script succeeds (code 0) and writes nothing, so the caller's
// buffer keeps its previous content. A scripted reply is written like the platform writes one:
// cut to the buffer's capacity - 1 characters, and not at all without a buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "host/music/mci_port.h"

namespace morvantis::host {

class FakeMciPort : public MciPort {
public:
    struct Answer {
        std::uint32_t code = 0;
        std::optional<std::string> reply;  // nothing: the buffer is not written
    };

    struct Sent {
        std::string command;
        std::size_t capacity;  // 0: sent without a reply buffer
        bool operator==(const Sent& other) const {
            return std::tie(command, capacity) == std::tie(other.command, other.capacity);
        }
    };

    struct Played {
        std::optional<std::string> file;
        std::uint32_t flags;
        bool operator==(const Played& other) const {
            return std::tie(file, flags) == std::tie(other.file, other.flags);
        }
    };

    // Replaces the script of `command`.
    void Script(const std::string& command, std::vector<Answer> answers) {
        scripts_[command] = std::deque<Answer>(answers.begin(), answers.end());
    }
    // Success with a reply, from now on.
    void Reply(const std::string& command, const std::string& text) {
        Script(command, {{0, text}});
    }
    // Failure with `code`, buffer not written, from now on.
    void Fail(const std::string& command, std::uint32_t code) { Script(command, {{code, {}}}); }

    std::uint32_t SendString(const std::string& command, ReplyBuffer* reply) override {
        sent.push_back({command, reply ? reply->capacity : 0});
        if (sharedLog) sharedLog->push_back(command);
        const Answer answer = Next(command);
        if (answer.reply && reply) Write(*answer.reply, *reply);
        return answer.code;
    }

    bool GetErrorString(std::uint32_t code, ReplyBuffer& buffer) override {
        errorRequests.push_back({code, buffer.capacity});
        const auto found = errorTexts.find(code);
        if (found == errorTexts.end()) return false;
        Write(found->second, buffer);
        return true;
    }

    std::uint32_t WaveOutDeviceCount() override {
        ++waveOutQueries;
        return waveOutDevices;
    }

    std::int32_t PlayWave(const std::optional<std::string>& file, std::uint32_t flags) override {
        played.push_back({file, flags});
        if (sharedLog) sharedLog->push_back("PlaySound " + file.value_or("NULL") + " " + std::to_string(flags));
        return playResult;
    }

    // The command strings sent so far, in order.
    std::vector<std::string> Commands() const {
        std::vector<std::string> commands;
        for (const Sent& s : sent) commands.push_back(s.command);
        return commands;
    }

    void ClearLog() {
        sent.clear();
        errorRequests.clear();
        played.clear();
        waveOutQueries = 0;
    }

    // Error texts that GetErrorString produces; a code missing here cannot be fetched.
    std::map<std::uint32_t, std::string> errorTexts;
    // When set, every command string and PlaySound call also goes here, so that a test sees
    // their order among the calls of its other fakes.
    std::vector<std::string>* sharedLog = nullptr;
    std::uint32_t waveOutDevices = 1;
    std::int32_t playResult = 1;

    std::vector<Sent> sent;
    std::vector<std::pair<std::uint32_t, std::size_t>> errorRequests;  // code, capacity
    std::vector<Played> played;
    int waveOutQueries = 0;

private:
    Answer Next(const std::string& command) {
        const auto found = scripts_.find(command);
        if (found == scripts_.end() || found->second.empty()) return {};
        Answer answer = found->second.front();
        if (found->second.size() > 1) found->second.pop_front();
        return answer;
    }

    static void Write(const std::string& text, ReplyBuffer& buffer) {
        if (buffer.capacity == 0) return;
        const std::string upToNul = text.substr(0, text.find('\0'));
        buffer.text = upToNul.substr(0, std::min(upToNul.size(), buffer.capacity - 1));
    }

    std::map<std::string, std::deque<Answer>> scripts_;
};

}  // namespace morvantis::host
