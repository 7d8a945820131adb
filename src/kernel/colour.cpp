// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/colour.h"

#include <algorithm>
#include <cmath>

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

std::optional<qint64> fromText(const QString &text)
{
    if (const std::optional<qint64> hex = fromHtml(text))
        return hex;
    // In the order of names().
    static const quint32 rgb[] = {0x00FFFF, 0x000000, 0x0000FF, 0xFF00FF, 0x808080, 0x008000,
                                  0x00FF00, 0x800000, 0x000080, 0x808000, 0x800080, 0xFF0000,
                                  0xC0C0C0, 0x008080, 0xFFFFFF, 0xFFFF00};
    const qsizetype index = names().indexOf(text.trimmed().toUpper());
    if (index < 0)
        return std::nullopt;
    return fromRgb(rgb[index]);
}

double relativeLuminance(qint64 colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red(colour)) + 0.7152 * linear(green(colour)) +
           0.0722 * linear(blue(colour));
}

double contrastRatio(qint64 a, qint64 b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace colour
