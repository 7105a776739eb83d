#include "VantorelCom/VantorelComManager.h"

#include "link/http_status_text.h"
#include "link/link_settings.h"
#include "link/reply_evaluation.h"
#include "manager/process_lock.h"
#include "platform/platform.h"
#include "text/utf.h"

namespace VantorelCom {

namespace {

constexpr const char* kJsonContentType = "application/json";

vcom::platform::HttpRequest requestFor(const std::u16string& baseUrl, std::u16string_view name,
                                       std::string_view utf8Content) {
    const vcom::link::LinkTimeouts timeouts = vcom::link::currentTimeouts();
    vcom::platform::HttpRequest request;
    request.url = vcom::text::toUtf8(baseUrl) + vcom::text::toUtf8(name);
    request.contentType = kJsonContentType;
    request.body = std::string(utf8Content);
    request.connectTimeout = timeouts.connect;
    request.sendTimeout = timeouts.send;
    request.receiveTimeout = timeouts.receive;
    request.maxBodyBytes = vcom::link::kMaxReplyBytes;
    return request;
}

}  // namespace

bool VantorelComManager::postJsonToVantorelServer(std::u16string_view sName, std::u16string_view sContent) {
    return postUtf8Document(sName, vcom::text::toUtf8(sContent));
}

bool VantorelComManager::postUtf8Document(std::u16string_view sName, std::string_view utf8Content) {
    vcom::ProcessLock lock;
    msLastError.clear();
    bool accepted = false;
    try {
        const auto response = vcom::platform::os().httpPost(requestFor(msWebServiceName_Live, sName, utf8Content));
        if (!response.completed) {
            msLastError = response.error;
        } else if (response.status < 200 || response.status > 299) {
            msLastError = vcom::link::httpStatusFailureText(response.status);
        } else {
            auto evaluation = vcom::link::evaluateReply(vcom::text::decodeWithByteOrderMark(response.body));
            accepted = evaluation.accepted;
            msLastError = std::move(evaluation.lastError);
        }
    } catch (const std::exception& e) {
        // Out of memory and the like: a failed post, never an exception.
        accepted = false;
        msLastError = vcom::text::fromUtf8(e.what());
    }
    msLastError = vcom::link::applyStopRule(std::move(msLastError));
    return accepted;
}

}  // namespace VantorelCom
