#include "log/order_record_choice.h"

#include "log/order_words.h"

namespace vcom::log {

const VantorelCom::COM_Order* orderRecordOfLine(std::int32_t source, const VantorelCom::LogSubject& subject,
                                                const VantorelCom::COM_Order* pendingOrder) {
    switch (source) {
        case kSourceNT7: case kSourceNT8:
            return subject.order();
        case kSourceTS9: case kSourceTS10: case kSourceMT4: case kSourceMT5:
            return pendingOrder;
        default:
            return nullptr;
    }
}

}  // namespace vcom::log
