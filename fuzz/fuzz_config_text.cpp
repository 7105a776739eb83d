// Any bytes as a configuration file. Reading never fails; writing a key
// and flag, then reading, gives them back; every line that is not an
// entry stays byte for byte.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "manager/config_text.h"
#include "text/utf.h"

using namespace vcom;

namespace {

// The lines of `bytes` with their breaks (CR, LF or CR LF ends a line).
std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lines.push_back(bytes.substr(start, i + 1 - start));
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool hasByteOrderMark(std::string_view b) {
    return startsWith(b, "\xEF\xBB\xBF") || startsWith(b, "\xFF\xFE") || startsWith(b, "\xFE\xFF") ||
           startsWith(b, std::string_view("\x00\x00\xFE\xFF", 4));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    const std::uint8_t keyLength = in.byte();
    const bool flag = in.byte() & 1;
    // A key is one line of valid text: it has no line break of its own.
    std::u16string key = text::fromUtf8(in.bytes(keyLength));
    std::erase_if(key, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    const std::string_view file = in.rest();

    // Reading: never fails, whatever the bytes.
    (void)config::parse(text::decodeWithByteOrderMark(file));
    (void)config::parse(fuzz::unitsOf(file));

    // Writing on UTF-16 text.
    const std::u16string wide = text::fromUtf8(file);
    const config::ConfigEntries back = config::parse(config::update(wide, key, flag));
    fuzz::require(back.key == key && back.doNotShowDialog == flag, "UTF-16 write then read gives back the entries");

    if (hasByteOrderMark(file)) return 0;  // updateUtf8 takes files without a mark
    const std::string written = config::updateUtf8(file, key, flag);
    const config::ConfigEntries read = config::parse(text::decodeWithByteOrderMark(written));
    fuzz::require(read.key == key, "write then read gives back the key");
    fuzz::require(read.doNotShowDialog == flag, "write then read gives back the flag");

    // Every other line is still there, byte for byte and in order.
    const std::string keyPrefix = text::toUtf8(config::kKeyPrefix);
    const std::string dialogPrefix = text::toUtf8(config::kDialogPrefix);
    std::size_t from = 0;
    for (std::string_view line : linesOf(file)) {
        if (startsWith(line, keyPrefix) || startsWith(line, dialogPrefix)) continue;
        // A last line without a break may have gained one before an appended entry.
        const std::size_t at = written.find(line, from);
        fuzz::require(at != std::string::npos, "a line that is not an entry is kept");
        from = at + line.size();
    }
    return 0;
}
