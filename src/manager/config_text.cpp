#include "manager/config_text.h"

#include <vector>

namespace vcom::config {

namespace {

struct Line {
    std::u16string_view content;
    std::u16string_view lineBreak;  // "\r\n", "\n", "\r" or "" (last line)
};

std::vector<Line> splitLines(std::u16string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        std::size_t breakLength = (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1;
        lines.push_back({text.substr(start, end - start), text.substr(end, breakLength)});
        start = end + breakLength;
    }
    return lines;
}

bool isEntry(std::u16string_view line, std::u16string_view prefix) { return line.starts_with(prefix); }

// No code point other than 'N' and 'O' has 'n' or 'o' as its simple
// lower-case mapping, so this is Unicode lower-casing compared with "no".
bool lowersToNo(std::u16string_view value) {
    return value.size() == 2 && (value[0] == u'n' || value[0] == u'N') && (value[1] == u'o' || value[1] == u'O');
}

std::u16string dialogEntry(bool doNotShowDialog) {
    std::u16string entry(kDialogPrefix);
    entry += doNotShowDialog ? u"yes" : u"no";
    return entry;
}

// Replaces every entry line of `prefix` by `entry`, or appends it.
std::u16string withEntry(std::u16string_view text, std::u16string_view prefix, std::u16string_view entry) {
    std::u16string out;
    out.reserve(text.size() + entry.size() + 2);
    bool found = false;
    const auto lines = splitLines(text);
    for (const Line& line : lines) {
        if (isEntry(line.content, prefix)) {
            out += entry;
            found = true;
        } else {
            out += line.content;
        }
        out += line.lineBreak;
    }
    if (!found) {
        if (!lines.empty() && lines.back().lineBreak.empty()) out += u"\r\n";
        out += entry;
        out += u"\r\n";
    }
    return out;
}

}  // namespace

ConfigEntries parse(std::u16string_view text) {
    ConfigEntries entries;
    for (const Line& line : splitLines(text)) {
        if (isEntry(line.content, kKeyPrefix)) {
            entries.key = line.content.substr(kKeyPrefix.size());
        } else if (isEntry(line.content, kDialogPrefix)) {
            entries.doNotShowDialog = !lowersToNo(line.content.substr(kDialogPrefix.size()));
        }
    }
    return entries;
}

std::u16string update(std::u16string_view text, std::u16string_view key, bool doNotShowDialog) {
    std::u16string keyEntry(kKeyPrefix);
    keyEntry += key;
    return withEntry(withEntry(text, kKeyPrefix, keyEntry), kDialogPrefix, dialogEntry(doNotShowDialog));
}

}  // namespace vcom::config
