#include "kernel/htmlvalues.h"

#include <QStringList>

namespace htmlvalues {

QString htmlFontSize(qint64 points)
{
    if (points <= 7)
        return QString();
    if (points <= 9)
        return QStringLiteral("1");
    if (points <= 11)
        return QStringLiteral("2");
    if (points <= 13)
        return QStringLiteral("3");
    if (points <= 17)
        return QStringLiteral("4");
    if (points <= 23)
        return QStringLiteral("5");
    if (points <= 35)
        return QStringLiteral("6");
    return QStringLiteral("7");
}

QString quoted(const QString &value)
{
    return u'"' + value + u'"';
}

void attribute(QString &out, QLatin1String name, const QString &value)
{
    if (value.isEmpty())
        return;
    out += u' ';
    out += name;
    out += u'=';
    out += value;
}

void quotedAttribute(QString &out, QLatin1String name, const QString &value)
{
    if (value.isEmpty())
        return;
    out += u' ';
    out += name;
    out += QLatin1String("=\"");
    out += value;
    out += u'"';
}

} // namespace htmlvalues
