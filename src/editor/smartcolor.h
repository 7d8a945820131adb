// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SmartColor: which parts of a document's text get which tag colour, and
// where the caret goes afterwards. The editor only applies the result.

#include <QStringView>
#include <QVector>

namespace smartcolor {

// The order matches Color1..Color5 (AppState::colors, ColorIndex).
enum class Category : quint8 { Tables = 0, Frames, Links, Comments, Other };

// Characters [start, start + length) of the text, as QString indices.
struct Span
{
    qsizetype start = 0;
    qsizetype length = 0;
    Category category = Category::Other;

    qsizetype end() const { return start + length; }
    friend bool operator==(const Span &a, const Span &b)
    {
        return a.start == b.start && a.length == b.length && a.category == b.category;
    }
};

struct ScanResult
{
    // Every span coloured, in the order the colours are applied: the tags
    // first, then the comments (whose colour wins over the tags inside them).
    QVector<Span> spans;
    // The tags the tag pass reached, a "<" that has no ">" after it counted
    // too. Decides the caret after an insertion.
    qsizetype tagCount = 0;
    // Where the caret goes (selection length 0), within [0, text size].
    qsizetype caret = 0;
};

// The category of one tag from its "<" to its ">": the first of Tables,
// Frames, Links whose strings occur anywhere in it (letters in any case),
// else Other.
Category tagCategory(QStringView tag);

// The category that the "<" at byte at of UTF-8 text gives the tag around
// it: the category of a string that starts there, else Other. A tag's
// category is the first of those of all the "<" it holds.
Category categoryAtUtf8(const char *text, qsizetype size, qsizetype at);

// Scans text as SmartColor does. colourLength 0 scans the whole text, and the
// caret stays at selStart. Otherwise only tags and comments that lie wholly
// within [colourStart, colourStart + colourLength) are coloured, the scan stops at
// the first that runs past the end, and the caret follows the rule for
// insertions: one tag counted gives the start of the last selected span
// plus colourLength; none or several give the start of the last selected
// span. With nothing selected the current selection is selStart, the
// document's selection start when the run begins (after an insertion or a
// paste: just after the inserted text).
ScanResult scan(QStringView text, qsizetype colourStart, qsizetype colourLength,
                qsizetype selStart);

// The final colour of every position the spans touch, later spans painting
// over earlier ones: sorted, non-overlapping runs, neighbours of the same
// category joined. Positions in no run keep their colour. Linear for the
// few sorted passes that scan() gives.
QVector<Span> colourRuns(const QVector<Span> &spans);

} // namespace smartcolor
