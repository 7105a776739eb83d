// The accounts splitter against its definition: the accounts, each
// followed by the separator, then a rest without a separator, make up the
// text; no account holds a separator; a text that starts with one gives none.
#include <string>

#include "fuzz_support.h"
#include "trade/active_accounts.h"

using namespace vcom;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Bytes map onto a small alphabet so that separators are common.
    std::u16string text;
    for (char b : bytes) {
        switch (static_cast<unsigned char>(b) % 5) {
            case 0: text += u' '; break;
            case 1: text += u'|'; break;
            case 2: text += u" | "; break;
            case 3: text += static_cast<char16_t>(u'a' + static_cast<unsigned char>(b) % 7); break;
            default: text += static_cast<char16_t>(0xD800 + static_cast<unsigned char>(b)); break;
        }
    }
    const std::u16string units = fuzz::unitsOf(bytes);
    for (const std::u16string_view t : {std::u16string_view(text), std::u16string_view(units)}) {
        const auto accounts = trade::splitActiveAccounts(t);
        const std::u16string_view sep = trade::kAccountSeparator;
        if (t.substr(0, sep.size()) == sep) {
            fuzz::require(accounts.empty(), "a text that starts with the separator gives no account");
            continue;
        }
        std::u16string joined;
        for (const auto& a : accounts) {
            fuzz::require(a.find(sep) == std::u16string::npos, "no account holds a separator");
            joined += a;
            joined += sep;
        }
        fuzz::require(t.substr(0, joined.size()) == joined, "the accounts are the text's start");
        fuzz::require(t.substr(joined.size()).find(sep) == std::u16string_view::npos, "the rest has no separator");
    }
    return 0;
}
