// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitepane.h"

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/workbench.h"
#include "kernel/appstate.h"
#include "kernel/builderids.h"
#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "platform/dialogservice.h"
#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/safefile.h"
#include "site/filecommands.h"
#include "site/ftpuploader.h"
#include "site/linkcheckwindow.h"
#include "site/linkrewrite.h"
#include "site/publishsitedialog.h"
#include "site/sitelisting.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QString cleanFolder(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

// A folder that does not answer in time (a hung network mount) counts as
// not ready; the window goes on.
bool readableNow(const QString &folder)
{
    return site::runWithoutBlocking<bool>(nullptr, site::FileSystemWaitMs,
                                          [folder] { return site::isReadableFolder(folder); }, {})
        .value_or(false);
}

} // namespace

SitePane::SitePane(Workbench &workbench, QWidget *parent) : QWidget(parent), m_workbench(workbench)
{
    setObjectName(QStringLiteral("SitePane"));

    m_driveList = new QComboBox(this);
    m_driveList->setObjectName(QStringLiteral("Drive1"));
    m_driveList->setAccessibleName(tr("Drives"));
    // Long mount paths must not widen the dock.
    m_driveList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_driveList->setMinimumContentsLength(8);
    connect(m_driveList, &QComboBox::activated, this, &SitePane::chooseDrive);

    m_folderTree = new site::FolderTree(this);
    m_folderTree->setObjectName(QStringLiteral("Dir1"));
    m_folderTree->setAccessibleName(tr("Folders"));
    connect(m_folderTree, &site::FolderTree::folderPicked, this, &SitePane::setFolder);

    m_fileList = new QListWidget(this);
    m_fileList->setObjectName(QStringLiteral("File2"));
    m_fileList->setAccessibleName(tr("Files"));
    m_fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fileList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_fileList->setUniformItemSizes(true);
    m_fileList->installEventFilter(this);
    connect(m_fileList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { activateFile(item->text()); });
    connect(m_fileList, &QWidget::customContextMenuRequested, this, &SitePane::fileListMenu);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("SiteSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_folderTree);
    splitter->addWidget(m_fileList);

    struct Command
    {
        const char *caption;
        const char *hint;
    };
    static const Command commands[3] = {
        {"Retrieve Files", "Copies files to website directory"},
        {"Thumbnail Viewer", "Browses the images in the Website Directory"},
        {"Publish File", "Transfers Files to an FTP Directory"},
    };
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(QLatin1String(commands[i].caption), this);
        button->setObjectName(QStringLiteral("Command93_%1").arg(i));
        button->setAutoDefault(false);
        button->setProperty("hint", QLatin1String(commands[i].hint));
        button->setAccessibleDescription(QLatin1String(commands[i].hint));
        button->setMouseTracking(true);
        m_commands[i] = button;
    }
    connect(m_commands[0], &QPushButton::clicked, this, &SitePane::retrieveFiles);
    connect(m_commands[1], &QPushButton::clicked, this, &SitePane::showThumbnails);
    connect(m_commands[2], &QPushButton::clicked, this, &SitePane::publishSelected);

    m_uploader = new FtpUploader(this);
    ftp::Options options;
    options.askHostKey = [this](const ftp::HostKeyQuestion &q) { return askHostKey(q); };
    m_uploader->setOptions(options);
    connect(m_uploader, &FtpUploader::finished, this,
            [this] { message(ftp::outcomeMessage(m_uploader->lastResult())); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_driveList);
    layout->addWidget(splitter, 1);
    for (QPushButton *button : m_commands)
        layout->addWidget(button);

    // The root alone until the mounted volumes answer.
    const std::optional<QList<site::Drive>> drives = site::runWithoutBlocking<QList<site::Drive>>(
        this, site::FileSystemWaitMs, &site::mountedDrives,
        [this](const QList<site::Drive> &late) { setDrives(late); });
    setDrives(drives.value_or(site::driveList({})));
    restoreFromState();
}

QString SitePane::selectedFile() const
{
    const QList<QListWidgetItem *> selected = m_fileList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QString SitePane::selectedPath() const
{
    const QString name = selectedFile();
    return name.isEmpty() ? QString() : paths::join(m_folder, name);
}

bool SitePane::checkSelection()
{
    if (!selectedFile().isEmpty())
        return true;
    message(site::text::noFileSelected());
    return false;
}

void SitePane::setDrives(const QList<site::Drive> &drives)
{
    m_drives = drives;
    m_driveList->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const site::Drive &drive : drives) {
        m_driveList->addItem(icon, drive.displayText(), drive.rootPath);
        m_driveList->setItemData(m_driveList->count() - 1, drive.rootPath, Qt::ToolTipRole);
    }
    showDrive();
}

bool SitePane::setFolder(const QString &path)
{
    const QString folder = cleanFolder(path);
    if (!readableNow(folder)) {
        message(site::text::deviceNotReady());
        m_folderTree->showFolder(m_folder);
        return false;
    }
    const bool moved = folder != m_folder;
    m_folder = folder;
    if (moved)
        m_fileList->clear();
    refresh();
    m_folderTree->showFolder(folder);
    showDrive();

    const int drive = site::driveOf(folder, m_drives);
    const QString driveRoot = drive >= 0 ? m_drives.at(drive).rootPath : QDir::rootPath();
    m_lastFolderOnDrive.insert(driveRoot, folder);

    AppState &state = m_workbench.state();
    state.siteDrive = driveRoot;
    state.siteDirectory = folder;
    state.siteFilePath = folder;
    SettingsStore &settings = m_workbench.settings();
    settings::write(settings, settings::SiteDrive, driveRoot);
    settings::write(settings, settings::SiteDirectory, folder);
    settings::write(settings, settings::SiteFilePath, folder);

    if (moved)
        emit folderChanged(folder);
    return true;
}

void SitePane::restoreFromState()
{
    const AppState &state = m_workbench.state();
    // The file list's folder is the web-site folder; the tree's is the fallback.
    for (const QString &stored : {state.siteFilePath, state.siteDirectory}) {
        if (stored.isEmpty())
            continue;
        // A folder that was removed or unmounted since: its nearest parent.
        QString folder = cleanFolder(stored);
        while (!readableNow(folder) && folder != QDir::rootPath())
            folder = QFileInfo(folder).absolutePath();
        if (readableNow(folder) && setFolder(folder))
            return;
    }
    setFolder(QDir::homePath());
}

void SitePane::chooseDrive(int index)
{
    if (index < 0 || index >= m_drives.size())
        return;
    const QString root = m_drives.at(index).rootPath;
    if (!readableNow(root)) {
        message(site::text::deviceNotReady());
        showDrive();
        return;
    }
    QString target = m_lastFolderOnDrive.value(root);
    if (!readableNow(target))
        target = root;
    if (!setFolder(target))
        showDrive();
}

void SitePane::refresh()
{
    // Read on a thread of its own: a folder that does not answer leaves the
    // list empty until it does, and the window keeps working. Copies a
    // killed save left behind go first.
    const QString folder = m_folder;
    const std::optional<QStringList> names = site::runWithoutBlocking<QStringList>(
        this, site::FileSystemWaitMs,
        [folder] {
            safefile::removeStaleTemporaries(folder);
            return site::listFiles(folder);
        },
        [this, folder](const QStringList &late) {
            if (folder == m_folder)
                showFiles(late);
        });
    showFiles(names.value_or(QStringList()));
}

void SitePane::showFiles(const QStringList &names)
{
    const QString keep = selectedFile();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    m_fileList->clear();
    for (const QString &name : names)
        new QListWidgetItem(icon, name, m_fileList);
    if (!keep.isEmpty())
        selectFile(keep);
}

void SitePane::activateFile(const QString &name)
{
    const site::FileAction action = site::actionForFile(
        name, m_workbench.documentCount(), m_workbench.state().imageTypes, AppState::soundTypes());
    switch (action) {
    case site::FileAction::Nothing:
        return;
    case site::FileAction::RefuseCaching:
        message(site::text::cachingFile());
        return;
    case site::FileAction::OpenDocument:
        m_workbench.openFile(paths::join(m_folder, name));
        return;
    case site::FileAction::Graphics:
    case site::FileAction::BackgroundSounds: {
        // The builder shows the bare name in its source box.
        m_workbench.openBuilderFor(site::roleFor(action), name);
        return;
    }
    }
}

void SitePane::activateSelected()
{
    const QString name = selectedFile();
    if (!name.isEmpty())
        activateFile(name);
}

void SitePane::linkSelected()
{
    if (checkSelection())
        m_workbench.openBuilder(QLatin1String(builderid::Anchor), selectedFile());
}

void SitePane::renameSelected()
{
    if (!checkSelection())
        return;
    const QString name = selectedFile();
    const std::optional<QString> answer = m_workbench.dialogs().input(
        m_workbench.mainWidget(), site::text::renamePrompt(), site::text::renameTitle(), name);
    const site::RenameResult result = site::checkRename(m_folder, name, answer, false);
    if (result == site::RenameResult::Renamed) {
        if (moveWithLinks(name, *answer))
            selectFile(*answer);
        return;
    }
    const QString failure = site::renameMessage(result);
    if (!failure.isEmpty())
        message(failure);
}

void SitePane::moveSelected()
{
    if (!checkSelection())
        return;
    const QString name = selectedFile();
    const QString chosen =
        m_workbench.dialogs().folderName(m_workbench.mainWidget(), tr("Move File"), m_folder);
    if (chosen.isEmpty())
        return;
    const QString relative = QDir(m_folder).relativeFilePath(cleanFolder(chosen));
    if (relative == QLatin1String(".") || relative.isEmpty())
        return;
    if (relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative)) {
        message(tr("Choose a folder inside the web-site folder %1.").arg(m_folder));
        return;
    }
    const QString target = relative + u'/' + name;
    if (QFileInfo::exists(paths::join(m_folder, target)) ||
        QFileInfo(paths::join(m_folder, target)).isSymLink()) {
        message(site::renameMessage(site::RenameResult::NameInUse));
        return;
    }
    moveWithLinks(name, target);
}

