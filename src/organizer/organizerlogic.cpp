// SPDX-License-Identifier: GPL-3.0-or-later
#include "organizer/organizerlogic.h"

#include <QCoreApplication>

namespace organizer {

namespace {

// Names as shown, in the user's language.
template <class Names> QStringList translated(const Names &names)
{
    QStringList list;
    for (const char *name : names)
        list << QCoreApplication::translate("organizer", name);
    return list;
}

// The month names as written into the agenda's heading.
const char *const MonthNames[] = {
    QT_TRANSLATE_NOOP("organizer", "January"),   QT_TRANSLATE_NOOP("organizer", "February"),
    QT_TRANSLATE_NOOP("organizer", "March"),     QT_TRANSLATE_NOOP("organizer", "April"),
    QT_TRANSLATE_NOOP("organizer", "May"),       QT_TRANSLATE_NOOP("organizer", "June"),
    QT_TRANSLATE_NOOP("organizer", "July"),      QT_TRANSLATE_NOOP("organizer", "August"),
    QT_TRANSLATE_NOOP("organizer", "September"), QT_TRANSLATE_NOOP("organizer", "October"),
    QT_TRANSLATE_NOOP("organizer", "November"),  QT_TRANSLATE_NOOP("organizer", "December")};

const char *const WeekdayNames[] = {
    QT_TRANSLATE_NOOP("organizer", "Sun"),  QT_TRANSLATE_NOOP("organizer", "Mon"),
    QT_TRANSLATE_NOOP("organizer", "Tue"),  QT_TRANSLATE_NOOP("organizer", "Wed"),
    QT_TRANSLATE_NOOP("organizer", "Thur"), QT_TRANSLATE_NOOP("organizer", "Fri"),
    QT_TRANSLATE_NOOP("organizer", "Sat")};

} // namespace

const QStringList &monthNames()
{
    static const QStringList names = translated(MonthNames);
    return names;
}

const QStringList &weekdayHeadings()
{
    static const QStringList names = translated(WeekdayNames);
    return names;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && isLeapYear(year))
        return 29;
    return days[month - 1];
}

int weekday(int year, int month, int day)
{
    // Sakamoto's method. The calendar repeats every 400 years (146097 days,
    // a whole number of weeks), so shifting the year keeps the arithmetic
    // free of negative numbers for January and February of year 0.
    static const int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = year + 400;
    if (month < 3)
        --y;
    return (y + y / 4 - y / 100 + y / 400 + offsets[month - 1] + day) % 7;
}

QStringList monthCaptions(int month, int year)
{
    QStringList captions;
    captions.reserve(DayButtons);
    for (int i = 0; i < DayButtons; ++i)
        captions << QString();
    const int first = weekday(year, month, 1);
    const int days = daysInMonth(month, year);
    for (int day = 1; day <= days; ++day)
        captions[first + day - 1] = QString::number(day);
    return captions;
}

QString dateKey(int month, int day, int year)
{
    return QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year);
}

QString agendaHeading(int month, int day, int year)
{
    return QStringLiteral("Agenda For: %1 %2, %3")
        .arg(month >= 1 && month <= 12 ? QLatin1String(MonthNames[month - 1]) : QLatin1String())
        .arg(day)
        .arg(year);
}

QString agendaFileStem(int month, int day, int year)
{
    return QStringLiteral("Agenda %1-%2-%3").arg(month).arg(day).arg(year);
}

QString agendaToHtml(const QString &agenda)
{
    QString html;
    html.reserve(agenda.size() + agenda.size() / 4);
    for (qsizetype i = 0; i < agenda.size(); ++i) {
        const QChar c = agenda.at(i);
        if (c == u'<') {
            html += QStringLiteral("&#60;");
        } else if (c == u'>') {
            html += QStringLiteral("&#62;");
        } else if (c == u'\n') {
            html += QStringLiteral("<BR>\r\n");
        } else if (c == u'\r' && i + 1 < agenda.size() && agenda.at(i + 1) == u'\n') {
            // A CR LF line end is one line end, not a stray CR before the BR.
            continue;
        } else {
            html += c;
        }
    }
    return html;
}

QString entry(const QString &name, const QString &value)
{
    return name + QStringLiteral("  ::  ") + value;
}

QString favouriteAddress(const QString &entry)
{
    const QString separator = QStringLiteral(" :: ");
    const qsizetype at = entry.indexOf(separator);
    if (at < 0)
        return entry.trimmed();
    return entry.mid(at + separator.size()).trimmed();
}

} // namespace organizer
