#include "VantorelCom/VantorelComManager.h"
#include "log/log_line_formatter.h"
#include "manager/manager_internals.h"
#include "manager/process_lock.h"
#include "platform/platform.h"

namespace VantorelCom {

std::u16string VantorelComManager::logToVL(const LogSubject& dataObj, LogType logType) const {
    try {
        vcom::ProcessLock lock;
        const auto& pending = ManagerInternals::pendingOrder(*this);
        return vcom::log::formatLogLine(ManagerInternals::source(*this), dataObj, logType,
                                        pending ? &*pending : nullptr, ManagerInternals::lastError(),
                                        vcom::platform::os().userLocale());
    } catch (...) {
        // Only memory exhaustion can land here; a log line is not worth a
        // failure in the host.
        return {};
    }
}

}  // namespace VantorelCom
