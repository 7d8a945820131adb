#include "kernel/htmlvalues.h"

#include <QStringList>

namespace htmlvalues {

QString htmlColor(qint64 colourNumber)
{
    // Negative numbers never come from a colour dialog; show them as their
    // 32-bit pattern like the platform would.
    const quint64 value = colourNumber < 0 ? quint32(colourNumber) : quint64(colourNumber);
    QString s = QString::number(value, 16).toUpper();
    if (s.size() < 6)
        s = QString(6 - s.size(), u'0') + s;
    return QLatin1Char('#') + s.mid(4, 2) + s.mid(2, 2) + s.mid(0, 2);
}

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

const QStringList &colourNames()
{
    static const QStringList names{
        QStringLiteral("AQUA"),    QStringLiteral("BLACK"),  QStringLiteral("BLUE"),
        QStringLiteral("FUCHSIA"), QStringLiteral("GRAY"),   QStringLiteral("GREEN"),
        QStringLiteral("LIME"),    QStringLiteral("MAROON"), QStringLiteral("NAVY"),
        QStringLiteral("OLIVE"),   QStringLiteral("PURPLE"), QStringLiteral("RED"),
        QStringLiteral("SILVER"),  QStringLiteral("TEAL"),   QStringLiteral("WHITE"),
        QStringLiteral("YELLOW")};
    return names;
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
