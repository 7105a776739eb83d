// The user's number and date-time formats from the environment's locale
// (LC_ALL, LC_NUMERIC, LC_TIME, LANG). The locale is made with newlocale,
// never setlocale, which would change the whole host process.
#include <langinfo.h>
#include <locale.h>

#include "platform/posix/posix_os.h"
#include "platform/posix/strftime_pattern.h"

namespace vcom::platform {

namespace {

class EnvironmentLocale {
public:
    EnvironmentLocale() : mHandle(newlocale(LC_NUMERIC_MASK | LC_TIME_MASK, "", static_cast<locale_t>(0))) {}
    ~EnvironmentLocale() {
        if (ok()) freelocale(mHandle);
    }
    EnvironmentLocale(const EnvironmentLocale&) = delete;
    EnvironmentLocale& operator=(const EnvironmentLocale&) = delete;

    bool ok() const { return mHandle != static_cast<locale_t>(0); }
    // "" when the locale has no such item.
    const char* item(nl_item name) const {
        const char* value = nl_langinfo_l(name, mHandle);
        return value ? value : "";
    }

private:
    locale_t mHandle;
};

}  // namespace

LocaleFormat PosixOs::userLocale() {
    LocaleFormat format;  // its defaults stand in for whatever cannot be had
    EnvironmentLocale locale;
    if (!locale.ok()) return format;

    // The items are in the environment's character set, as 8-bit text is.
    const std::u16string radix = ansiToUtf16(locale.item(RADIXCHAR));
    if (!radix.empty()) format.decimalSeparator = radix;

    const std::u16string date = patternFromStrftime(ansiToUtf16(locale.item(D_FMT)));
    if (!date.empty()) format.shortDatePattern = date;

    const std::u16string twelveHour = ansiToUtf16(locale.item(T_FMT_AMPM));
    std::u16string timeFormat = ansiToUtf16(locale.item(T_FMT));
    if (timeFormat.empty()) timeFormat = twelveHour;
    const std::u16string time = twelveHour.empty() ? patternFromStrftime(timeFormat)
                                                   : patternFromStrftime(timeFormat, twelveHour);
    if (!time.empty()) format.longTimePattern = time;

    // 24-hour locales name no day periods; their patterns never ask for one.
    format.amDesignator = ansiToUtf16(locale.item(AM_STR));
    format.pmDesignator = ansiToUtf16(locale.item(PM_STR));
    return format;
}

}  // namespace vcom::platform
