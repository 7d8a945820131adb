// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/timedate.h"

#include <QDateTime>
#include <QLocale>

namespace palette {

namespace {

// The long time format without its time-zone field ("t"), which the
// locale data adds but a time stamp in a document does not want.
QString longTimeFormat(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    out.reserve(format.size());
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == u'\'')
            quoted = !quoted;
        if (!quoted && ch == u't')
            continue;
        out += ch;
    }
    return out.trimmed();
}

} // namespace

const QStringList &timeDateFormatNames()
{
    static const QStringList list{QStringLiteral("General Date"), QStringLiteral("Long Date"),
                                  QStringLiteral("Medium Date"),  QStringLiteral("Short Date"),
                                  QStringLiteral("Long Time"),    QStringLiteral("Medium Time"),
                                  QStringLiteral("Short Time")};
    return list;
}

QStringList timeDateEntries(const QDateTime &when, const QLocale &locale)
{
    const QDate date = when.date();
    const QTime time = when.time();
    const QString shortDate = locale.toString(date, QLocale::ShortFormat);
    const QString longTime = locale.toString(time, longTimeFormat(locale));
    return {shortDate + QLatin1Char(' ') + longTime,
            locale.toString(date, QLocale::LongFormat),
            locale.toString(date, QStringLiteral("dd-MMM-yy")),
            shortDate,
            longTime,
            locale.toString(time, QStringLiteral("hh:mm AP")),
            locale.toString(time, QStringLiteral("HH:mm"))};
}

} // namespace palette
