#pragma once
// The accounts of a flat host's " | "-terminated accounts text.

#include <string>
#include <string_view>
#include <vector>

namespace vcom::trade {

inline constexpr std::u16string_view kAccountSeparator = u" | ";

// Each name that a separator follows, in order and untrimmed. Text after
// the last separator is not an account; a text that starts with the
// separator, or has none, gives no account.
std::vector<std::u16string> splitActiveAccounts(std::u16string_view text);

}  // namespace vcom::trade