bool SitePane::moveWithLinks(const QString &from, const QString &to)
{
    const linkrewrite::Move move{from, to};
    const auto openText = [this](const QString &path, QString *text, textfile::Encoding *encoding) {
        const DocumentWindow *doc = filecommands::documentFor(m_workbench, path);
        if (!doc)
            return false;
        *text = doc->editor()->documentText();
        *encoding = doc->encoding();
        return true;
    };
    const linkrewrite::Plan plan = linkrewrite::plan(m_folder, move, openText);
    bool update = false;
    if (!plan.changes.isEmpty()) {
        const int answer = m_workbench.dialogs().choose(
            m_workbench.mainWidget(), linkrewrite::describe(plan, 30), tr("Update Links"),
            {tr("&Update Links"), tr("&Leave Links"), tr("Cancel")});
        if (answer != 0 && answer != 1)
            return false;
        update = answer == 0;
    }

    const QString oldPath = paths::join(m_folder, from);
    const QString newPath = paths::join(m_folder, to);
    const site::RenameResult result = site::movePath(oldPath, newPath);
    if (result != site::RenameResult::Renamed) {
        message(site::renameMessage(result));
        return false;
    }
    // Open documents of what moved now belong to its new place.
    for (DocumentWindow *doc : m_workbench.documentWindows()) {
        const QString caption = QDir::cleanPath(doc->caption());
        if (caption == oldPath || caption.startsWith(oldPath + u'/'))
            doc->setCaption(newPath + caption.mid(oldPath.size()));
    }

    QStringList failed;
    if (update) {
        for (const linkrewrite::WriteResult &written : linkrewrite::write(m_folder, plan.changes)) {
            if (!written.ok)
                failed << written.page + QLatin1String(": ") + written.error;
        }
        for (const linkrewrite::PageChange &change : plan.changes) {
            if (!change.open)
                continue;
            DocumentWindow *doc =
                filecommands::documentFor(m_workbench, paths::join(m_folder, change.movedTo));
            if (!doc || doc->editor()->documentText() != change.text) {
                failed << change.movedTo + QLatin1String(": ") +
                              tr("The document changed after the list of changes was made.");
                continue;
            }
            QList<HtmlEditor::Replacement> replacements;
            for (const linkrewrite::Edit &edit : change.edits)
                replacements.append({edit.start, edit.length, edit.replacement});
            doc->editor()->replaceRanges(replacements);
        }
    }
    refresh();
    if (!failed.isEmpty())
        message(tr("The links of these pages were not updated:") + u'\n' + failed.join(u'\n'));
    return true;
}

