#pragma once
// Where documents go: the live base URL of the build, unless the
// environment variable VANTOREL_SERVICE_URL names another service (a
// sandbox or staging relay). Read when a manager is constructed.

#include <string>

namespace vcom::link {

inline constexpr const char* kServiceUrlVariable = "VANTOREL_SERVICE_URL";

std::u16string liveServiceBaseUrl();

}  // namespace vcom::link
