#include "manager/config_text.h"

#include <vector>

#include "text/utf.h"

namespace vcom::config {

namespace {

template <class Char>
struct Line {
    std::basic_string_view<Char> content;
    std::basic_string_view<Char> lineBreak;  // CR LF, LF, CR or "" (last line)
};

template <class Char>
std::vector<Line<Char>> splitLines(std::basic_string_view<Char> text) {
    static constexpr Char kBreaks[] = {Char('\r'), Char('\n'), Char(0)};
    std::vector<Line<Char>> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(kBreaks, start);
        if (end == std::basic_string_view<Char>::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        const bool crLf = text[end] == Char('\r') && end + 1 < text.size() && text[end + 1] == Char('\n');
        const std::size_t breakLength = crLf ? 2 : 1;
        lines.push_back({text.substr(start, end - start), text.substr(end, breakLength)});
        start = end + breakLength;
    }
    return lines;
}

// The prefixes are ASCII, so they compare the same in UTF-16 and UTF-8.
template <class Char>
bool isEntry(std::basic_string_view<Char> line, std::u16string_view prefix) {
    if (line.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (static_cast<char16_t>(line[i]) != prefix[i]) return false;
    }
    return true;
}

template <class Char>
std::basic_string<Char> entryLine(std::u16string_view prefix, std::basic_string_view<Char> value) {
    std::basic_string<Char> line(prefix.begin(), prefix.end());
    line += value;
    return line;
}

// No code point other than 'N' and 'O' has 'n' or 'o' as its simple
// lower-case mapping, so this is Unicode lower-casing compared with "no".
bool lowersToNo(std::u16string_view value) {
    return value.size() == 2 && (value[0] == u'n' || value[0] == u'N') && (value[1] == u'o' || value[1] == u'O');
}

// Replaces every entry line of `prefix` by `entry`, or appends it.
template <class Char>
std::basic_string<Char> withEntry(std::basic_string_view<Char> text, std::u16string_view prefix,
                                  std::basic_string_view<Char> entry) {
    static constexpr Char kCrLf[] = {Char('\r'), Char('\n'), Char(0)};
    std::basic_string<Char> out;
    out.reserve(text.size() + entry.size() + 4);
    bool found = false;
    const auto lines = splitLines(text);
    for (const auto& line : lines) {
        if (isEntry(line.content, prefix)) {
            out += entry;
            found = true;
        } else {
            out += line.content;
        }
        out += line.lineBreak;
    }
    if (!found) {
        if (!lines.empty() && lines.back().lineBreak.empty()) out += kCrLf;
        out += entry;
        out += kCrLf;
    }
    return out;
}

template <class Char>
std::basic_string<Char> updateText(std::basic_string_view<Char> text, std::basic_string_view<Char> key,
                                   bool doNotShowDialog) {
    static constexpr Char kYes[] = {Char('y'), Char('e'), Char('s'), Char(0)};
    static constexpr Char kNo[] = {Char('n'), Char('o'), Char(0)};
    const auto keyEntry = entryLine(kKeyPrefix, key);
    const auto dialogEntry =
        entryLine(kDialogPrefix, std::basic_string_view<Char>(doNotShowDialog ? kYes : kNo));
    const auto withKey = withEntry<Char>(text, kKeyPrefix, keyEntry);
    return withEntry<Char>(withKey, kDialogPrefix, dialogEntry);
}

}  // namespace

ConfigEntries parse(std::u16string_view text) {
    ConfigEntries entries;
    for (const auto& line : splitLines(text)) {
        if (isEntry(line.content, kKeyPrefix)) {
            entries.key = line.content.substr(kKeyPrefix.size());
        } else if (isEntry(line.content, kDialogPrefix)) {
            entries.doNotShowDialog = !lowersToNo(line.content.substr(kDialogPrefix.size()));
        }
    }
    return entries;
}

std::u16string update(std::u16string_view text, std::u16string_view key, bool doNotShowDialog) {
    return updateText(text, key, doNotShowDialog);
}

std::string updateUtf8(std::string_view bytes, std::u16string_view key, bool doNotShowDialog) {
    const std::string keyBytes = text::toUtf8(key);
    return updateText(bytes, std::string_view(keyBytes), doNotShowDialog);
}

}  // namespace vcom::config