LinkCheckWindow *SitePane::checkLinks()
{
    auto *window = new LinkCheckWindow(m_workbench, m_folder, m_workbench.mainWidget());
    window->show();
    return window;
}

void SitePane::deleteSelected()
{
    if (!checkSelection())
        return;
    const QString name = selectedFile();
    const DialogService::Answer answer =
        m_workbench.dialogs().message(m_workbench.mainWidget(), site::text::deleteQuestion(),
                                      site::text::deleteTitle(), DialogService::Buttons::YesNo);
    if (answer != DialogService::Answer::Yes)
        return;
    if (!site::deleteFile(m_folder, name)) {
        message(site::text::cannotDelete());
        return;
    }
    refresh();
}

void SitePane::findFiles()
{
    const QString program = launcher::findTool(launcher::Tool::FindFiles);
    if (program.isEmpty() || !launcher::start(program, site::findFilesArguments(program, m_folder)))
        message(site::text::noFindTool());
}

void SitePane::retrieveFiles()
{
    m_workbench.openBuilder(QLatin1String(builderid::FileRetriever));
}

void SitePane::showThumbnails()
{
    m_workbench.openBuilder(QLatin1String(builderid::ThumbnailBrowser));
}

bool SitePane::accountDefined()
{
    AppState &state = m_workbench.state();
    if (state.ftpUrl.isEmpty() || state.ftpUserName.isEmpty() ||
        state.currentFtpPassword(m_workbench.settings()).isEmpty()) {
        message(ftp::text::notDefined());
        return false;
    }
    return true;
}

