// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping a site's links whole when one of its files or folders is renamed
// or moved: every page's links that led to what moves (or, for pages that
// move themselves, every relative link) are written anew so they lead where
// they led before. Only the path of each such link changes; its query and
// fragment, its quotes and every other byte of the page stay as they are.

#include "platform/textfile.h"

#include <functional>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace linkrewrite {

// A file or folder of the site going from one path inside it to another.
struct Move
{
    QString from;
    QString to;
};

// Where a path inside the site is after the move.
QString movedPath(const QString &path, const Move &move);

struct Edit
{
    qsizetype start = 0; // in the page's text
    qsizetype length = 0;
    QString replacement;
    int line = 0;
    QString before; // the whole link as written, before and after
    QString after;
};

// The edits for the page that is at pagePath before the move. Links to
// other sites, out of the site folder, and those that lead to the same
// place from where the page is after the move are left alone. A page with
// a BASE HREF gets none: its links lead from the address it names.
QList<Edit> editsFor(QStringView text, const QString &pagePath, const Move &move,
                     const QString &siteRoot, textfile::Encoding encoding);

// The text with the edits made (in increasing order, not overlapping).
QString applied(QStringView text, const QList<Edit> &edits);

struct PageChange
{
    QString page;    // where it is before the move
    QString movedTo; // where it is after
    QList<Edit> edits;
    QString text; // the text the edits were planned on
    textfile::Encoding encoding = textfile::Encoding::Utf8;
    bool open = false; // the text came from an open document
};

struct Plan
{
    QList<PageChange> changes; // by page
    QStringList unreadable;    // pages that could not be read
    QStringList withBase;      // pages with a BASE HREF, left alone
};

// The list of changes for the user, at most maxLines of them: each page,
// then each link before and after.
QString describe(const Plan &plan, int maxLines);

// The text and encoding of an open document for a page (by its absolute
// path); false when the page is not open.
using OpenDocument =
    std::function<bool(const QString &path, QString *text, textfile::Encoding *encoding)>;

// Reads every page below root (an open document's text instead of its
// file) and plans the edits the move needs.
Plan plan(const QString &root, const Move &move, const OpenDocument &openDocument = {});

struct WriteResult
{
    QString page; // after the move
    bool ok = false;
    QString error;
};

// Writes the changes of the pages that are not open, after the move (each
// at its movedTo), in one batch of safe writes. A page is read again first
// and left alone when it no longer holds the planned text or would not come
// back byte for byte in its encoding.
QList<WriteResult> write(const QString &root, const QList<PageChange> &changes);

} // namespace linkrewrite
