// The six "sendOrder" operations: build the host kind's document, post it
// once, and turn the outcome into the host's result.
#include "VantorelCom/VantorelComManager.h"
#include "manager/manager_internals.h"
#include "manager/process_lock.h"
#include "platform/platform.h"
#include "trade/eastern_time.h"
#include "trade/order_document.h"

namespace VantorelCom {

namespace {

using vcom::trade::OrderLayout;

constexpr std::u16string_view kOrderEndpoint = u"sendOrder";

// The layout's document with the manager's header values of this moment.
std::string orderDocument(VantorelComManager& manager, const COM_Order& order, OrderLayout layout) {
    const std::u16string ipAddress = ManagerInternals::localIPAddress(manager);
    const DateTime& time = layout == OrderLayout::TS ? order.mnFilledTime : order.mnTime;
    return vcom::trade::buildOrderDocument(messageHeaderOf(manager, ipAddress), order, layout,
                                           ManagerInternals::dateTimeTransformed(manager, time));
}

std::int32_t objectHostResult(bool accepted) {
    if (accepted) return 1;
    return ManagerInternals::lastError() == ManagerInternals::stopText() ? -1 : 0;
}

}  // namespace

std::int64_t VantorelComManager::getDateTimeTransformed(const DateTime& dt) const {
    auto& os = vcom::platform::os();
    const auto local = os.localTimeZone();
    const auto eastern = os.easternTimeZone();
    return vcom::trade::easternTicks(dt, local.get(), eastern.get());
}

std::int32_t VantorelComManager::SendOrderData_NT7(const COM_Order& order) {
    vcom::ProcessLock lock;
    return objectHostResult(postUtf8Document(kOrderEndpoint, orderDocument(*this, order, OrderLayout::NT7)));
}

std::int32_t VantorelComManager::SendOrderData_NT8(const COM_Order& order) {
    vcom::ProcessLock lock;
    return objectHostResult(postUtf8Document(kOrderEndpoint, orderDocument(*this, order, OrderLayout::NT8)));
}

// Flat hosts read the outcome from the last error text alone.
std::u16string VantorelComManager::SendOrderData_TS9(const COM_Order& order) {
    vcom::ProcessLock lock;
    postUtf8Document(kOrderEndpoint, orderDocument(*this, order, OrderLayout::TS));
    return ManagerInternals::lastError();
}

std::u16string VantorelComManager::SendOrderData_TS10(const COM_Order& order) {
    vcom::ProcessLock lock;
    postUtf8Document(kOrderEndpoint, orderDocument(*this, order, OrderLayout::TS));
    return ManagerInternals::lastError();
}

std::u16string VantorelComManager::SendOrderData_MT4(const COM_Order& order) {
    vcom::ProcessLock lock;
    postUtf8Document(kOrderEndpoint, orderDocument(*this, order, OrderLayout::MT4));
    return ManagerInternals::lastError();
}

std::u16string VantorelComManager::SendOrderData_MT5(const COM_Order& order) {
    vcom::ProcessLock lock;
    postUtf8Document(kOrderEndpoint, orderDocument(*this, order, OrderLayout::MT5));
    return ManagerInternals::lastError();
}

}  // namespace VantorelCom
