// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/findreplace.h"

#include <QStringMatcher>

#include <algorithm>

namespace findreplace {

namespace {
Qt::CaseSensitivity sensitivity(bool matchCase)
{
    return matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}
} // namespace

qsizetype find(QStringView text, QStringView needle, qsizetype start, bool matchCase)
{
    if (needle.isEmpty() || start > text.size())
        return -1;
    // A negative start would count from the end for indexOf.
    return text.indexOf(needle, start < 0 ? 0 : start, sensitivity(matchCase));
}

FindState::Result FindState::findNext(QStringView text, QStringView needle, bool matchCase)
{
    if (needle.isEmpty())
        return {};
    return found(find(text, needle, nextStart(), matchCase));
}

FindState::Result FindState::found(qsizetype position)
{
    m_position = position < 0 ? -1 : position;
    return {m_position < 0 ? Outcome::NotFound : Outcome::Found, m_position};
}

ReplaceAllResult replaceAll(const QString &text, QStringView needle, QStringView replacement,
                            bool matchCase)
{
    ReplaceAllResult result;
    if (needle.isEmpty()) {
        result.text = text;
        return result;
    }
    // One matcher for the whole run; case-insensitive matching folds as it
    // goes instead of lowering a copy of the text.
    const QStringMatcher matcher(needle, sensitivity(matchCase));
    qsizetype copied = 0;
    for (qsizetype at = matcher.indexIn(text, 0); at >= 0;
         at = matcher.indexIn(text, at + needle.size())) {
        if (result.count == 0)
            result.text.reserve(text.size() +
                                std::max<qsizetype>(0, replacement.size() - needle.size()));
        result.text.append(QStringView(text).sliced(copied, at - copied));
        result.text.append(replacement);
        result.positions.append(at);
        copied = at + needle.size();
        ++result.count;
    }
    if (result.count == 0) {
        result.text = text; // shared, no copy
        return result;
    }
    result.text.append(QStringView(text).sliced(copied));
    return result;
}

} // namespace findreplace
