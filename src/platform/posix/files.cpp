#include "platform/posix/posix_os.h"

namespace vcom::platform {

// TODO(files): placeholders until the configuration file lands.
char16_t PosixOs::pathSeparator() { return u'/'; }
std::u16string PosixOs::roamingAppDataFolder() { return {}; }
bool PosixOs::isDirectory(const std::u16string&) { return false; }
bool PosixOs::isFile(const std::u16string&) { return false; }
bool PosixOs::createDirectories(const std::u16string&) { return false; }
std::optional<std::string> PosixOs::readFile(const std::u16string&) { return std::nullopt; }
bool PosixOs::createEmptyFile(const std::u16string&) { return false; }
bool PosixOs::replaceFile(const std::u16string&, std::string_view) { return false; }

}  // namespace vcom::platform
