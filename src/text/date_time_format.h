#pragma once
// Writes a wall-clock time by a date-time pattern of this grammar:
//   d dd      day of month, without / with a leading zero
//   M MM      month
//   yy yyyy   year, last two digits / four digits (a lone y: the last two
//             digits without a leading zero; five or more: zero-padded to
//             that width)
//   h hh      hour 1-12;  H HH  hour 0-23
//   m mm      minute;     s ss  second
//   t tt      first character / whole of the AM or PM designator
//   '...' "..."  literal text;  \c  the character c itself
// Longer runs of d, M, h, H, m, s or t read as the two-letter form; every
// other character stands for itself.

#include <string>
#include <string_view>

#include "text/date_time.h"

namespace vcom::text {

struct DayPeriodNames {
    std::u16string_view am = u"AM";
    std::u16string_view pm = u"PM";
};

void appendDateTimePattern(std::u16string& out, const CivilTime& time, std::u16string_view pattern,
                           const DayPeriodNames& names = {});

std::u16string formatDateTimePattern(const CivilTime& time, std::u16string_view pattern,
                                     const DayPeriodNames& names = {});

}  // namespace vcom::text
