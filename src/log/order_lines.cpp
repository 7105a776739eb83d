#include "log/order_lines.h"

#include "log/order_words.h"

namespace vcom::log {

namespace {

using VantorelCom::COM_Order;

// The slots of an order line, as text, from the fields the host kind's
// record carries.
struct OrderSlots {
    std::u16string_view account;
    std::u16string_view symbol;
    std::u16string quantity;
    std::u16string price;
    std::u16string time;
    std::u16string orderId;
};

OrderSlots slotsOf(std::int32_t source, const COM_Order& o, const LocaleText& locale) {
    switch (source) {
        case kSourceNT7:
        case kSourceNT8:
            return {o.msAccount, o.msInstrument, locale.integer(o.mnQuantity),
                    locale.number(source == kSourceNT7 ? o.mdAvgFillPrice : o.mdAverageFillPrice),
                    locale.dateTime(o.mnTime), o.msOrderId};
        case kSourceTS9:
        case kSourceTS10:
            return {o.msAccountId, o.msSymbol, locale.integer(o.mnQuantity), locale.number(o.mdAvgFilledPrice),
                    locale.dateTime(o.mnFilledTime), o.msOrderId};
        case kSourceMT4:
            return {o.msAccountNumber, o.msSymbol, locale.number(o.mdLots), locale.number(o.mdPrice),
                    locale.dateTime(o.mnTime), locale.integer(o.mnOrderTicket)};
        case kSourceMT5:
            return {o.msAccountLogin, o.msSymbol, locale.number(o.mdVolume), locale.number(o.mdPrice),
                    locale.dateTime(o.mnTime), locale.integer(o.mnDealTicket)};
        default:
            return {};
    }
}

bool isMetaHost(std::int32_t source) { return source == kSourceMT4 || source == kSourceMT5; }

}  // namespace

std::u16string orderPostLine(std::u16string_view head, std::int32_t source, const COM_Order* record,
                             const LocaleText& locale) {
    std::u16string line(head);
    if (!record) return line;
    const OrderSlots slots = slotsOf(source, *record, locale);
    line += u" | Account=";
    line += slots.account;
    line += u" | Symbol=";
    line += slots.symbol;
    line += u" | Action=";
    line += actionWord(source, *record);
    line += purposeSuffix(record->mePurpose);
    line += u" | Qty=";
    line += slots.quantity;
    line += u" | Price=";
    line += slots.price;
    line += u" | Time=";
    line += slots.time;
    line += u" | OrderID=";
    line += slots.orderId;
    return line;
}

std::u16string minimumLotLine(std::int32_t source, const COM_Order* record, const LocaleText& locale) {
    if (!record) return {};
    const OrderSlots slots = slotsOf(source, *record, locale);
    std::u16string line = isMetaHost(source)
                              ? u"KX | ORD | Warn | Minimum Lot Size is 0.1 | Symbol="
                              : u"KX | ORD | Warn | Minimum Lot Size is 10000 | Symbol=";
    line += slots.symbol;
    line += u" | Action=";
    line += actionWord(source, *record);
    if (!isMetaHost(source)) line += purposeSuffix(record->mePurpose);
    line += u" | Qty=";
    line += slots.quantity;
    line += u" | Price=";
    line += slots.price;
    line += u" | OrderID=";
    line += slots.orderId;
    return line;
}

std::u16string onlyForexLine(std::int32_t source, const COM_Order* pendingOrder) {
    // Both MetaTrader kinds carry a calc mode in their pending order.
    if (!pendingOrder || !isMetaHost(source)) return {};
    std::u16string line = u"KX | ORD | Warn | Only Forex Symbols are supported | Symbol=";
    line += pendingOrder->msSymbol;
    line += u" | CalcMode=";
    line += calcModeWord(pendingOrder->meSymbolCalcMode);
    return line;
}

}  // namespace vcom::log
