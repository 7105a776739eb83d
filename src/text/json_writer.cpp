#include "text/json_writer.h"

#include "text/number_format.h"
#include "text/utf.h"

namespace vcom::text {

void JsonWriter::separate() {
    if (mAfterValue) mOut.push_back(',');
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    mOut.push_back('{');
    mAfterValue = false;
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    mOut.push_back('}');
    mAfterValue = true;
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    mOut.push_back('[');
    mAfterValue = false;
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    mOut.push_back(']');
    mAfterValue = true;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    mOut.push_back('"');
    mOut.append(name);
    mOut.append("\":");
    mAfterValue = false;
    return *this;
}

JsonWriter& JsonWriter::text(std::u16string_view value) {
    separate();
    mOut.push_back('"');
    appendJsonEscaped(mOut, value);
    mOut.push_back('"');
    mAfterValue = true;
    return *this;
}

JsonWriter& JsonWriter::integer(std::int64_t value) {
    separate();
    appendInteger(mOut, value);
    mAfterValue = true;
    return *this;
}

JsonWriter& JsonWriter::number(double value) {
    separate();
    appendDouble(mOut, value);
    mAfterValue = true;
    return *this;
}

void appendJsonEscaped(std::string& out, std::u16string_view value) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::size_t plainStart = 0;
    auto flushPlain = [&](std::size_t end) {
        if (end > plainStart) appendUtf8(out, value.substr(plainStart, end - plainStart));
    };
    for (std::size_t i = 0; i < value.size(); ++i) {
        char16_t c = value[i];
        if (c >= 0x20 && c != u'"' && c != u'\\') continue;
        flushPlain(i);
        plainStart = i + 1;
        switch (c) {
            case u'"': out += "\\\""; break;
            case u'\\': out += "\\\\"; break;
            case u'\n': out += "\\n"; break;
            case u'\r': out += "\\r"; break;
            case u'\t': out += "\\t"; break;
            case u'\b': out += "\\b"; break;
            case u'\f': out += "\\f"; break;
            default:
                out += "\\u00";
                out.push_back(kHex[(c >> 4) & 0xF]);
                out.push_back(kHex[c & 0xF]);
        }
    }
    flushPlain(value.size());
}

}  // namespace vcom::text
