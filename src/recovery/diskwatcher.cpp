// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/diskwatcher.h"

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "platform/textfile.h"
#include "recovery/compareview.h"
#include "widgets/messagebar.h"

#include <QTimer>

namespace {

bool named(const DocumentWindow &doc)
{
    return !doc.caption().isEmpty() && !doc.caption().startsWith(QLatin1String("New"));
}

} // namespace

DiskWatcher::DiskWatcher(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DiskWatcher::fileChanged);
}

void DiskWatcher::track(DocumentWindow *doc)
{
    m_docs << doc;
    // A save replaces the file (a new inode): the watch is set again.
    connect(doc, &DocumentWindow::stateChanged, this, &DiskWatcher::rearm);
    connect(doc, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, &DiskWatcher::rearm); });
    rearm();
}

void DiskWatcher::rearm()
{
    m_docs.removeAll(nullptr);
    QStringList wanted;
    for (DocumentWindow *doc : std::as_const(m_docs)) {
        if (named(*doc) && doc->diskStamp().exists)
            wanted << doc->caption();
    }
    const QStringList watched = m_watcher.files();
    for (const QString &path : watched) {
        if (!wanted.contains(path))
            m_watcher.removePath(path);
    }
    for (const QString &path : std::as_const(wanted)) {
        if (!watched.contains(path))
            m_watcher.addPath(path);
    }
}

void DiskWatcher::fileChanged(const QString &path)
{
    // A writer often replaces a file in steps: look once it has settled.
    QTimer::singleShot(150, this, [this, path] {
        for (DocumentWindow *doc : std::as_const(m_docs)) {
            if (doc && doc->caption() == path)
                check(doc);
        }
        rearm();
    });
}

void DiskWatcher::check(DocumentWindow *doc)
{
    if (!named(*doc))
        return;
    const filestamp::Stamp now = filestamp::of(doc->caption());
    const filestamp::Stamp known = doc->diskStamp();
    if (now == known || (!now.exists && !known.exists))
        return;
    if (!now.exists) {
        doc->setDiskStamp(now);
        doc->setSaved(false);
        emit statusMessage(tr("%1 has been deleted or moved away. Its text is still here, not "
                              "saved.")
                               .arg(doc->caption()));
        doc->addMessageBar(tr("The file has been deleted or moved away. The text here is not "
                              "saved."));
        return;
    }
    if (doc->isSaved()) {
        if (reload(doc))
            emit statusMessage(
                tr("%1 was changed by another program and has been reloaded.").arg(doc->caption()));
        return;
    }
    askAbout(doc);
}

bool DiskWatcher::reload(DocumentWindow *doc)
{
    int line = 0;
    int index = 0;
    doc->editor()->getCursorPosition(&line, &index);
    const int first = doc->editor()->firstVisibleLine();
    QString error;
    if (!doc->loadFile(doc->caption(), &error)) {
        emit statusMessage(error);
        return false;
    }
    doc->setSaved(true);
    if (m_afterReload)
        m_afterReload(*doc);
    doc->editor()->setCursorPosition(std::min(line, doc->editor()->lines() - 1), 0);
    doc->editor()->setFirstVisibleLine(first);
    return true;
}

void DiskWatcher::askAbout(DocumentWindow *doc)
{
    if (m_bars.value(doc))
        return; // already asked; the answer is still open
    MessageBar *bar = doc->addMessageBar(
        tr("The file has been changed by another program. Your changes here are not saved."));
    bar->setObjectName(QStringLiteral("ChangedOnDiskBar"));
    QPointer<DocumentWindow> guard(doc);
    bar->addAction(tr("&Reload"), QStringLiteral("Reload"), [this, guard] {
        if (guard)
            reload(guard);
    });
    bar->addAction(tr("&Keep Mine"), QStringLiteral("KeepMine"), [guard] {
        // The user has seen the other version: saving over it asks no more.
        if (guard)
            guard->setDiskStamp(filestamp::of(guard->caption()));
    });
    bar->addAction(tr("Co&mpare"), QStringLiteral("CompareDisk"), [this, guard] {
        if (!guard)
            return;
        // The question stays open until Reload or Keep Mine answers it.
        QTimer::singleShot(0, this, [this, guard] {
            if (guard)
                askAbout(guard);
        });
        const textfile::Loaded disk = textfile::load(guard->caption());
        auto *view = new CompareView(guard->caption(), disk.text, tr("Unsaved text"),
                                     guard->editor()->documentText(), guard);
        view->show();
    });
    m_bars.insert(doc, bar);
}
