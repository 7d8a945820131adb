// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/mnemonics.h"

#include <QSet>

namespace mnemonics {

namespace {

bool isLetter(QChar ch)
{
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z');
}

// Where the mnemonic's '&' stands; -1 for none.
qsizetype markAt(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

QString withoutMark(const QString &caption)
{
    const qsizetype at = markAt(caption);
    return at < 0 ? caption : caption.left(at) + caption.mid(at + 1);
}

// Positions in a caption without its mark: word starts, then the rest.
QList<qsizetype> candidates(const QString &plain)
{
    QList<qsizetype> starts;
    QList<qsizetype> others;
    bool inAmpersand = false;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar ch = plain.at(i);
        if (ch == u'&') {
            inAmpersand = !inAmpersand; // "&&" is one literal '&'
            continue;
        }
        if (inAmpersand || !isLetter(ch))
            continue;
        const bool start = i == 0 || !plain.at(i - 1).isLetterOrNumber();
        (start ? starts : others) << i;
    }
    return starts + others;
}

} // namespace

QChar of(const QString &caption)
{
    const qsizetype at = markAt(caption);
    if (at < 0 || !caption.at(at + 1).isLetterOrNumber())
        return QChar();
    return caption.at(at + 1).toLower();
}

QStringList assign(const QStringList &captions, const QList<bool> &fixed)
{
    QStringList out = captions;
    QSet<QChar> taken;
    QList<bool> done(captions.size(), false);
    auto isFixed = [&fixed](qsizetype i) { return i < fixed.size() && fixed.at(i); };
    for (int pass = 0; pass < 2; ++pass) {
        for (qsizetype i = 0; i < captions.size(); ++i) {
            if (isFixed(i) != (pass == 0))
                continue;
            const QChar own = of(captions.at(i));
            if (own.isNull())
                continue;
            if (isFixed(i) || !taken.contains(own)) {
                taken.insert(own);
                done[i] = true;
            }
        }
    }
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (done.at(i) || isFixed(i))
            continue;
        const QString plain = withoutMark(captions.at(i));
        for (const qsizetype at : candidates(plain)) {
            const QChar letter = plain.at(at).toLower();
            if (taken.contains(letter))
                continue;
            taken.insert(letter);
            out[i] = plain.left(at) + u'&' + plain.mid(at);
            break;
        }
    }
    return out;
}

} // namespace mnemonics
