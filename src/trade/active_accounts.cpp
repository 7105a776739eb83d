#include "trade/active_accounts.h"

namespace vcom::trade {

std::vector<std::u16string> splitActiveAccounts(std::u16string_view text) {
    std::vector<std::u16string> accounts;
    std::size_t position = 0;
    for (;;) {
        const std::size_t separator = text.find(kAccountSeparator, position);
        if (separator == std::u16string_view::npos || separator == 0) break;
        accounts.emplace_back(text.substr(position, separator - position));
        position = separator + kAccountSeparator.size();
    }
    return accounts;
}

}  // namespace vcom::trade
