#pragma once
// A time zone of the tz database by name ("UTC", "America/New_York",
// "Etc/GMT+8"), independent of the machine's own zone. Null when the name
// is unknown or the database cannot be read.

#include <memory>
#include <string_view>

#include "platform/platform.h"

namespace vcom::platform {

std::shared_ptr<const TimeZone> timeZoneNamed(std::string_view name);

}  // namespace vcom::platform
