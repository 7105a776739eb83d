#pragma once
// Translates the strftime formats of a C locale (D_FMT, T_FMT) into the
// date-time pattern grammar of LocaleFormat.

#include <string>
#include <string_view>

namespace vcom::platform {

// %d %e %m %y %Y %H %I %M %S %p, the compounds %D %T %r %R, %% %n %t and
// the glibc padding flags (%-d ...) are translated; other characters are
// kept as literals; conversions without a numeric equivalent (names,
// zones) are dropped. `twelveHourFormat` is what %r stands for.
// Both formats come already decoded from the locale's character set.
std::u16string patternFromStrftime(std::u16string_view format,
                                   std::u16string_view twelveHourFormat = u"%I:%M:%S %p");

}  // namespace vcom::platform
