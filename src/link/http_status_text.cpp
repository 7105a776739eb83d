#include "link/http_status_text.h"

#include <string_view>

#include "text/utf.h"

namespace vcom::link {

namespace {

std::string_view reasonPhrase(long status) {
    switch (status) {
        case 300: return "Multiple Choices";
        case 301: return "Moved Permanently";
        case 302: return "Found";
        case 303: return "See Other";
        case 304: return "Not Modified";
        case 307: return "Temporary Redirect";
        case 308: return "Permanent Redirect";
        case 400: return "Bad Request";
        case 401: return "Unauthorized";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 408: return "Request Timeout";
        case 413: return "Payload Too Large";
        case 415: return "Unsupported Media Type";
        case 429: return "Too Many Requests";
        case 500: return "Internal Server Error";
        case 501: return "Not Implemented";
        case 502: return "Bad Gateway";
        case 503: return "Service Unavailable";
        case 504: return "Gateway Timeout";
        default: return {};
    }
}

}  // namespace

std::u16string httpStatusFailureText(long status) {
    std::string text = "HTTP status " + std::to_string(status);
    if (const auto reason = reasonPhrase(status); !reason.empty()) {
        text += " (";
        text += reason;
        text += ")";
    }
    return text::fromUtf8(text);
}

}  // namespace vcom::link
