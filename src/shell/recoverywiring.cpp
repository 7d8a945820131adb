// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of never losing typing: recovery copies and the
// window offering them after a crash, files changed by other programs,
// File > Recent Files and the last session.

#include "editor/htmleditor.h"
#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "organizer/agendastore.h"
#include "organizer/organizerwindow.h"
#include "platform/dialogservice.h"
#include "recovery/diskwatcher.h"
#include "recovery/recentfiles.h"
#include "recovery/recoverywindow.h"
#include "recovery/snapshotkeeper.h"
#include "shell/documentarea.h"
#include "shell/mainwindow.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QStatusBar>

void MainWindow::buildRecovery()
{
    m_keeper = new SnapshotKeeper(snapshots::defaultFolder(), this);
    connect(m_keeper, &SnapshotKeeper::writeFailed, this, [this](const QString &error) {
        statusBar()->showMessage(tr("Unsaved text cannot be kept for recovery: %1").arg(error),
                                 20000);
    });
    m_watcher = new DiskWatcher(this);
    m_watcher->setAfterReload([this](DocumentWindow &doc) {
        if (&doc == activeDocument())
            smartcolor();
    });
    connect(m_watcher, &DiskWatcher::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text, 20000); });

    // File > Recent Files, after Open.
    m_recent = recentfiles::read(m_settings);
    auto *file = findChild<QMenu *>(QStringLiteral("mnuFile"));
    QAction *open = action(QStringLiteral("mnuOpenItem"));
    const QList<QAction *> items = file->actions();
    const qsizetype at = items.indexOf(open);
    m_recentMenu = new QMenu(tr("&Recent Files"), this);
    m_recentMenu->setObjectName(QStringLiteral("mnuRecentFiles"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("mnuRecentFiles"));
    file->insertMenu(items.value(at + 1), m_recentMenu);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    fillRecentMenu();
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    for (int i = 0; i < m_recent.size(); ++i) {
        const QString path = m_recent[i];
        QAction *a = m_recentMenu->addAction(recentfiles::menuCaption(i, path));
        a->setObjectName(QStringLiteral("mnuRecent%1").arg(i));
        connect(a, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (!m_recent.isEmpty())
        m_recentMenu->addSeparator();
    QAction *clear = m_recentMenu->addAction(tr("Clear List"));
    clear->setObjectName(QStringLiteral("mnuRecentClear"));
    clear->setEnabled(!m_recent.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        m_recent.clear();
        recentfiles::write(m_settings, m_recent);
        fillRecentMenu();
    });
}

void MainWindow::addRecent(const QString &path)
{
    const QStringList list = recentfiles::added(m_recent, path);
    if (list == m_recent)
        return;
    m_recent = list;
    recentfiles::write(m_settings, m_recent);
    fillRecentMenu();
}

void MainWindow::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_recent.removeAll(path);
        recentfiles::write(m_settings, m_recent);
        fillRecentMenu();
        m_dialogs.message(
            this, tr("%1 no longer exists. It has been taken off the list.").arg(path),
            tr("Recent Files"), DialogService::Buttons::Ok, DialogService::Icon::Warning);
        return;
    }
    openFile(path);
}

