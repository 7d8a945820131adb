// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour patterns for comparing a whole document's colouring at once: one
// letter per character, R red, B blue, anything else black.

#include "editor/htmleditor.h"

#include <QString>
#include <QVector>

namespace testcolours {

constexpr qint64 kRed = 255;
constexpr qint64 kBlue = 16711680;

inline qint64 colourOf(QChar letter)
{
    return letter == u'R' ? kRed : letter == u'B' ? kBlue : 0;
}

// The colour of every character of the editor.
inline QVector<qint64> coloursOf(const HtmlEditor &e)
{
    QVector<qint64> out;
    for (qsizetype i = 0; i < e.characterLength(); ++i)
        out << e.colorAt(i);
    return out;
}

inline QVector<qint64> colours(const QString &pattern)
{
    QVector<qint64> out;
    for (const QChar c : pattern)
        out << colourOf(c);
    return out;
}

inline void paint(HtmlEditor &e, const QString &pattern)
{
    for (qsizetype i = 0; i < pattern.size(); ++i)
        e.colorRange(i, 1, colourOf(pattern[i]));
}

} // namespace testcolours
