#pragma once
// The failure text of a reply status outside 200..299, e.g.
// "HTTP status 500 (Internal Server Error)".

#include <string>

namespace vcom::link {

std::u16string httpStatusFailureText(long status);

}  // namespace vcom::link
