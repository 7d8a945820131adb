// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Check Links: every page of the site folder read once, and each of its
// links to a local file, frame, image, sound, style sheet or script, and
// to a place in a page, looked up in one index of the site's files. Linear
// in the size of the site.

#include "site/sitelinks.h"

#include <atomic>
#include <functional>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace linkcheck {

enum class Problem {
    MissingFile, // a page or other file that is not there
    MissingFrame,
    MissingImage,
    MissingSound,
    MissingStyleSheet,
    MissingScript,
    MissingAnchor, // "#name" with no A NAME or ID of that name
    LetterCase,    // the file is there under other capitals
    OutsideSite,   // leads out of the site folder
};

struct Row
{
    QString page; // inside the site folder, "/" between folders
    int line = 0;
    QString link; // as written
    Problem problem = Problem::MissingFile;
    QString detail; // the anchor name, or the file's real path

    bool operator==(const Row &o) const
    {
        return page == o.page && line == o.line && link == o.link && problem == o.problem &&
               detail == o.detail;
    }
};

// The problem column: "Missing image", "No anchor named \"top\"" ...
QString problemText(const Row &row);

// What the check knows of a site.
struct Site
{
    QString root;          // the site folder's absolute path
    QSet<QString> files;   // every file, by path inside the site
    QSet<QString> folders; // every folder below the root
    QHash<QString, sitelinks::Page> pages;
    QStringList unreadable; // pages that could not be read
};

// The rows for the site's pages, by page, then in the order of the text.
QList<Row> check(const Site &site);

struct Progress
{
    // Called from the thread that reads, after every page.
    std::function<void(int pagesDone, int pagesTotal)> report;
    const std::atomic<bool> *cancel = nullptr;
};

// Lists every file and folder below root (hidden folders and folders that
// are symbolic links are not entered; the program's temporary copies are
// left out) and scans every page. False when cancelled.
bool readSite(const QString &root, Site *site, const Progress &progress = {});

// The files below root, by path inside it (the listing readSite makes).
void listSite(const QString &root, QSet<QString> *files, QSet<QString> *folders,
              const std::atomic<bool> *cancel = nullptr);

} // namespace linkcheck
