#pragma once
// Values that many builders write into HTML.

#include <QString>
#include <QStringList>

namespace htmlvalues {

// A colour number in 0x00BBGGRR order to "#RRGGBB": 255 gives "#FF0000",
// 291 gives "#230100". Numbers of more than six hex digits are not padded
// and their first six digits are used, byte pairs reversed.
QString htmlColor(qint64 colourNumber);

// A colour number from its red, green and blue parts.
constexpr qint64 colourNumber(int red, int green, int blue)
{
    return qint64(red & 0xFF) | (qint64(green & 0xFF) << 8) | (qint64(blue & 0xFF) << 16);
}
constexpr int redOf(qint64 colour)
{
    return int(colour & 0xFF);
}
constexpr int greenOf(qint64 colour)
{
    return int((colour >> 8) & 0xFF);
}
constexpr int blueOf(qint64 colour)
{
    return int((colour >> 16) & 0xFF);
}

// A whole point size to a FONT SIZE value: 7 or less gives "", 8-9 "1",
// 10-11 "2", 12-13 "3", 14-17 "4", 18-23 "5", 24-35 "6", 36 and more "7".
QString htmlFontSize(qint64 points);

// The line end of generated HTML.
inline const QString CrLf = QStringLiteral("\r\n");

// The value between double quotes.
QString quoted(const QString &value);
// " NAME=value", only when the value is not empty.
void attribute(QString &out, QLatin1String name, const QString &value);
// " NAME=\"value\"", only when the value is not empty.
void quotedAttribute(QString &out, QLatin1String name, const QString &value);

// The sixteen colour names every colour combo offers.
const QStringList &colourNames();

} // namespace htmlvalues
