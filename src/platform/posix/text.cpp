// 8-bit text in the character set of the environment's locale, converted
// with iconv. The locale is made with newlocale, never setlocale, which
// would change the whole host process.
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cerrno>
#include <string>

#include "platform/posix/posix_os.h"
#include "text/utf.h"

namespace vcom::platform {

namespace {

std::string environmentCodeset() {
    locale_t loc = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) return "ANSI_X3.4-1968";
    std::string codeset = nl_langinfo_l(CODESET, loc);
    freelocale(loc);
    return codeset.empty() ? "ANSI_X3.4-1968" : codeset;
}

const std::string& codeset() {
    static const std::string value = environmentCodeset();
    return value;
}

bool isUtf8(const std::string& set) { return set == "UTF-8" || set == "utf8" || set == "UTF8"; }

class Iconv {
public:
    Iconv(const char* to, const char* from) : mHandle(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(mHandle);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return mHandle != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return mHandle; }

private:
    iconv_t mHandle;
};

// Converts byte by byte where a sequence is invalid, so that one bad byte
// costs one replacement and not the rest of the text.
std::u16string decode(std::string_view bytes) {
    Iconv cd("UTF-8", codeset().c_str());
    if (!cd.ok()) return text::fromUtf8(bytes);
    std::string utf8;
    utf8.reserve(bytes.size() * 2);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t r = iconv(cd.get(), &in, &inLeft, &out, &outLeft);
        utf8.append(buffer, static_cast<std::size_t>(out - buffer));
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            utf8 += "\xEF\xBF\xBD";  // U+FFFD for the byte that does not decode
            ++in;
            --inLeft;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return text::fromUtf8(utf8);
}

std::string encode(std::u16string_view textIn) {
    const std::string utf8 = text::toUtf8(textIn);
    const std::string target = codeset() + "//TRANSLIT";
    Iconv cd(target.c_str(), "UTF-8");
    if (!cd.ok()) return utf8;
    std::string result;
    result.reserve(utf8.size());
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t r = iconv(cd.get(), &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            // A character with no equivalent at all: one "?" for the whole
            // UTF-8 sequence.
            result.push_back('?');
            do {
                ++in;
                --inLeft;
            } while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return result;
}

}  // namespace

std::u16string PosixOs::ansiToUtf16(std::string_view bytes) {
    if (isUtf8(codeset())) return text::fromUtf8(bytes);
    return decode(bytes);
}

std::string PosixOs::utf16ToAnsi(std::u16string_view textIn) {
    if (isUtf8(codeset())) return text::toUtf8(textIn);
    return encode(textIn);
}

}  // namespace vcom::platform
