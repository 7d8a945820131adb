// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The links of a site's pages: what a page links to (found in one pass over
// its text), what a link means (a local file, a place in a page, another
// site), where a local link leads inside the site folder, and how to write
// a link from one place in the site to another.
//
// Paths inside the site are relative to the site folder, with "/" between
// folders and no leading "/": "index.htm", "img/logo.gif"; "" is the site
// folder itself.

#include "platform/textfile.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

namespace sitelinks {

// What a link brings in, which decides how a missing target is named.
enum class Kind { Page, Frame, Image, Sound, StyleSheet, Script, Object };

struct Link
{
    Kind kind = Kind::Page;
    qsizetype start = 0;  // the value as written, in the page's text
    qsizetype length = 0; //
    int line = 1;         // counting from 1
    QString written;      // the value as written
    QString value;        // with its character references decoded
};

struct Page
{
    QList<Link> links;     // in the order of the text
    QSet<QString> anchors; // A NAME and every ID, decoded
    bool hasBase = false;  // a BASE HREF
    QString base;          // its value, decoded
};

// Every link of the page: A and AREA HREF; LINK HREF (a style sheet, an
// icon or a page by its REL); FRAME and IFRAME SRC; IMG SRC and LOWSRC,
// INPUT SRC, BACKGROUND of BODY and the table elements; sounds and videos
// (BGSOUND, EMBED, AUDIO, VIDEO, SOURCE SRC and IMG DYNSRC); SCRIPT SRC;
// OBJECT DATA. Linear in the text.
Page scanPage(QStringView html);

struct Reference
{
    enum class Type {
        None,     // empty, or the page itself with a query
        Fragment, // "#name" in the page itself
        Local,    // a file or folder
        External, // another scheme or another host
    };
    Type type = Type::None;
    QString path; // percent-decoded; for a file URL the absolute path
    QString fragment;
    bool hasFragment = false;
    bool rootRelative = false; // "/img/a.gif": from the site folder
    bool fileUrl = false;      // "file:///home/..."
    bool folder = false;       // ends in "/"
};

// Reads a link's decoded value: surrounding white space is ignored, the
// query is dropped, path and fragment are percent-decoded.
Reference parse(QStringView value);

struct Target
{
    bool outside = false; // leads out of the site folder
    QString path;         // inside the site, "/" between folders, none at the ends
};

// Where a local reference leads from a page in pageFolder (inside the site);
// siteRoot is the site folder's absolute path, for file URLs.
Target resolve(const Reference &reference, const QString &pageFolder, const QString &siteRoot);

// The folder of a path inside the site ("" for the site folder's files).
QString folderOf(const QString &path);

// The relative link from a page in fromFolder to the path `to`, both inside
// the site: "b.htm", "../img/a.gif", "sub/"; "./" for fromFolder itself.
QString relativePath(const QString &fromFolder, const QString &to);

// A path as it is written in a link of a page in `encoding`: characters a
// URL cannot hold as they are (space, quotes, "#", "%", "?", "<", ">",
// controls) and those the page's encoding cannot hold are percent-encoded
// from UTF-8, and "&" is written "&amp;".
QString writtenPath(const QString &path, textfile::Encoding encoding);

// Whether a file name is a page whose links count: .htm, .html, .shtml,
// .xhtml in any letter case.
bool isPageName(const QString &name);

} // namespace sitelinks
