#pragma once
// Numbers and date-times as the user's locale writes them in log lines.

#include <cstdint>
#include <string>

#include "VantorelCom/DateTime.h"
#include "platform/platform.h"
#include "text/number_format.h"

namespace vcom::log {

class LocaleText {
public:
    // Keeps a reference: `format` must outlive this object.
    explicit LocaleText(const platform::LocaleFormat& format);

    std::u16string integer(std::int64_t value) const;
    std::u16string number(double value) const;
    // Short date, a space, long time; the stored value as it is, no zone.
    std::u16string dateTime(const VantorelCom::DateTime& value) const;

private:
    const platform::LocaleFormat& mFormat;
    text::NumberStyle mStyle;
};

}  // namespace vcom::log
