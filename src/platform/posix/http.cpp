#include "platform/posix/posix_os.h"

namespace vcom::platform {

// TODO(http): placeholder until the server link lands.
HttpResponse PosixOs::httpPost(const HttpRequest&) {
    HttpResponse r;
    r.error = u"not implemented";
    return r;
}

}  // namespace vcom::platform
