// Whole files held in memory, for tests: a map from path to bytes, with files that cannot be
// read and a replace that fails on request. Every replace is counted.
#pragma once

#include <map>
#include <set>
#include <string>

#include "host/whole_file.h"

namespace morvantis::host {

class FakeWholeFile : public WholeFile {
public:
    WholeFileRead Read(const std::string& path) override {
        if (unreadable.count(path)) return {WholeFileRead::Status::Failed, {}};
        const auto found = files.find(path);
        if (found == files.end()) return {WholeFileRead::Status::Missing, {}};
        return {WholeFileRead::Status::Read, found->second};
    }

    bool Replace(const std::string& path, const std::string& bytes) override {
        ++replaces;
        if (replaceFails) return false;
        files[path] = bytes;
        return true;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    bool replaceFails = false;
    int replaces = 0;
};

}  // namespace morvantis::host
