#pragma once
// The library's identity text; its "Version=" attribute is the version
// that every document carries. The number comes from the build.

#include <string_view>

#include "vantorel_version.h"

namespace vcom {

inline constexpr std::u16string_view kLibraryIdentity =
    u"VantorelCom2, Version=" VANTOREL_VERSION_TEXT ", Culture=neutral, PublicKeyToken=null";

}  // namespace vcom
