#pragma once
// The order log lines: the post line (304, 305), the minimum lot size
// warning (306) and the forex-only warning (307).

#include <cstdint>
#include <string>
#include <string_view>

#include "VantorelCom/COM_Order.h"
#include "log/locale_text.h"

namespace vcom::log {

inline constexpr std::u16string_view kPostHead = u"KX | ORD | POST";
inline constexpr std::u16string_view kPostRoundedHead = u"KX | ORD | POST | Lots Rounded";

// The head, followed by the record's fields when there is a record.
std::u16string orderPostLine(std::u16string_view head, std::int32_t source,
                             const VantorelCom::COM_Order* record, const LocaleText& locale);

// "" without a record.
std::u16string minimumLotLine(std::int32_t source, const VantorelCom::COM_Order* record,
                              const LocaleText& locale);

// "" without a pending order or for a host kind without calc modes.
std::u16string onlyForexLine(std::int32_t source, const VantorelCom::COM_Order* pendingOrder);

}  // namespace vcom::log
