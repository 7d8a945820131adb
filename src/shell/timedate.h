// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Time/Date reference list: the current moment in seven formats.

#include <QStringList>

class QDateTime;
class QLocale;

namespace palette {

// The Time/Date entries, in this order and meaning:
//   "General Date"  short date, a space, long time
//   "Long Date"     the locale's long date
//   "Medium Date"   day-month-year as dd-MMM-yy, month abbreviated by the locale
//   "Short Date"    the locale's short date
//   "Long Time"     the locale's long time without its time zone
//   "Medium Time"   12-hour hh:mm with the locale's AM/PM text
//   "Short Time"    24-hour HH:mm
const QStringList &timeDateFormatNames();
QStringList timeDateEntries(const QDateTime &when, const QLocale &locale);

} // namespace palette
