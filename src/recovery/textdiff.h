// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line differences between two texts, for comparing a recovered or
// changed text with the file on disk.

#include <QList>
#include <QString>
#include <QStringList>

namespace textdiff {

enum class Op { Same, Removed, Added };

struct Line
{
    Op op = Op::Same;
    QString text;
};

// The lines of a text; CR LF and LF both end a line, and a last line
// without an end counts.
QStringList splitLines(const QString &text);

// The shortest edit from a to b (Myers' algorithm) after the common head and
// tail are set aside; past maxEdits differing lines the rest of the middle
// is given as removed then added, so the time stays bounded.
QList<Line> diff(const QStringList &a, const QStringList &b, int maxEdits = 1000);

struct Counts
{
    int removed = 0;
    int added = 0;
};
Counts count(const QList<Line> &lines);

// The difference as "--- a" / "+++ b" and "@@ -l,n +l,n @@" hunks with
// `context` unchanged lines around each change; empty when equal.
QString unified(const QString &nameA, const QString &nameB, const QList<Line> &lines,
                int context = 3);

} // namespace textdiff
