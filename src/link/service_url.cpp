#include "link/service_url.h"

#include <cstdlib>

#include "text/utf.h"
#include "vantorel_version.h"

namespace vcom::link {

std::u16string liveServiceBaseUrl() {
    const char* overridden = std::getenv(kServiceUrlVariable);
    if (overridden && *overridden) return text::fromUtf8(overridden);
    return text::fromUtf8(VANTOREL_LIVE_SERVICE_URL);
}

}  // namespace vcom::link
