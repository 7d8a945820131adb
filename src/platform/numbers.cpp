// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers.h"

#include <cmath>

namespace numbers {

double leadingNumber(const QString &text)
{
    // Collect the characters of the number, skipping blanks anywhere.
    QString digits;
    digits.reserve(text.size());
    int i = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (i < n &&
               (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
            ++i;
    };
    skipBlanks();
    if (i + 1 < n && text[i] == u'&') {
        const QChar kind = text[i + 1].toUpper();
        const int base = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (base) {
            i += 2;
            qint64 value = 0;
            for (int count = 0; i < n && count < 16; ++i, ++count) {
                const int d = QStringLiteral("0123456789ABCDEF").indexOf(text[i].toUpper());
                if (d < 0 || d >= base)
                    break;
                value = value * base + d;
            }
            return double(value);
        }
    }
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        digits += text[i++];
    bool seenDigit = false;
    bool seenPoint = false;
    while (i < n) {
        skipBlanks();
        if (i >= n)
            break;
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            seenDigit = true;
        } else if (c == u'.' && !seenPoint) {
            digits += c;
            seenPoint = true;
        } else {
            break;
        }
        ++i;
    }
    if (!seenDigit)
        return 0.0;
    // Optional exponent, only when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        int k = i + 1;
        QString exponent = QStringLiteral("e");
        if (k < n && (text[k] == u'+' || text[k] == u'-'))
            exponent += text[k++];
        const int firstDigit = k;
        while (k < n && text[k].isDigit() && text[k].unicode() < 128)
            exponent += text[k++];
        if (k > firstDigit)
            digits += exponent;
    }
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    return qint64(std::nearbyint(value)); // default rounding mode: to nearest, ties to even
}

static QString shortest(double value, int digits)
{
    if (value == 0.0)
        return QStringLiteral("0");
    QString s = QString::number(value, 'g', digits);
    const int e = s.indexOf(u'e');
    if (e >= 0) {
        // 1e+16 -> 1E+16, 1e-07 -> 1E-07
        s[e] = u'E';
    }
    return s;
}

QString shortestDouble(double value)
{
    return shortest(value, 15);
}

QString shortestSingle(float value)
{
    return shortest(double(value), 7);
}

QString hex2(int byte)
{
    return QStringLiteral("%1").arg(byte & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace numbers
