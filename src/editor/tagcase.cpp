// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/tagcase.h"

namespace tagcase {

namespace {

void convertRange(QChar *d, qsizetype from, qsizetype to, Case target)
{
    const bool upper = target == Case::Upper;
    for (qsizetype k = from; k < to; ++k) {
        const char16_t u = d[k].unicode();
        if (u < 128) {
            if (upper && u >= 'a' && u <= 'z')
                d[k] = QChar(char16_t(u - 0x20));
            else if (!upper && u >= 'A' && u <= 'Z')
                d[k] = QChar(char16_t(u + 0x20));
        } else if (d[k].isHighSurrogate() && k + 1 < to && d[k + 1].isLowSurrogate()) {
            const char32_t ucs4 = QChar::surrogateToUcs4(d[k], d[k + 1]);
            const char32_t mapped = upper ? QChar::toUpper(ucs4) : QChar::toLower(ucs4);
            // Keep the length: only a mapping that stays a surrogate pair is taken.
            if (mapped != ucs4 && QChar::requiresSurrogates(mapped)) {
                d[k] = QChar(QChar::highSurrogate(mapped));
                d[k + 1] = QChar(QChar::lowSurrogate(mapped));
            }
            ++k;
        } else {
            d[k] = upper ? d[k].toUpper() : d[k].toLower();
        }
    }
}

} // namespace

QString convertTags(const QString &text, Case to)
{
    QString out = text;
    QChar *d = nullptr; // the copy is made only once there is a tag
    for (qsizetype pos = 0; pos < text.size();) {
        const qsizetype open = text.indexOf(u'<', pos);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        if (!d)
            d = out.data();
        convertRange(d, open, close + 1, to);
        pos = close + 1;
    }
    return out;
}

} // namespace tagcase
