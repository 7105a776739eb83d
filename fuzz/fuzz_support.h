#pragma once
// Small helpers shared by the fuzz targets.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace vcom::fuzz {

// Aborts with a message, so libFuzzer keeps the input that broke a property.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void require(bool ok, const char* what) {
    if (!ok) fail(what);
}

// The bytes read as little-endian UTF-16 code units (a trailing odd byte
// is dropped), lone surrogates and all.
inline std::u16string unitsOf(std::string_view bytes) {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                            (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return out;
}

// Consumes input from the front.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : mRest(reinterpret_cast<const char*>(data), size) {}
    bool empty() const { return mRest.empty(); }
    std::uint8_t byte() {
        if (mRest.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(mRest.front());
        mRest.remove_prefix(1);
        return b;
    }
    std::int32_t int32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return static_cast<std::int32_t>(v);
    }
    std::string_view bytes(std::size_t n) {
        n = std::min(n, mRest.size());
        const std::string_view out = mRest.substr(0, n);
        mRest.remove_prefix(n);
        return out;
    }
    std::string_view rest() { return bytes(mRest.size()); }

private:
    std::string_view mRest;
};

}  // namespace vcom::fuzz
