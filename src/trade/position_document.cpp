#include "trade/position_document.h"

#include "text/json_writer.h"

namespace vcom::trade {

namespace {

using VantorelCom::COM_Position;

// Fixed bytes of one position object (keys, punctuation and numbers at
// their usual widths) beside its text fields.
constexpr std::size_t kPositionFixedBytes = 160;
// A UTF-16 unit takes at most 3 UTF-8 bytes; escapes are rare enough to
// let the buffer grow for them instead.
constexpr std::size_t kBytesPerUnit = 3;

std::size_t textUnits(const COM_Position& p, PositionLayout layout) {
    switch (layout) {
        case PositionLayout::NT7:
        case PositionLayout::NT8: return p.msAccount.size() + p.msInstrument.size();
        case PositionLayout::TS: return p.msAccountId.size() + p.msSymbol.size();
        case PositionLayout::MT4: return p.msAccountNumber.size() + p.msSymbol.size();
        case PositionLayout::MT5: return p.msAccountLogin.size() + p.msSymbol.size();
    }
    return 0;
}

std::size_t sizeHint(const MessageHeader& header, const std::vector<std::u16string>& accounts,
                     const std::vector<COM_Position>& positions, PositionLayout layout) {
    std::size_t bytes = 64 + messageHeaderSizeHint(header);
    for (const auto& account : accounts) bytes += 3 + kBytesPerUnit * account.size();
    for (const auto& p : positions) bytes += kPositionFixedBytes + kBytesPerUnit * textUnits(p, layout);
    return bytes;
}

void writePosition(text::JsonWriter& out, const COM_Position& p, PositionLayout layout) {
    out.beginObject();
    switch (layout) {
        case PositionLayout::NT7:
        case PositionLayout::NT8:
            out.key("Account").text(p.msAccount);
            if (layout == PositionLayout::NT7) {
                out.key("AvgPrice").number(p.mdAvgPrice);
            } else {
                out.key("AveragePrice").number(p.mdAveragePrice);
            }
            out.key("Instrument").text(p.msInstrument);
            out.key("InstrumentType").integer(p.meInstrumentType);
            out.key("MarketPosition").integer(p.meMarketPosition);
            out.key("Quantity").integer(p.mnQuantity);
            break;
        case PositionLayout::TS:
            out.key("AccountId").text(p.msAccountId);
            out.key("AveragePrice").number(p.mdAveragePrice);
            out.key("PositionType").integer(p.mePositionType);
            out.key("Quantity").integer(p.mnQuantity);
            out.key("SecurityType").integer(p.meSecurityType);
            out.key("Symbol").text(p.msSymbol);
            break;
        case PositionLayout::MT4:
            out.key("AccountNumber").text(p.msAccountNumber);
            out.key("AveragePrice").number(p.mdAveragePrice);
            out.key("Lots").number(p.mdLots);
            out.key("Symbol").text(p.msSymbol);
            out.key("SymbolCalcMode").integer(p.meSymbolCalcMode);
            break;
        case PositionLayout::MT5:
            out.key("AccountLogin").text(p.msAccountLogin);
            out.key("PriceOpen").number(p.mdPriceOpen);
            out.key("Symbol").text(p.msSymbol);
            out.key("SymbolCalcMode").integer(p.meSymbolCalcMode);
            out.key("Type").integer(p.meType);
            out.key("Volume").number(p.mdVolume);
            break;
    }
    out.endObject();
}

}  // namespace

std::string buildPositionDocument(const MessageHeader& header, const std::vector<std::u16string>& accounts,
                                  const std::vector<COM_Position>& positions, PositionLayout layout) {
    text::JsonWriter out(sizeHint(header, accounts, positions, layout));
    out.beginObject().key("PositionSync").beginObject();
    writeMessageHeader(out, header);
    out.key("ActiveAccounts").beginArray();
    for (const auto& account : accounts) out.text(account);
    out.endArray();
    out.key("Positions").beginArray();
    for (const auto& p : positions) writePosition(out, p, layout);
    out.endArray();
    out.endObject().endObject();
    return out.take();
}

}  // namespace vcom::trade
