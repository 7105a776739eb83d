// One POST with WinHTTP. Certificates are checked against the Windows
// trust store; the Linux build's VANTOREL_CA_BUNDLE opt-in has no effect
// here. Redirects are never followed: a 3xx reply is the final reply.
#include <winsock2.h>

#include <algorithm>
#include <climits>
#include <string>

#include "platform/windows/http_session.h"
#include "platform/windows/wide.h"
#include "platform/windows/windows_os.h"
#include "vantorel_version.h"

namespace vcom::platform {

namespace {

class InternetHandle {
public:
    explicit InternetHandle(HINTERNET h = nullptr) : mHandle(h) {}
    ~InternetHandle() {
        if (mHandle) WinHttpCloseHandle(mHandle);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET get() const { return mHandle; }
    explicit operator bool() const { return mHandle != nullptr; }

private:
    HINTERNET mHandle;
};

// Texts of the common transport failures, for systems whose modules carry
// no message for them (Wine reports some socket errors as they are).
const char16_t* knownFailureText(DWORD code) {
    switch (code) {
        case ERROR_WINHTTP_TIMEOUT:
        case WSAETIMEDOUT: return u"The operation timed out";
        case ERROR_WINHTTP_INVALID_URL: return u"The URL is invalid";
        case ERROR_WINHTTP_UNRECOGNIZED_SCHEME: return u"The URL does not use a recognized protocol";
        case ERROR_WINHTTP_NAME_NOT_RESOLVED: return u"The server name or address could not be resolved";
        case ERROR_WINHTTP_CANNOT_CONNECT:
        case WSAECONNREFUSED: return u"A connection with the server could not be established";
        case ERROR_WINHTTP_CONNECTION_ERROR:
        case WSAECONNRESET: return u"The connection with the server was reset or terminated";
        case ERROR_WINHTTP_INVALID_SERVER_RESPONSE: return u"The server returned an invalid or unrecognized response";
        case ERROR_WINHTTP_SECURE_FAILURE: return u"A security error occurred in the secure channel";
        default: return nullptr;
    }
}

// "POST <url> failed while <step>: <system text> (<code>)".
std::u16string lastErrorText(const std::string& url, const char16_t* step) {
    const DWORD code = GetLastError();
    // WinHTTP's own codes (12000..12999) live in its module's message table.
    const bool winHttpCode = code >= WINHTTP_ERROR_BASE && code <= WINHTTP_ERROR_LAST;
    std::u16string text = win::errorText(code, winHttpCode ? GetModuleHandleW(L"winhttp.dll") : nullptr);
    const char16_t* known = knownFailureText(code);
    if (known && text.rfind(u"error ", 0) == 0) text = known + (u" (" + text.substr(6) + u")");
    return u"POST " + std::u16string(url.begin(), url.end()) + u" failed while " + step + u": " + text;
}

int milliseconds(std::chrono::milliseconds value) {
    const auto count = value.count();
    if (count <= 0) return 0;
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

struct Target {
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring pathAndQuery;
    bool secure = false;
};

bool crack(const std::string& url, Target& target) {
    const std::u16string wideUrl(url.begin(), url.end());  // URLs are ASCII
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(win::wide(wideUrl), static_cast<DWORD>(wideUrl.size()), 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
        SetLastError(ERROR_WINHTTP_UNRECOGNIZED_SCHEME);
        return false;
    }
    target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    target.port = parts.nPort;
    target.pathAndQuery.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo) target.pathAndQuery.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (target.pathAndQuery.empty()) target.pathAndQuery = L"/";
    return true;
}

}  // namespace

WinHttpSession::~WinHttpSession() {
    if (mSession) WinHttpCloseHandle(mSession);
}

HINTERNET WinHttpSession::handle() {
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mSession) {
        mSession = WinHttpOpen(L"VantorelCom2/" VANTOREL_VERSION_TEXT, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                               WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    }
    return mSession;
}

HttpResponse WindowsOs::httpPost(const HttpRequest& request) {
    HttpResponse response;
    Target target;
    if (!crack(request.url, target)) {
        response.error = lastErrorText(request.url, u"reading the URL");
        return response;
    }
    HINTERNET session = mHttp->handle();
    if (!session) {
        response.error = lastErrorText(request.url, u"opening the HTTP session");
        return response;
    }
    InternetHandle connection(WinHttpConnect(session, target.host.c_str(), target.port, 0));
    if (!connection) {
        response.error = lastErrorText(request.url, u"connecting");
        return response;
    }
    InternetHandle call(WinHttpOpenRequest(connection.get(), L"POST", target.pathAndQuery.c_str(), nullptr,
                                           WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                           target.secure ? WINHTTP_FLAG_SECURE : 0));
    if (!call) {
        response.error = lastErrorText(request.url, u"opening the request");
        return response;
    }
    const int connectMs = milliseconds(request.connectTimeout);
    WinHttpSetTimeouts(call.get(), connectMs, connectMs, milliseconds(request.sendTimeout),
                       milliseconds(request.receiveTimeout));
    // The wait for the reply's headers has a bound of its own; without it
    // a service that never answers would hold the post far longer.
    DWORD headerWait = static_cast<DWORD>(milliseconds(request.receiveTimeout));
    if (headerWait > 0)
        WinHttpSetOption(call.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headerWait, sizeof headerWait);
    DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    WinHttpSetOption(call.get(), WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never);

    const std::string header = "Content-Type: " + request.contentType;
    const std::wstring wideHeader(header.begin(), header.end());
    if (request.body.size() > static_cast<std::size_t>(MAXDWORD)) {
        response.error = u"Request body too large";
        return response;
    }
    const DWORD bodyLength = static_cast<DWORD>(request.body.size());
    if (!WinHttpSendRequest(call.get(), wideHeader.c_str(), static_cast<DWORD>(wideHeader.size()),
                            const_cast<char*>(request.body.data()), bodyLength, bodyLength, 0)) {
        response.error = lastErrorText(request.url, u"sending the request");
        return response;
    }
    if (!WinHttpReceiveResponse(call.get(), nullptr)) {
        response.error = lastErrorText(request.url, u"waiting for the reply");
        return response;
    }
    DWORD status = 0;
    DWORD statusSize = sizeof status;
    if (!WinHttpQueryHeaders(call.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize, WINHTTP_NO_HEADER_INDEX)) {
        response.error = lastErrorText(request.url, u"reading the reply status");
        return response;
    }
    response.status = static_cast<long>(status);

    // Past maxBodyBytes the body is still read, so the connection stays
    // usable, but dropped.
    char buffer[16 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!WinHttpReadData(call.get(), buffer, sizeof buffer, &read)) {
            response.error = lastErrorText(request.url, u"reading the reply");
            response.body.clear();
            return response;
        }
        if (read == 0) break;
        const std::size_t room = request.maxBodyBytes - std::min(request.maxBodyBytes, response.body.size());
        response.body.append(buffer, std::min<std::size_t>(room, read));
    }
    response.completed = true;
    return response;
}

}  // namespace vcom::platform
