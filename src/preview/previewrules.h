// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a previewed page may reach. A page is served under its own address
// in a scheme of the program's, rooted at its folder (or at the web-site
// folder when it lies inside it): it loads its own images, style sheets,
// scripts and frames from there, and nothing else. No file outside the
// root, nothing in a hidden folder and nothing in the program's own
// folders is served, and no request leaves for another origin.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace previewrules {

// The scheme previewed pages are served under.
QString scheme();

struct Root
{
    QString folder; // what the page may load from
    QString page;   // the page's own path inside it, "/"-separated
};

// documentFile: the document's absolute path, empty for a new document;
// siteFolder: the web-site folder. Paths as resolved on disk.
Root rootFor(const QString &documentFile, const QString &siteFolder);

// The path a request asks for inside the root ("img/a.gif" for
// "/img/a.gif"), or empty when it names the root itself, a hidden file or
// folder, or a parent folder.
QString requestedPath(const QString &urlPath);

// Whether `file` may be served: it lies inside `root`, no folder on its
// way (nor the file) is hidden, and it is not inside a protected folder.
// All paths as resolved on disk (symbolic links followed).
bool mayServe(const QString &root, const QString &file, const QStringList &protectedFolders);

// The path as it is on disk, links followed, where it exists.
QString resolvedPath(const QString &path);

// The folders never served whatever the root: the settings and the
// program's state.
QStringList protectedFolders();

// Whether the engine may fetch `url` for a previewed page: only the
// preview's own scheme and the schemes that never leave the engine.
bool mayFetch(const QUrl &url);

// Whether the page served under `host` may go to `url`: the top frame
// only within its own address, a frame also to inline content.
bool mayNavigate(const QUrl &url, const QString &host, bool topFrame);

// The policy the served copy carries: scripts, workers and connections
// only from the page's own address.
QString contentPolicyHead();

// How to start the browser engine. Chromium's sandbox is not available to
// root (nor when it was switched off): the engine then needs --no-sandbox
// to start at all, and page scripts stay off.
struct EngineStart
{
    QByteArray chromiumFlags; // for QTWEBENGINE_CHROMIUM_FLAGS
    bool scripts = true;      // page scripts may run
};
EngineStart engineStart(bool runningAsRoot, const QByteArray &chromiumFlags,
                        bool sandboxSwitchedOff);

} // namespace previewrules