ftp::HostKeyAnswer SitePane::askHostKey(const ftp::HostKeyQuestion &question)
{
    const QString known =
        question.host + u' ' + QString::number(question.port) + u' ' + question.fingerprint;
    if (m_hostKeysAcceptedOnce.contains(known))
        return ftp::HostKeyAnswer::AcceptOnce;
    const QString text =
        tr("The server %1 (port %2) is not known yet. Its %3 host key has the fingerprint\n\n"
           "%4\n\nAccept it only if it is the one the server's owner gives.")
            .arg(question.host)
            .arg(question.port)
            .arg(question.keyType, question.fingerprint);
    const int answer = m_workbench.dialogs().choose(
        m_workbench.mainWidget(), text, tr("Unknown server"),
        {tr("Accept &once"), tr("Accept and &remember"), tr("Cancel")});
    if (answer == 0) {
        m_hostKeysAcceptedOnce.insert(known);
        return ftp::HostKeyAnswer::AcceptOnce;
    }
    return answer == 1 ? ftp::HostKeyAnswer::AcceptAndRemember : ftp::HostKeyAnswer::Cancel;
}

void SitePane::publishSelected()
{
    if (!accountDefined())
        return;
    if (!checkSelection())
        return;
    const AppState &state = m_workbench.state();
    m_uploader->setAccount(state.ftpUrl, state.ftpUserName, state.ftpPassword);
    m_uploader->reset();
    QPushButton *button = m_commands[2];
    button->setEnabled(false);
    if (m_uploader->isBusy())
        message(ftp::text::busy());
    else if (!m_uploader->send(selectedPath(), selectedFile()))
        message(ftp::outcomeMessage(m_uploader->lastResult()));
    button->setEnabled(true);
}

PublishSiteDialog *SitePane::publishSite()
{
    if (!accountDefined())
        return nullptr;
    const AppState &state = m_workbench.state();
    SitePublisher::Target target;
    target.folder = m_folder;
    target.address = state.ftpUrl;
    target.userName = state.ftpUserName;
    target.password = state.ftpPassword;
    target.options.askHostKey = [this](const ftp::HostKeyQuestion &q) { return askHostKey(q); };
    auto *dialog = new PublishSiteDialog(target, m_workbench.dialogs(), m_workbench.mainWidget());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->show();
    return dialog;
}

bool SitePane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fileList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            activateSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SitePane::message(const QString &text)
{
    m_workbench.dialogs().message(m_workbench.mainWidget(), text);
}

void SitePane::showDrive()
{
    m_driveList->setCurrentIndex(site::driveOf(m_folder, m_drives));
}

void SitePane::fileListMenu(const QPoint &pos)
{
    if (QListWidgetItem *item = m_fileList->itemAt(pos))
        m_fileList->setCurrentItem(item);
    const QPoint global = m_fileList->viewport()->mapToGlobal(pos);
    emit contextMenuRequested(global);
    if (m_contextMenu)
        m_contextMenu->popup(global);
}

void SitePane::selectFile(const QString &name)
{
    const QList<QListWidgetItem *> found =
        m_fileList->findItems(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (found.isEmpty())
        return;
    m_fileList->setCurrentItem(found.first());
    m_fileList->scrollToItem(found.first());
}
