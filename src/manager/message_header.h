#pragma once
// The members that open every service document: key, source, versions and
// the local address, in this order.

#include <cstdint>
#include <string_view>

#include "text/json_writer.h"

namespace vcom {

struct MessageHeader {
    std::u16string_view apiKey;
    std::int32_t source = 99;
    std::u16string_view sourceVersion;
    std::u16string_view vantorelVersion;
    std::u16string_view ipAddress;
};

inline void writeMessageHeader(text::JsonWriter& out, const MessageHeader& header) {
    out.key("KXAPIKey").text(header.apiKey);
    out.key("Source").integer(header.source);
    out.key("SourceVersion").text(header.sourceVersion);
    out.key("VantorelVersion").text(header.vantorelVersion);
    out.key("IPAddress").text(header.ipAddress);
}

// Rough size of the header members, for reserving a document's buffer.
inline std::size_t messageHeaderSizeHint(const MessageHeader& header) {
    return 96 + 3 * (header.apiKey.size() + header.sourceVersion.size() + header.vantorelVersion.size() +
                     header.ipAddress.size());
}

}  // namespace vcom
