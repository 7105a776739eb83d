#pragma once
// The text of the configuration file: reading its two entries and writing
// them back. Pure: text in, values or text out; the file I/O is the
// manager's.

#include <string>
#include <string_view>

namespace vcom::config {

inline constexpr std::u16string_view kKeyPrefix = u"KXAPIKey: ";
inline constexpr std::u16string_view kDialogPrefix = u"DoNotShowDialogInitialization: ";

struct ConfigEntries {
    std::u16string key;
    bool doNotShowDialog = false;
};

// The entries of a file's text. A line is an entry when it begins with the
// prefix at its first character; a later entry line overrides an earlier
// one. CR, LF and CR LF each end a line.
ConfigEntries parse(std::u16string_view text);

// `text` with both entries set: every entry line is replaced whole (its
// own line break kept), a missing entry is appended with CR LF, and every
// other line stays as it was. parse(update(t, k, f)) gives back {k, f}.
std::u16string update(std::u16string_view text, std::u16string_view key, bool doNotShowDialog);

// The same on UTF-8 bytes without a byte-order mark; the other lines stay
// byte for byte even where they are not valid UTF-8.
std::string updateUtf8(std::string_view bytes, std::u16string_view key, bool doNotShowDialog);

}  // namespace vcom::config
