#include "log/order_words.h"

namespace vcom::log {

namespace {

std::u16string_view objectHostAction(std::int32_t code) {
    switch (code) {
        case 0: return u"Buy";
        case 1: return u"BuyToCover";
        case 2: return u"Sell";
        case 3: return u"SellShort";
        default: return u"";
    }
}

std::u16string_view tsAction(std::int32_t code) {
    switch (code) {
        case 1: return u"Buy";
        case 2: return u"Sell";
        case 3: return u"SellShort";
        case 4: return u"BuyToCover";
        default: return u"";
    }
}

std::u16string_view mt4Action(std::int32_t orderType) {
    switch (orderType) {
        case 0: case 2: case 4: return u"Buy";
        case 1: case 3: case 5: return u"Sell";
        default: return u"";
    }
}

std::u16string_view mt5Action(std::int32_t dealType) {
    switch (dealType) {
        case 0: return u"Buy";
        case 1: return u"Sell";
        default: return u"";
    }
}

}  // namespace

std::u16string_view actionWord(std::int32_t source, const VantorelCom::COM_Order& order) {
    switch (source) {
        case kSourceNT7: case kSourceNT8: return objectHostAction(order.meOrderAction);
        case kSourceTS9: case kSourceTS10: return tsAction(order.meOrderAction);
        case kSourceMT4: return mt4Action(order.meOrderType);
        case kSourceMT5: return mt5Action(order.meDealType);
        default: return u"";
    }
}

std::u16string_view purposeSuffix(std::int32_t purpose) {
    switch (purpose) {
        case 0: return u".ToOpen";
        case 1: return u".ToClose";
        default: return u"";
    }
}

std::u16string_view calcModeWord(std::int32_t calcMode) {
    switch (calcMode) {
        case 0: return u"Forex";
        case 1: case 6: case 7: return u"Future";
        case 2: case 3: return u"Index";
        case 5: return u"Stock";
        default: return u"";
    }
}

}  // namespace vcom::log
