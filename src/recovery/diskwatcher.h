// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches the files of open documents. A file changed by another program
// is reloaded into a document without unsaved changes (the caret stays on
// its line); a document with changes gets a bar offering Reload, Keep Mine
// and Compare. A file deleted or moved away leaves its document unsaved,
// and says so. The program's own saves leave the document's stamp equal to
// the file's and are passed over.

#include <functional>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>

class DocumentWindow;
class MessageBar;

class DiskWatcher : public QObject
{
    Q_OBJECT
public:
    explicit DiskWatcher(QObject *parent = nullptr);

    void track(DocumentWindow *doc);
    // Run after a document was reloaded (to colour it again).
    void setAfterReload(std::function<void(DocumentWindow &)> fn) { m_afterReload = std::move(fn); }

    // Looks at doc's file now, as a change notice does.
    void check(DocumentWindow *doc);
    // Reloads doc from its file keeping the caret's line; false (and the
    // text unchanged) when it cannot be read.
    bool reload(DocumentWindow *doc);
    QStringList watchedFiles() const { return m_watcher.files(); }

signals:
    void statusMessage(const QString &text);

private:
    void rearm();
    void fileChanged(const QString &path);
    void askAbout(DocumentWindow *doc);

    QFileSystemWatcher m_watcher;
    QList<QPointer<DocumentWindow>> m_docs;
    QHash<DocumentWindow *, QPointer<MessageBar>> m_bars;
    std::function<void(DocumentWindow &)> m_afterReload;
};
