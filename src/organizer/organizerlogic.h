// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The organizer's calendar rules and the texts it makes from an agenda,
// a contact or a favourite. Years run from 0 to 3000 on the proleptic
// Gregorian calendar (year 0 is a leap year).

#include <QString>
#include <QStringList>

namespace organizer {

constexpr int MinYear = 0;
constexpr int MaxYear = 3000;
// Six rows of seven day buttons, Sunday first.
constexpr int DayButtons = 42;

// "January" ... "December".
const QStringList &monthNames();
// "Sun", "Mon", "Tue", "Wed", "Thur", "Fri", "Sat".
const QStringList &weekdayHeadings();

bool isLeapYear(int year);
// month 1..12.
int daysInMonth(int month, int year);
// The weekday of a date, Sunday = 0.
int weekday(int year, int month, int day);

// The captions of the 42 day buttons: "1" ... in the buttons from the
// first day's weekday column on, empty elsewhere.
QStringList monthCaptions(int month, int year);

// "3/15/1998": no leading zeros anywhere.
QString dateKey(int month, int day, int year);
// "Agenda For: March 15, 1998".
QString agendaHeading(int month, int day, int year);
// A file name stem for a printed agenda: "Agenda 3-15-1998".
QString agendaFileStem(int month, int day, int year);

// The agenda as an HTML fragment: "<" and ">" as numeric references and
// each line end as "<BR>" and CR LF.
QString agendaToHtml(const QString &agenda);

// Contact and favourite entries: name, "  ::  ", number or address.
QString entry(const QString &name, const QString &value);
// The address of a favourite entry: what follows its first " :: ", without
// the blanks around it (the second space of "  ::  " included). An entry
// without a separator is all address.
QString favouriteAddress(const QString &entry);

} // namespace organizer
