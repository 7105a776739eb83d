#include "log/locale_text.h"

#include "text/date_time_format.h"

namespace vcom::log {

LocaleText::LocaleText(const platform::LocaleFormat& format)
    : mFormat(format),
      mStyle{format.decimalSeparator, format.negativeSign, format.nanSymbol,
             format.positiveInfinitySymbol, format.negativeInfinitySymbol} {}

std::u16string LocaleText::integer(std::int64_t value) const { return text::formatInteger(value, mStyle); }

std::u16string LocaleText::number(double value) const { return text::formatDouble(value, mStyle); }

std::u16string LocaleText::dateTime(const VantorelCom::DateTime& value) const {
    const text::CivilTime civil = text::toCivil(value.ticks);
    const text::DayPeriodNames names{mFormat.amDesignator, mFormat.pmDesignator};
    std::u16string out;
    out.reserve(mFormat.shortDatePattern.size() + mFormat.longTimePattern.size() + 8);
    text::appendDateTimePattern(out, civil, mFormat.shortDatePattern, names);
    out.push_back(u' ');
    text::appendDateTimePattern(out, civil, mFormat.longTimePattern, names);
    return out;
}

}  // namespace vcom::log
