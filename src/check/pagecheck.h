// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking a page's HTML with tidy-html5: the errors and warnings with
// their places. A page is checked as what it declares: with the HTML 5
// doctype as HTML 5; with an older doctype, or none, as the HTML 3.2 and 4
// the builders write, where FONT, CENTER and their attributes are fine.

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <utility>

namespace pagecheck {

enum class Severity { Error, Warning };

struct Finding
{
    int line = 0;   // from 1; 0 for the page as a whole
    int column = 0; // from 1, in characters (a tab is one)
    Severity severity = Severity::Warning;
    QString message;

    friend bool operator==(const Finding &a, const Finding &b)
    {
        return a.line == b.line && a.column == b.column && a.severity == b.severity &&
               a.message == b.message;
    }
};

enum class Doctype { None, Html5, Legacy };

// The doctype the page declares before its first element (after a byte
// order mark, white space, comments and processing instructions).
Doctype declaredDoctype(QByteArrayView utf8);

// Checks the page (UTF-8) and gives its findings by line and column. A
// pure function of the text: it may run in any thread.
QList<Finding> check(QByteArrayView utf8);

// Where the findings (sorted by line, as check gives them) on the lines
// first..last are: [begin, end) of the list.
std::pair<qsizetype, qsizetype> onLines(const QList<Finding> &findings, int first, int last);

// An edit changed the lines first..last (as numbered before it, from 1)
// and moved the lines after them by delta: the findings on the changed
// lines go, the later ones move with their lines.
void afterEdit(QList<Finding> &findings, int first, int last, int delta);

} // namespace pagecheck
