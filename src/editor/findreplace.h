// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Searching and replacing in a document's text, as the Find window does it.

#include <QList>
#include <QString>
#include <QStringView>

namespace findreplace {

// The first match of needle at or after start (a negative start counts as
// 0), or -1. Letters match in any case unless matchCase; never whole-word
// only. A match is always needle.size() characters long. An empty needle
// finds nothing.
qsizetype find(QStringView text, QStringView needle, qsizetype start, bool matchCase);

// The Find window's search position: the last match found by Find Next, or
// -1, so that the next Find Next starts at the top.
class FindState
{
public:
    enum class Outcome {
        NothingToFind, // empty find text: nothing happens, no message
        Found,         // select [position, position + needle size)
        NotFound,      // show "Text Not Found"; the next search starts at the top
    };
    struct Result
    {
        Outcome outcome = Outcome::NothingToFind;
        qsizetype position = -1;
    };

    // Searches from the position after the last match and remembers the
    // result. When "Replace With:" is ticked the caller replaces the match;
    // the next search still starts one past the match's start.
    Result findNext(QStringView text, QStringView needle, bool matchCase);

    // The same step for a search done elsewhere (in the editor, without a
    // copy of its text): where the next search starts, and its result.
    qsizetype nextStart() const { return m_position + 1; }
    Result found(qsizetype position);

    // A change of the find text, a click on "Match Case", a fresh window.
    void reset() { m_position = -1; }
    qsizetype position() const { return m_position; }

private:
    qsizetype m_position = -1;
};

struct ReplaceAllResult
{
    QString text;        // the whole new text
    qsizetype count = 0; // replacements made
    // Where each replaced match began in the original text, in order, so an
    // editor can carry its colours over to the new text.
    QList<qsizetype> positions;
};

// Replaces every match, left to right, each search starting just after the
// replacement before it: every occurrence in the original text that does not
// overlap an earlier match is replaced once, and a replacement that contains
// the needle is never searched again. An empty needle changes nothing (and
// the window shows no message).
ReplaceAllResult replaceAll(const QString &text, QStringView needle, QStringView replacement,
                            bool matchCase);

} // namespace findreplace
