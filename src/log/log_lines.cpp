#include "VantorelCom/VantorelComManager.h"

namespace VantorelCom {

// TODO(log): placeholder until the log lines land.
std::u16string VantorelComManager::logToVL(const LogSubject&, LogType) const { return {}; }

}  // namespace VantorelCom
