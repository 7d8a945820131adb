#pragma once
// Values that many builders write into HTML.

#include <QString>
#include <QStringList>

namespace htmlvalues {

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

} // namespace htmlvalues
