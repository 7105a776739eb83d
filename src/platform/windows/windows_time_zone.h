#pragma once
// A zone of the Windows registry by its key name ("Eastern Standard Time").

#include <memory>
#include <string_view>

#include "platform/platform.h"

namespace vcom::platform {

// Null when no zone has that key.
std::shared_ptr<const TimeZone> windowsTimeZoneNamed(std::u16string_view key);

}  // namespace vcom::platform
