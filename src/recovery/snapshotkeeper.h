// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a recovery copy of every document with unsaved changes: about a
// second after the first change since the last copy, the text is taken
// from the editor and written off the user-interface thread. Saving,
// closing or discarding a document removes its copy.

#include "recovery/snapshotstore.h"

#include <functional>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

class DocumentWindow;
class QTimer;

class SnapshotKeeper : public QObject
{
    Q_OBJECT
public:
    explicit SnapshotKeeper(const QString &folder, QObject *parent = nullptr);
    ~SnapshotKeeper() override;

    QString folder() const { return m_folder; }
    // Copies stop (and no new ones are made) while off.
    void setEnabled(bool on) { m_enabled = on; }

    // Keeps copies of doc from now on.
    void track(DocumentWindow *doc);
    // The copy doc was recovered from becomes its own and is rewritten at
    // once: until then the old copy still holds the text.
    void adopt(DocumentWindow *doc, const QString &id);
    // Another text than a document's, such as the organizer's agenda: take
    // fills in the copy's description and its UTF-8 bytes (false when there
    // is nothing unsaved). The owner calls textChanged() after each change
    // and textSaved() once the text is safe; the copy goes with the owner.
    using Take = std::function<bool(snapshots::Info *, QByteArray *)>;
    void trackText(QObject *owner, Take take);
    void textChanged(QObject *owner) { changed(owner); }
    void textSaved(QObject *owner) { drop(owner); }

    // Writes every pending copy now and waits for the writes.
    void flush();

    // How long after a change its copy is written.
    static constexpr int DelayMs = 1000;

signals:
    // A copy could not be written: the reason, once until one succeeds.
    void writeFailed(const QString &error);

private:
    struct Entry
    {
        QString id;
        QTimer *timer = nullptr;
        bool written = false;
        Take take;
    };
    void add(QObject *owner, Take take);
    void changed(QObject *owner);
    void write(QObject *owner);
    void drop(QObject *owner);

    QString m_folder;
    bool m_enabled = true;
    bool m_folderReady = false;
    int m_serial = 0;
    QHash<QObject *, Entry> m_entries;
    QThreadPool m_pool; // one thread: writes and removals in order
    std::atomic<bool> m_failing{false};
};
