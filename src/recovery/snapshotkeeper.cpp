// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/snapshotkeeper.h"

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"

#include <QCoreApplication>
#include <QTimer>

SnapshotKeeper::SnapshotKeeper(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder)
{
    m_pool.setMaxThreadCount(1);
}

SnapshotKeeper::~SnapshotKeeper()
{
    m_pool.waitForDone();
}

void SnapshotKeeper::add(QObject *owner, Take take)
{
    Entry entry;
    entry.id = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++m_serial);
    entry.timer = new QTimer(owner);
    entry.timer->setSingleShot(true);
    entry.timer->setInterval(DelayMs);
    entry.take = std::move(take);
    connect(entry.timer, &QTimer::timeout, this, [this, owner] { write(owner); });
    m_entries.insert(owner, entry);
    connect(owner, &QObject::destroyed, this, [this, owner] {
        drop(owner);
        m_entries.remove(owner);
    });
}

void SnapshotKeeper::track(DocumentWindow *doc)
{
    add(doc, [doc](snapshots::Info *info, QByteArray *utf8) {
        if (doc->isSaved())
            return false;
        info->original = doc->caption();
        info->untitled = info->original.startsWith(QLatin1String("New"));
        const filestamp::Stamp stamp = doc->diskStamp();
        info->sizeAtOpen = stamp.exists ? stamp.size : -1;
        info->mtimeAtOpenNs = stamp.mtimeNs;
        info->encoding = doc->encoding();
        // Only the copy out of the editor happens here; the encoding and
        // the write are the worker's.
        *utf8 = doc->editor()->documentBytes();
        return true;
    });
    // Not restarted by later changes: steady typing is copied every second.
    connect(doc->editor(), &HtmlEditor::textChanging, this, [this, doc] { changed(doc); });
    connect(doc, &DocumentWindow::stateChanged, this, [this, doc] {
        if (doc->isSaved())
            drop(doc);
    });
    connect(doc, &DocumentWindow::closing, this, [this, doc] {
        drop(doc);
        m_entries.remove(doc);
    });
}

void SnapshotKeeper::trackText(QObject *owner, Take take)
{
    add(owner, std::move(take));
}

void SnapshotKeeper::adopt(DocumentWindow *doc, const QString &id)
{
    auto it = m_entries.find(doc);
    if (it == m_entries.end())
        return;
    drop(doc);
    it->id = id;
    it->written = true;
    write(doc);
}

void SnapshotKeeper::changed(QObject *owner)
{
    auto it = m_entries.find(owner);
    if (it != m_entries.end() && m_enabled && !it->timer->isActive())
        it->timer->start();
}

void SnapshotKeeper::write(QObject *owner)
{
    auto it = m_entries.find(owner);
    if (it == m_entries.end() || !m_enabled)
        return;
    it->timer->stop();
    snapshots::Info info;
    QByteArray utf8;
    if (!it->take(&info, &utf8))
        return;
    info.id = it->id;
    info.pid = QCoreApplication::applicationPid();
    info.time = QDateTime::currentDateTimeUtc();
    it->written = true;
    const QString folder = m_folder;
    const bool prepare = !m_folderReady;
    m_folderReady = true;
    m_pool.start([this, info, utf8, folder, prepare]() mutable {
        QString error;
        QByteArray bytes = utf8;
        if (info.encoding != textfile::Encoding::Utf8) {
            const QString text = QString::fromUtf8(utf8);
            int lost = 0;
            bytes = textfile::encode(text, info.encoding, &lost);
            if (lost > 0) {
                info.encoding = textfile::Encoding::Utf8;
                bytes = utf8;
            }
        }
        const bool ok = (!prepare || snapshots::prepareFolder(folder, &error)) &&
                        snapshots::write(folder, info, bytes, &error);
        if (ok) {
            m_failing = false;
        } else if (!m_failing.exchange(true)) {
            QMetaObject::invokeMethod(this, [this, error] { emit writeFailed(error); });
        }
    });
}

void SnapshotKeeper::drop(QObject *owner)
{
    auto it = m_entries.find(owner);
    if (it == m_entries.end())
        return;
    it->timer->stop();
    if (!it->written)
        return;
    it->written = false;
    const QString folder = m_folder;
    const QString id = it->id;
    m_pool.start([folder, id] { snapshots::remove(folder, id); });
}

void SnapshotKeeper::flush()
{
    const QList<QObject *> owners = m_entries.keys();
    for (QObject *owner : owners) {
        if (m_entries[owner].timer->isActive())
            write(owner);
    }
    m_pool.waitForDone();
}
