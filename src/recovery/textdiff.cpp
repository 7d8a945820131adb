// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/textdiff.h"

#include <algorithm>
#include <vector>

namespace textdiff {

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n')
            continue;
        const qsizetype end = i > start && text[i - 1] == u'\r' ? i - 1 : i;
        lines << text.mid(start, end - start);
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

namespace {

// Myers' greedy forward search over a[0..n) and b[0..m), keeping each
// round's furthest points to walk back. False when it needs more than
// maxEdits edits.
bool middle(const QStringList &a, qsizetype a0, qsizetype n, const QStringList &b, qsizetype b0,
            qsizetype m, int maxEdits, QList<Line> *out)
{
    const qsizetype max = std::min<qsizetype>(n + m, maxEdits);
    const qsizetype offset = max + 1;
    std::vector<qsizetype> v(size_t(2 * max + 3), 0);
    std::vector<std::vector<qsizetype>> trace;
    qsizetype found = -1;
    for (qsizetype d = 0; d <= max && found < 0; ++d) {
        // Only the diagonals this round can reach: the whole table would be
        // quadratic in maxEdits.
        trace.emplace_back(v.begin() + (offset - d - 1), v.begin() + (offset + d + 2));
        for (qsizetype k = -d; k <= d; k += 2) {
            qsizetype x;
            if (k == -d || (k != d && v[size_t(offset + k - 1)] < v[size_t(offset + k + 1)]))
                x = v[size_t(offset + k + 1)];
            else
                x = v[size_t(offset + k - 1)] + 1;
            qsizetype y = x - k;
            while (x < n && y < m && a[a0 + x] == b[b0 + y]) {
                ++x;
                ++y;
            }
            v[size_t(offset + k)] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
    }
    if (found < 0)
        return false;
    // Walk back from (n, m) through the saved rounds.
    QList<Line> reversed;
    qsizetype x = n;
    qsizetype y = m;
    for (qsizetype d = found; d > 0; --d) {
        const std::vector<qsizetype> &pv = trace[size_t(d)];
        auto at = [&](qsizetype k) { return pv[size_t(k + d + 1)]; };
        const qsizetype k = x - y;
        const bool down = k == -d || (k != d && at(k - 1) < at(k + 1));
        const qsizetype prevK = down ? k + 1 : k - 1;
        const qsizetype prevX = at(prevK);
        const qsizetype prevY = prevX - prevK;
        while (x > prevX && y > prevY) {
            reversed << Line{Op::Same, a[a0 + x - 1]};
            --x;
            --y;
        }
        if (down)
            reversed << Line{Op::Added, b[b0 + y - 1]};
        else
            reversed << Line{Op::Removed, a[a0 + x - 1]};
        x = prevX;
        y = prevY;
    }
    while (x > 0 && y > 0) {
        reversed << Line{Op::Same, a[a0 + x - 1]};
        --x;
        --y;
    }
    std::reverse(reversed.begin(), reversed.end());
    *out << reversed;
    return true;
}

} // namespace

QList<Line> diff(const QStringList &a, const QStringList &b, int maxEdits)
{
    QList<Line> out;
    qsizetype head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    qsizetype tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    for (qsizetype i = 0; i < head; ++i)
        out << Line{Op::Same, a[i]};
    const qsizetype n = a.size() - head - tail;
    const qsizetype m = b.size() - head - tail;
    if (!middle(a, head, n, b, head, m, maxEdits, &out)) {
        for (qsizetype i = 0; i < n; ++i)
            out << Line{Op::Removed, a[head + i]};
        for (qsizetype i = 0; i < m; ++i)
            out << Line{Op::Added, b[head + i]};
    }
    for (qsizetype i = a.size() - tail; i < a.size(); ++i)
        out << Line{Op::Same, a[i]};
    return out;
}

Counts count(const QList<Line> &lines)
{
    Counts c;
    for (const Line &line : lines) {
        if (line.op == Op::Removed)
            ++c.removed;
        else if (line.op == Op::Added)
            ++c.added;
    }
    return c;
}

QString unified(const QString &nameA, const QString &nameB, const QList<Line> &lines, int context)
{
    const qsizetype total = lines.size();
    QString out;
    qsizetype i = 0;
    // Line numbers (1-based) in a and b of lines[i].
    qsizetype lineA = 1;
    qsizetype lineB = 1;
    std::vector<qsizetype> numA(size_t(total) + 1), numB(size_t(total) + 1);
    for (qsizetype j = 0; j < total; ++j) {
        numA[size_t(j)] = lineA;
        numB[size_t(j)] = lineB;
        if (lines[j].op != Op::Added)
            ++lineA;
        if (lines[j].op != Op::Removed)
            ++lineB;
    }
    numA[size_t(total)] = lineA;
    numB[size_t(total)] = lineB;
    while (i < total) {
        while (i < total && lines[i].op == Op::Same)
            ++i;
        if (i >= total)
            break;
        // One hunk: from context lines before this change to context lines
        // after the last change closer than 2 * context to the one before.
        const qsizetype start = std::max<qsizetype>(0, i - context);
        qsizetype end = i;
        qsizetype sameRun = 0;
        for (qsizetype j = i; j < total; ++j) {
            if (lines[j].op == Op::Same) {
                if (++sameRun > 2 * context)
                    break;
            } else {
                sameRun = 0;
                end = j + 1;
            }
        }
        const qsizetype stop = std::min<qsizetype>(total, end + context);
        if (out.isEmpty())
            out += QStringLiteral("--- %1\n+++ %2\n").arg(nameA, nameB);
        qsizetype countA = 0;
        qsizetype countB = 0;
        for (qsizetype j = start; j < stop; ++j) {
            countA += lines[j].op != Op::Added ? 1 : 0;
            countB += lines[j].op != Op::Removed ? 1 : 0;
        }
        out += QStringLiteral("@@ -%1,%2 +%3,%4 @@\n")
                   .arg(countA ? numA[size_t(start)] : numA[size_t(start)] - 1)
                   .arg(countA)
                   .arg(countB ? numB[size_t(start)] : numB[size_t(start)] - 1)
                   .arg(countB);
        for (qsizetype j = start; j < stop; ++j) {
            const QChar mark = lines[j].op == Op::Same      ? u' '
                               : lines[j].op == Op::Removed ? u'-'
                                                            : u'+';
            out += mark + lines[j].text + u'\n';
        }
        i = stop;
    }
    return out;
}

} // namespace textdiff
