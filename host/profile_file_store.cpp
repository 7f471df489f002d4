#include "host/profile_file_store.h"

#include "host/profile_text.h"
#include "host/text_encoding.h"

namespace morvantis::host {
namespace {

constexpr std::size_t kNameField = 127;

}  // namespace

std::string ProfileFileStore::ReadIni(const std::string& section, const std::string& key, const std::string& file) {
    const WholeFileRead read = files_.Read(file);
    if (read.status != WholeFileRead::Status::Read) return {};
    return ProfileText(read.bytes).Read(section, key).value_or(std::string());
}

bool ProfileFileStore::WriteIni(const std::string& section, const std::string& key, const std::string& value,
                                const std::string& file) {
    const WholeFileRead read = files_.Read(file);
    if (read.status == WholeFileRead::Status::Failed) return false;
    ProfileText text(read.bytes);
    if (!text.Write(Utf8PrefixInUtf16Units(section, kNameField), Utf8PrefixInUtf16Units(key, kNameField), value))
        return false;
    if (read.status == WholeFileRead::Status::Read && text.Bytes() == read.bytes) return true;
    return files_.Replace(file, text.Bytes());
}

}  // namespace morvantis::host