void MainWindow::offerRecovery()
{
    const QList<snapshots::Info> copies = snapshots::orphans(m_keeper->folder());
    if (copies.isEmpty())
        return;
    auto *window = new RecoveryWindow(
        m_keeper->folder(), copies,
        [this](const snapshots::Info &info, const QString &text) { recoverDocument(info, text); },
        this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (window->count() == 0) {
        delete window;
        return;
    }
    window->show();
}

void MainWindow::coverAgenda(OrganizerWindow *organizer)
{
    if (organizer->property("covered").toBool())
        return;
    organizer->setProperty("covered", true);
    m_keeper->trackText(organizer, [organizer](snapshots::Info *info, QByteArray *utf8) {
        const QList<organizer::AgendaRow> rows = organizer->unsavedAgenda();
        if (rows.isEmpty())
            return false;
        info->kind = snapshots::Kind::Agenda;
        info->original = tr("Organizer agenda");
        info->untitled = true;
        QJsonObject days;
        for (const organizer::AgendaRow &row : rows)
            days.insert(row.date, row.agenda);
        *utf8 = QJsonDocument(days).toJson();
        return true;
    });
    connect(organizer, &OrganizerWindow::agendaTyped, this,
            [this, organizer] { m_keeper->textChanged(organizer); });
    connect(organizer, &OrganizerWindow::saved, this,
            [this, organizer] { m_keeper->textSaved(organizer); });
}

// The recovered days go back into the stored agenda, replacing what the
// store holds for them.
void MainWindow::recoverAgenda(const QString &text)
{
    const QJsonObject days = QJsonDocument::fromJson(text.toUtf8()).object();
    organizer::OrganizerData data = organizer::load(m_settings);
    for (auto it = days.begin(); it != days.end(); ++it)
        data.agenda.setAgenda(data.agenda.findOrAppend(it.key()), it.value().toString());
    QString error;
    if (!organizer::save(m_settings, data, &error)) {
        m_dialogs.message(this, tr("The agenda could not be recovered:\n%1").arg(error),
                          tr("Recover"), DialogService::Buttons::Ok, DialogService::Icon::Warning);
        return;
    }
    statusBar()->showMessage(tr("The organizer's agenda has been recovered."), 20000);
}

DocumentWindow *MainWindow::recoverDocument(const snapshots::Info &info, const QString &text)
{
    if (info.kind == snapshots::Kind::Agenda) {
        recoverAgenda(text);
        snapshots::remove(m_keeper->folder(), info.id);
        return nullptr;
    }
    // The untouched start-up document takes the first recovered text.
    DocumentWindow *doc = activeDocument();
    const bool reuse = doc && documentCount() == 1 && doc->isSaved() &&
                       doc->editor()->characterLength() == 0 &&
                       doc->caption().startsWith(QLatin1String("New"));
    if (!reuse)
        doc = newDocument();
    if (info.untitled) {
        if (!reuse)
            doc->setCaption(QStringLiteral("New %1").arg(++m_state.newDocumentNumber));
    } else {
        // The file as it is now gives the encoding and what the disk holds;
        // a file that is gone leaves the recovered text alone.
        QString error;
        if (!doc->loadFile(info.original, &error))
            doc->setDiskStamp({});
        doc->setCaption(info.original);
    }
    doc->setEncoding(info.encoding);
    doc->editor()->setDocumentText(text);
    doc->editor()->setCrLf(textfile::detectLineEnds(text) == textfile::LineEnds::CrLf);
    doc->setSaved(false);
    m_keeper->adopt(doc, info.id);
    m_documentArea->activate(doc);
    smartcolor();
    return doc;
}

void MainWindow::storeSession()
{
    session::Session s;
    const QList<DocumentWindow *> docs = documents();
    for (DocumentWindow *doc : docs) {
        if (doc->caption().startsWith(QLatin1String("New")) || !QFileInfo::exists(doc->caption()))
            continue;
        session::Document d;
        d.path = doc->caption();
        doc->editor()->getCursorPosition(&d.line, &d.column);
        d.firstLine = doc->editor()->firstVisibleLine();
        if (doc == activeDocument())
            s.active = int(s.documents.size());
        s.documents << d;
    }
    session::write(m_settings, s);
}

bool MainWindow::restoreSession()
{
    const session::Session s = session::read(m_settings);
    DocumentWindow *active = nullptr;
    for (int i = 0; i < s.documents.size(); ++i) {
        const session::Document &d = s.documents[i];
        // A file gone since is passed over quietly.
        if (!QFileInfo::exists(d.path) || !openFile(d.path))
            continue;
        DocumentWindow *doc = activeDocument();
        doc->editor()->setCursorPosition(d.line, d.column);
        doc->editor()->setFirstVisibleLine(d.firstLine);
        if (i == s.active || !active)
            active = doc;
    }
    if (!active)
        return false;
    m_documentArea->activate(active);
    return true;
}
