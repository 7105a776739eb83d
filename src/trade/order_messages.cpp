#include "VantorelCom/VantorelComManager.h"

namespace VantorelCom {

// TODO(orders): placeholders until the order documents land.
std::int64_t VantorelComManager::getDateTimeTransformed(const DateTime& dt) const { return dt.ticks; }
std::int32_t VantorelComManager::SendOrderData_NT7(const COM_Order&) { return 0; }
std::int32_t VantorelComManager::SendOrderData_NT8(const COM_Order&) { return 0; }
std::u16string VantorelComManager::SendOrderData_TS9(const COM_Order&) { return {}; }
std::u16string VantorelComManager::SendOrderData_TS10(const COM_Order&) { return {}; }
std::u16string VantorelComManager::SendOrderData_MT4(const COM_Order&) { return {}; }
std::u16string VantorelComManager::SendOrderData_MT5(const COM_Order&) { return {}; }

}  // namespace VantorelCom
