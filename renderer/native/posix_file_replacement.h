// Saving a file so that a failure loses nothing: the new content is written to a temporary file
// beside the destination and renamed over it only once it was written whole. (Writing into the
// destination itself empties it first, and libpng's own file writer removes whatever it was
// writing when a write fails, a device node that a link pointed at included.)
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace morvantis {

// Whether `path` can be saved to, checked before any work: the folder it lies in exists and can
// be written, and what is there already (through links) is a regular file that may be written.
// Empty when it can; otherwise why not, naming the path.
std::string CheckSaveDestination(const std::string& path);

// Saves `path` with the content that `write` puts into the stdio file it is given (false from it
// counts as a failure). A link is followed: the file it points at gets the new content. False,
// with `error` set, when anything failed; the destination is then as it was and no temporary
// file is left.
bool SaveFileWhole(const std::string& path, const std::function<bool(std::FILE*)>& write, std::string& error);

}  // namespace morvantis
