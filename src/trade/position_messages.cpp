// The six position sends: back-off, accounts, document, post, back-off
// again, and the host kind's result.
#include "VantorelCom/VantorelComManager.h"
#include "manager/manager_internals.h"
#include "manager/process_lock.h"
#include "trade/active_accounts.h"
#include "trade/position_backoff.h"
#include "trade/position_document.h"
#include "trade/position_results.h"

namespace VantorelCom {

namespace {

using vcom::trade::PositionLayout;
using vcom::trade::PositionSendOutcome;

// Steps shared by every host kind after the last error was cleared; `post`
// sends the finished document and answers whether it was accepted.
template <class Post>
PositionSendOutcome sendPositions(VantorelComManager& manager, const std::vector<std::u16string>& accounts,
                                  const std::vector<COM_Position>& positions, PositionLayout layout,
                                  Post&& post) {
    std::int32_t& failCycles = ManagerInternals::failCyclesFromFail(manager);
    const auto check =
        vcom::trade::checkPositionBackoff(failCycles, ManagerInternals::failCyclesUntilRetry(manager));
    failCycles = check.failCycles;
    if (!check.send || accounts.empty()) return PositionSendOutcome::NotPosted;

    const std::u16string ipAddress = ManagerInternals::localIPAddress(manager);
    const std::string document =
        vcom::trade::buildPositionDocument(messageHeaderOf(manager, ipAddress), accounts, positions, layout);
    const bool accepted = post(document);
    failCycles = vcom::trade::updatePositionBackoff(failCycles, accepted);
    return accepted ? PositionSendOutcome::Accepted : PositionSendOutcome::Refused;
}

template <class Post>
std::int32_t sendForObjectHost(VantorelComManager& manager, const std::vector<std::u16string>& accounts,
                               const std::vector<COM_Position>& positions, PositionLayout layout, Post&& post) {
    vcom::ProcessLock lock;
    ManagerInternals::lastError().clear();
    const auto outcome = sendPositions(manager, accounts, positions, layout, post);
    return vcom::trade::objectHostPositionResult(outcome, ManagerInternals::lastError(),
                                                 ManagerInternals::stopText());
}

template <class Post>
std::u16string sendForFlatHost(VantorelComManager& manager, std::u16string_view accountsText,
                               const std::vector<COM_Position>& positions, PositionLayout layout, Post&& post) {
    vcom::ProcessLock lock;
    ManagerInternals::lastError().clear();
    // The back-off moves before the accounts are looked at, so a text
    // without accounts still counts as a call.
    const auto outcome =
        sendPositions(manager, vcom::trade::splitActiveAccounts(accountsText), positions, layout, post);
    return vcom::trade::flatHostPositionResult(outcome, ManagerInternals::lastError(),
                                               ManagerInternals::nokText());
}

}  // namespace

std::int32_t VantorelComManager::SendPositionData_NT7(const std::vector<std::u16string>& activeAccounts,
                                                      const std::vector<COM_Position>& positions) {
    return sendForObjectHost(*this, activeAccounts, positions, PositionLayout::NT7,
                             [this](std::string_view doc) { return postUtf8Document(u"sendPosition", doc); });
}

std::int32_t VantorelComManager::SendPositionData_NT8(const std::vector<std::u16string>& activeAccounts,
                                                      const std::vector<COM_Position>& positions) {
    return sendForObjectHost(*this, activeAccounts, positions, PositionLayout::NT8,
                             [this](std::string_view doc) { return postUtf8Document(u"sendPosition", doc); });
}

std::u16string VantorelComManager::SendPositionData_TS9(std::u16string_view sActiveAccounts,
                                                        const std::vector<COM_Position>& positions) {
    return sendForFlatHost(*this, sActiveAccounts, positions, PositionLayout::TS,
                           [this](std::string_view doc) { return postUtf8Document(u"sendPosition", doc); });
}

std::u16string VantorelComManager::SendPositionData_TS10(std::u16string_view sActiveAccounts,
                                                         const std::vector<COM_Position>& positions) {
    return sendForFlatHost(*this, sActiveAccounts, positions, PositionLayout::TS,
                           [this](std::string_view doc) { return postUtf8Document(u"sendPosition", doc); });
}

std::u16string VantorelComManager::SendPositionData_MT4(std::u16string_view sActiveAccounts,
                                                        const std::vector<COM_Position>& positions) {
    return sendForFlatHost(*this, sActiveAccounts, positions, PositionLayout::MT4,
                           [this](std::string_view doc) { return postUtf8Document(u"sendPosition", doc); });
}

std::u16string VantorelComManager::SendPositionData_MT5(std::u16string_view sActiveAccounts,
                                                        const std::vector<COM_Position>& positions) {
    return sendForFlatHost(*this, sActiveAccounts, positions, PositionLayout::MT5,
                           [this](std::string_view doc) { return postUtf8Document(u"sendPosition", doc); });
}

}  // namespace VantorelCom
