#include "VantorelCom/VantorelComManager.h"

namespace VantorelCom {

// TODO(positions): placeholders until the position documents land.
std::int32_t VantorelComManager::SendPositionData_NT7(const std::vector<std::u16string>&,
                                                      const std::vector<COM_Position>&) { return 0; }
std::int32_t VantorelComManager::SendPositionData_NT8(const std::vector<std::u16string>&,
                                                      const std::vector<COM_Position>&) { return 0; }
std::u16string VantorelComManager::SendPositionData_TS9(std::u16string_view, const std::vector<COM_Position>&) { return u"NOK"; }
std::u16string VantorelComManager::SendPositionData_TS10(std::u16string_view, const std::vector<COM_Position>&) { return u"NOK"; }
std::u16string VantorelComManager::SendPositionData_MT4(std::u16string_view, const std::vector<COM_Position>&) { return u"NOK"; }
std::u16string VantorelComManager::SendPositionData_MT5(std::u16string_view, const std::vector<COM_Position>&) { return u"NOK"; }

}  // namespace VantorelCom
