// The POST to the service through libcurl.
//
// One easy handle serves every post of the process, so that the connection
// (and the TLS session) is kept from one post to the next. Certificates
// are always verified. VANTOREL_CA_BUNDLE, when set, names a PEM file of
// certificate authorities to trust instead of the system's: an explicit
// opt-in for a sandbox or staging relay with a private CA.

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>

#include "platform/posix/posix_os.h"
#include "text/utf.h"

namespace vcom::platform {

namespace {

constexpr const char* kCaBundleVariable = "VANTOREL_CA_BUNDLE";

using Clock = std::chrono::steady_clock;

// libcurl's global state, set up once for the whole process.
void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The process-wide handle with the lock that serialises its use: callers
// already hold the library's process lock, but the handle must be safe
// whoever calls.
struct SharedHandle {
    std::mutex mutex;
    CURL* handle = nullptr;
    ~SharedHandle() {
        if (handle) curl_easy_cleanup(handle);
    }
};

SharedHandle& sharedHandle() {
    static SharedHandle shared;
    return shared;
}

struct HeaderList {
    curl_slist* list = nullptr;
    ~HeaderList() { curl_slist_free_all(list); }
    void add(const std::string& line) { list = curl_slist_append(list, line.c_str()); }
};

// Collects the reply body up to a bound and watches for a transfer that
// stalls: no byte sent, or none received, for longer than its bound.
struct Transfer {
    const HttpRequest& request;
    CURL* curl;
    std::string body;
    bool stalled = false;
    bool stalledWhileSending = false;
    curl_off_t lastSent = -1;
    curl_off_t lastReceived = -1;
    Clock::time_point lastProgress{};
    bool connected = false;
};

std::size_t onReplyData(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    const std::size_t room = transfer.request.maxBodyBytes - std::min(transfer.request.maxBodyBytes, transfer.body.size());
    transfer.body.append(data, std::min(bytes, room));
    return bytes;  // the rest is read and dropped
}

int onProgress(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t sent) {
    auto& transfer = *static_cast<Transfer*>(user);
    const auto now = Clock::now();
    if (!transfer.connected) {
        // The connect phase has its own bound; the stall clock starts once
        // the request may be sent.
        curl_off_t pretransfer = 0;
        curl_easy_getinfo(transfer.curl, CURLINFO_PRETRANSFER_TIME_T, &pretransfer);
        if (pretransfer <= 0) return 0;
        transfer.connected = true;
        transfer.lastSent = sent;
        transfer.lastReceived = received;
        transfer.lastProgress = now;
        return 0;
    }
    if (sent != transfer.lastSent || received != transfer.lastReceived) {
        transfer.lastSent = sent;
        transfer.lastReceived = received;
        transfer.lastProgress = now;
        return 0;
    }
    const bool sending = sent < static_cast<curl_off_t>(transfer.request.body.size());
    const auto bound = sending ? transfer.request.sendTimeout : transfer.request.receiveTimeout;
    if (bound.count() > 0 && now - transfer.lastProgress > bound) {
        transfer.stalled = true;
        transfer.stalledWhileSending = sending;
        return 1;  // aborts the transfer
    }
    return 0;
}

std::u16string stallText(const Transfer& transfer) {
    const auto bound = transfer.stalledWhileSending ? transfer.request.sendTimeout : transfer.request.receiveTimeout;
    return text::fromUtf8(std::string("Operation timed out: no data ") +
                          (transfer.stalledWhileSending ? "sent" : "received") + " for " +
                          std::to_string(bound.count()) + " ms");
}

}  // namespace

HttpResponse PosixOs::httpPost(const HttpRequest& request) {
    initialiseCurlOnce();
    SharedHandle& shared = sharedHandle();
    std::lock_guard lock(shared.mutex);
    HttpResponse response;
    if (!shared.handle) shared.handle = curl_easy_init();
    CURL* curl = shared.handle;
    if (!curl) {
        response.error = u"HTTP client could not be initialised";
        return response;
    }
    // Forget the previous post's options; the kept connection survives.
    curl_easy_reset(curl);

    Transfer transfer{request, curl};
    char errorText[CURL_ERROR_SIZE] = {};
    HeaderList headers;
    headers.add("Content-Type: " + request.contentType);
    headers.add("Expect:");  // no 100-continue round trip

    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.list);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (const char* caBundle = std::getenv(kCaBundleVariable); caBundle && *caBundle)
        curl_easy_setopt(curl, CURLOPT_CAINFO, caBundle);
    if (request.connectTimeout.count() > 0)
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onReplyData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode result = curl_easy_perform(curl);
    if (result == CURLE_OK) {
        response.completed = true;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
        response.body = std::move(transfer.body);
    } else if (transfer.stalled) {
        response.error = stallText(transfer);
    } else {
        response.error = text::fromUtf8(errorText[0] ? errorText : curl_easy_strerror(result));
    }
    // The buffers above die with this call.
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    return response;
}

}  // namespace vcom::platform
