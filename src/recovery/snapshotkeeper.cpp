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

QString SnapshotKeeper::idOf(DocumentWindow *doc) const
{
    return m_entries.value(doc).id;
}

void SnapshotKeeper::track(DocumentWindow *doc)
{
    Entry entry;
    entry.id = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++m_serial);
    entry.timer = new QTimer(doc);
    entry.timer->setSingleShot(true);
    entry.timer->setInterval(DelayMs);
    connect(entry.timer, &QTimer::timeout, this, [this, doc] { write(doc); });
    m_entries.insert(doc, entry);
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
    connect(doc, &QObject::destroyed, this, [this, doc] { m_entries.remove(doc); });
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

void SnapshotKeeper::changed(DocumentWindow *doc)
{
    auto it = m_entries.find(doc);
    if (it != m_entries.end() && m_enabled && !it->timer->isActive())
        it->timer->start();
}

void SnapshotKeeper::write(DocumentWindow *doc)
{
    auto it = m_entries.find(doc);
    if (it == m_entries.end() || !m_enabled || doc->isSaved())
        return;
    it->timer->stop();
    snapshots::Info info;
    info.id = it->id;
    info.original = doc->caption();
    info.untitled = info.original.startsWith(QLatin1String("New"));
    const filestamp::Stamp stamp = doc->diskStamp();
    info.sizeAtOpen = stamp.exists ? stamp.size : -1;
    info.mtimeAtOpenNs = stamp.mtimeNs;
    info.pid = QCoreApplication::applicationPid();
    info.time = QDateTime::currentDateTimeUtc();
    info.encoding = doc->encoding();
    it->written = true;
    // Only the copy out of the editor happens here; the encoding and the
    // write are the worker's.
    const QByteArray utf8 = doc->editor()->documentUtf8();
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

void SnapshotKeeper::drop(DocumentWindow *doc)
{
    auto it = m_entries.find(doc);
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
    const QList<DocumentWindow *> docs = m_entries.keys();
    for (DocumentWindow *doc : docs) {
        if (m_entries[doc].timer->isActive())
            write(doc);
    }
    m_pool.waitForDone();
}
