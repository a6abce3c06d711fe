#pragma once
#include "mdlFileOps.h"

// Which local-time records name a real moment a file can carry. Some systems' own conversions
// quietly roll a 29 February of a common year over into March; a record is checked here first.
namespace mdlFileOps::record {

// The range a Windows file time can express.
inline constexpr unsigned kFirstYear = 1601;
inline constexpr unsigned kLastYear = 30827;

inline bool IsLeapYear(unsigned year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

inline unsigned DaysInMonth(unsigned year, unsigned month) {
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

inline bool IsValid(const SYSTEMTIME& t) {
    return t.wYear >= kFirstYear && t.wYear <= kLastYear && t.wMonth >= 1 && t.wMonth <= 12 &&
           t.wDay >= 1 && t.wDay <= DaysInMonth(t.wYear, t.wMonth) && t.wHour < 24 &&
           t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

}  // namespace mdlFileOps::record
