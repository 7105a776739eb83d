#include "manager/account_messages.h"

#include "text/json_writer.h"

namespace vcom {

std::string initializeDocument(const MessageHeader& header, std::int32_t ipAddressStatus) {
    text::JsonWriter out(messageHeaderSizeHint(header) + 24);
    out.beginObject();
    writeMessageHeader(out, header);
    out.key("IPAddressStatus").integer(ipAddressStatus);
    out.endObject();
    return out.take();
}

std::string deinitializeDocument(const MessageHeader& header) {
    text::JsonWriter out(messageHeaderSizeHint(header));
    out.beginObject();
    writeMessageHeader(out, header);
    out.endObject();
    return out.take();
}

}  // namespace vcom
