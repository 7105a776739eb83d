#include "trade/order_document.h"

#include <initializer_list>
#include <string_view>

namespace vcom::trade {

namespace {

using VantorelCom::COM_Order;

// Envelope, keys and punctuation of the longest layout, with room to spare.
constexpr std::size_t kFixedBytes = 320;
// The longest number: a 64-bit integer or a 15-digit double with exponent.
constexpr std::size_t kNumberBytes = 24;
constexpr std::size_t kNumbersPerDocument = 13;
// One UTF-16 unit never takes more than six bytes ("\u001f").
constexpr std::size_t kBytesPerTextUnit = 6;

std::size_t textUnits(std::initializer_list<std::u16string_view> texts) {
    std::size_t n = 0;
    for (auto t : texts) n += t.size();
    return n;
}

// An upper bound of the document's size, so that it is written into one
// allocation.
std::size_t documentBound(const MessageHeader& h, const COM_Order& o) {
    const std::size_t units = textUnits({h.apiKey, h.sourceVersion, h.vantorelVersion, h.ipAddress, o.msAccount,
                                         o.msAccountId, o.msAccountLogin, o.msAccountNumber, o.msExecutionId,
                                         o.msExpert, o.msInstrument, o.msOrderId, o.msSymbol});
    return kFixedBytes + kNumberBytes * kNumbersPerDocument + kBytesPerTextUnit * units;
}

void writeNtMembers(text::JsonWriter& out, const COM_Order& o, bool nt8, std::int64_t timeTicks) {
    out.key("Account").text(o.msAccount);
    if (nt8)
        out.key("AverageFillPrice").number(o.mdAverageFillPrice);
    else
        out.key("AvgFillPrice").number(o.mdAvgFillPrice);
    out.key("ExecutionId").text(o.msExecutionId);
    out.key("Instrument").text(o.msInstrument);
    out.key("InstrumentType").integer(o.meInstrumentType);
    out.key("MarketPosition").integer(o.meMarketPosition);
    out.key("OrderAction").integer(o.meOrderAction);
    out.key("OrderId").text(o.msOrderId);
    out.key("OrderType").integer(o.meOrderType);
    out.key("PositionQuantity").integer(o.mnPositionQuantity);
    out.key("Purpose").integer(o.mePurpose);
    out.key("Quantity").integer(o.mnQuantity);
    out.key("Time").integer(timeTicks);
}

void writeTsMembers(text::JsonWriter& out, const COM_Order& o, std::int64_t timeTicks) {
    out.key("AccountId").text(o.msAccountId);
    out.key("AvgFilledPrice").number(o.mdAvgFilledPrice);
    out.key("FilledTime").integer(timeTicks);
    out.key("OrderId").text(o.msOrderId);
    out.key("OrderAction").integer(o.meOrderAction);
    out.key("OrderType").integer(o.meOrderType);
    out.key("PositionQuantity").integer(o.mnPositionQuantity);
    out.key("Purpose").integer(o.mePurpose);
    out.key("Quantity").integer(o.mnQuantity);
    out.key("SecurityType").integer(o.meSecurityType);
    out.key("Symbol").text(o.msSymbol);
}

void writeMt4Members(text::JsonWriter& out, const COM_Order& o, std::int64_t timeTicks) {
    out.key("AccountNumber").text(o.msAccountNumber);
    out.key("Expert").text(o.msExpert);
    out.key("Lots").number(o.mdLots);
    out.key("OrderTicket").integer(o.mnOrderTicket);
    out.key("OrderType").integer(o.meOrderType);
    out.key("PositionLots").number(o.mdPositionLots);
    out.key("Price").number(o.mdPrice);
    out.key("Purpose").integer(o.mePurpose);
    out.key("Symbol").text(o.msSymbol);
    out.key("SymbolCalcMode").integer(o.meSymbolCalcMode);
    out.key("Time").integer(timeTicks);
}

void writeMt5Members(text::JsonWriter& out, const COM_Order& o, std::int64_t timeTicks) {
    out.key("AccountLogin").text(o.msAccountLogin);
    out.key("DealTicket").integer(o.mnDealTicket);
    out.key("DealType").integer(o.meDealType);
    out.key("Expert").text(o.msExpert);
    out.key("OrderType").integer(o.meOrderType);
    out.key("PositionType").integer(o.mePositionType);
    out.key("PositionVolume").number(o.mdPositionVolume);
    out.key("Price").number(o.mdPrice);
    out.key("Purpose").integer(o.mePurpose);
    out.key("Symbol").text(o.msSymbol);
    out.key("SymbolCalcMode").integer(o.meSymbolCalcMode);
    out.key("Time").integer(timeTicks);
    out.key("Volume").number(o.mdVolume);
}

}  // namespace

std::string buildOrderDocument(const MessageHeader& header, const COM_Order& order, OrderLayout layout,
                               std::int64_t timeTicks) {
    text::JsonWriter out(documentBound(header, order));
    out.beginObject().key("Order").beginObject();
    writeMessageHeader(out, header);
    switch (layout) {
        case OrderLayout::NT7: writeNtMembers(out, order, false, timeTicks); break;
        case OrderLayout::NT8: writeNtMembers(out, order, true, timeTicks); break;
        case OrderLayout::TS: writeTsMembers(out, order, timeTicks); break;
        case OrderLayout::MT4: writeMt4Members(out, order, timeTicks); break;
        case OrderLayout::MT5: writeMt5Members(out, order, timeTicks); break;
    }
    out.endObject().endObject();
    return out.take();
}

}  // namespace vcom::trade
