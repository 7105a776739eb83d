// The canned replies, shared by the native sandbox and the Windows client
// that forwards to one.
#include <string>

#include "relay_sandbox.h"

namespace vcom::sandbox {

ScriptedReply ScriptedReply::accepted(const std::string& description) {
    ScriptedReply r;
    r.body = R"({"OK":true,"ErrorDescription":")" + description + R"("})";
    return r;
}

ScriptedReply ScriptedReply::refused(const std::string& description) {
    ScriptedReply r;
    r.body = R"({"OK":false,"ErrorDescription":")" + description + R"("})";
    return r;
}

ScriptedReply ScriptedReply::httpStatus(int status) {
    ScriptedReply r;
    r.status = status;
    r.body = "status " + std::to_string(status);
    return r;
}

ScriptedReply ScriptedReply::noAnswer() {
    ScriptedReply r;
    r.neverAnswer = true;
    return r;
}

ScriptedReply ScriptedReply::redirect(int status, const std::string& location) {
    ScriptedReply r;
    r.status = status;
    r.location = location;
    r.body = "";
    return r;
}

}  // namespace vcom::sandbox
