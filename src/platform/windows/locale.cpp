// The current user's formats from the locale database.
#include "platform/windows/wide.h"
#include "platform/windows/windows_os.h"

namespace vcom::platform {

namespace {

// Keeps `target` as it is when the system has no value.
void readLocaleValue(LCTYPE type, std::u16string& target) {
    wchar_t buffer[128];
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer)));
    if (length > 0) target = win::fromWide(buffer, static_cast<std::size_t>(length - 1));
}

}  // namespace

LocaleFormat WindowsOs::userLocale() {
    LocaleFormat format;
    readLocaleValue(LOCALE_SDECIMAL, format.decimalSeparator);
    readLocaleValue(LOCALE_SNEGATIVESIGN, format.negativeSign);
    readLocaleValue(LOCALE_SNAN, format.nanSymbol);
    readLocaleValue(LOCALE_SPOSINFINITY, format.positiveInfinitySymbol);
    readLocaleValue(LOCALE_SNEGINFINITY, format.negativeInfinitySymbol);
    readLocaleValue(LOCALE_SSHORTDATE, format.shortDatePattern);
    readLocaleValue(LOCALE_STIMEFORMAT, format.longTimePattern);
    readLocaleValue(LOCALE_S1159, format.amDesignator);
    readLocaleValue(LOCALE_S2359, format.pmDesignator);
    return format;
}

}  // namespace vcom::platform
