// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/colour.h"

namespace colour {

QString html(qint64 colour)
{
    // Negative numbers never come from a colour dialog; show them as their
    // 32-bit pattern like the platform would.
    const quint64 value = colour < 0 ? quint32(colour) : quint64(colour);
    QString s = QString::number(value, 16).toUpper();
    if (s.size() < 6)
        s = QString(6 - s.size(), u'0') + s;
    return QLatin1Char('#') + s.mid(4, 2) + s.mid(2, 2) + s.mid(0, 2);
}

std::optional<qint64> fromHtml(const QString &value)
{
    if (value.size() != 7 || value.at(0) != u'#')
        return std::nullopt;
    quint32 rgb = 0;
    for (const QChar ch : QStringView(value).mid(1)) {
        const char16_t c = ch.unicode();
        const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                          : c >= u'A' && c <= u'F' ? c - u'A' + 10
                          : c >= u'a' && c <= u'f' ? c - u'a' + 10
                                                   : -1;
        if (digit < 0)
            return std::nullopt;
        rgb = rgb * 16 + quint32(digit);
    }
    return fromRgb(rgb);
}

const QStringList &names()
{
    static const QStringList list{
        QStringLiteral("AQUA"),    QStringLiteral("BLACK"),  QStringLiteral("BLUE"),
        QStringLiteral("FUCHSIA"), QStringLiteral("GRAY"),   QStringLiteral("GREEN"),
        QStringLiteral("LIME"),    QStringLiteral("MAROON"), QStringLiteral("NAVY"),
        QStringLiteral("OLIVE"),   QStringLiteral("PURPLE"), QStringLiteral("RED"),
        QStringLiteral("SILVER"),  QStringLiteral("TEAL"),   QStringLiteral("WHITE"),
        QStringLiteral("YELLOW")};
    return list;
}

} // namespace colour
