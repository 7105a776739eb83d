#pragma once
// The words that order log lines make of a record's host codes.

#include <cstdint>
#include <string_view>

#include "VantorelCom/COM_Order.h"

namespace vcom::log {

// Host kinds by source code.
inline constexpr std::int32_t kSourceNT7 = 2;
inline constexpr std::int32_t kSourceNT8 = 3;
inline constexpr std::int32_t kSourceTS9 = 4;
inline constexpr std::int32_t kSourceMT4 = 5;
inline constexpr std::int32_t kSourceMT5 = 6;
inline constexpr std::int32_t kSourceTS10 = 7;

// "Buy", "Sell", ... from the field the host kind keeps its direction in;
// "" for a code without a word or an unknown host kind.
std::u16string_view actionWord(std::int32_t source, const VantorelCom::COM_Order& order);

// ".ToOpen", ".ToClose" or "".
std::u16string_view purposeSuffix(std::int32_t purpose);

// "Forex", "Future", "Index", "Stock" or "".
std::u16string_view calcModeWord(std::int32_t calcMode);

}  // namespace vcom::log
