#pragma once
// The one JSON text writer of every service document: a single pass into
// one reserved UTF-8 buffer, no whitespace, RFC 8259 escaping of text.

#include <cstdint>
#include <string>
#include <string_view>

namespace vcom::text {

class JsonWriter {
public:
    explicit JsonWriter(std::size_t reserveBytes = 256) { mOut.reserve(reserveBytes); }

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // A member name; `name` is plain ASCII without characters to escape.
    JsonWriter& key(std::string_view name);
    // Text: '"', '\\' and control characters escaped, lone surrogates as
    // U+FFFD, everything else as UTF-8.
    JsonWriter& text(std::u16string_view value);
    JsonWriter& integer(std::int64_t value);
    // The invariant 15-digit general form (NaN and the infinities as words).
    JsonWriter& number(double value);

    std::size_t size() const { return mOut.size(); }
    const std::string& str() const { return mOut; }
    std::string take() { return std::move(mOut); }

private:
    void separate();

    std::string mOut;
    bool mAfterValue = false;
};

// Appends `value` as escaped JSON string content (without the quotes).
void appendJsonEscaped(std::string& out, std::u16string_view value);

}  // namespace vcom::text
