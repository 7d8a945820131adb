// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/fileretriever.h"

#include "platform/dialogservice.h"
#include "platform/paths.h"
#include "site/folderbrowser.h"
#include "site/sitetools.h"
#include "widgets/formkit.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

FileRetriever::FileRetriever(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form34"));
    setWindowTitle(tr("File Retriever"));
    m_siteFolder = host.siteFolder().isEmpty() ? QDir::homePath() : host.siteFolder();

    auto *searchBox = new QGroupBox(tr("Search"), this);
    m_source =
        new FolderBrowser(host.dialogs(), QAbstractItemView::SingleSelection, QString(), searchBox);
    m_source->driveList()->setObjectName(QStringLiteral("Drive1"));
    m_source->folderTree()->setObjectName(QStringLiteral("Dir1"));
    m_source->fileList()->setObjectName(QStringLiteral("File1"));
    formkit::setCaption(m_source->driveList(), tr("Drive"));
    formkit::setCaption(m_source->folderTree(), tr("Folders"));
    formkit::setCaption(m_source->fileList(), tr("Files"));
    auto *searchLayout = new QVBoxLayout(searchBox);
    searchLayout->addWidget(m_source->driveList());
    searchLayout->addWidget(m_source->folderTree(), 3);
    searchLayout->addWidget(m_source->fileList(), 2);

    auto *siteBox = new QGroupBox(tr("Website Directory"), this);
    m_destination = new QListWidget(siteBox);
    m_destination->setObjectName(QStringLiteral("File2"));
    m_destination->setUniformItemSizes(true);
    m_destination->setSelectionMode(QAbstractItemView::SingleSelection);
    formkit::setCaption(m_destination, tr("Website Directory"));
    m_destination->setToolTip(m_siteFolder);
    auto *siteLayout = new QVBoxLayout(siteBox);
    siteLayout->addWidget(m_destination);

    m_copy = formkit::button("Command1", QStringLiteral("=>"));
    m_copy->setAccessibleDescription(tr("Copies the selected file into the website directory"));
    m_copy->setToolTip(m_copy->accessibleDescription());
    m_exit = formkit::button("Command2", tr("&Exit"));

    m_copiedPath = new QLabel(this);
    m_copiedPath->setObjectName(QStringLiteral("Label7"));
    m_copiedPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_copiedPath->setMinimumWidth(200);

    auto *grid = new QGridLayout(this);
    grid->addWidget(searchBox, 0, 0);
    grid->addWidget(m_copy, 0, 1, Qt::AlignVCenter);
    grid->addWidget(siteBox, 0, 2);
    grid->addWidget(m_copiedPath, 1, 0, 1, 2);
    grid->addWidget(m_exit, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(0, 1);
    resize(640, 460);

    setTabOrder(m_source->driveList(), m_source->folderTree());
    setTabOrder(m_source->folderTree(), m_source->fileList());
    setTabOrder(m_source->fileList(), m_copy);
    setTabOrder(m_copy, m_destination);
    setTabOrder(m_destination, m_exit);

    connect(m_copy, &QPushButton::clicked, this, &FileRetriever::copySelected);
    connect(m_exit, &QPushButton::clicked, this, &FileRetriever::reject);
    connect(m_source->fileList(), &QListWidget::itemDoubleClicked, this,
            &FileRetriever::copySelected);

    m_source->setFolder(m_siteFolder);
    refreshDestination();
    m_source->fileList()->setFocus();
}

void FileRetriever::copySelected()
{
    const QStringList selected = m_source->selectedFiles();
    if (selected.isEmpty()) {
        host().dialogs().message(this, site::text::cannotCopy());
        return;
    }
    const QString sourcePath = paths::join(m_source->folder(), selected.first());
    m_copiedPath->setText(sourcePath);
    const QFileInfo destination(paths::join(m_siteFolder, selected.first()));
    // A site file of that name is only replaced when the user says so.
    if (destination.exists() &&
        destination.canonicalFilePath() != QFileInfo(sourcePath).canonicalFilePath() &&
        host().dialogs().message(this, site::text::replaceSiteFile(selected.first()), windowTitle(),
                                 DialogService::Buttons::YesNo,
                                 DialogService::Icon::Question) != DialogService::Answer::Yes)
        return;
    QString error;
    if (!site::copyIntoFolder(sourcePath, m_siteFolder, &error)) {
        host().dialogs().message(this, site::text::cannotCopy() + u'\n' + error);
        return;
    }
    refreshDestination();
    // The source may be the site folder itself.
    if (m_source->folder() == m_siteFolder)
        m_source->refresh();
    host().dialogs().message(this, site::text::fileCopied());
}

void FileRetriever::reject()
{
    emit closed();
    BuilderDialog::reject();
}

void FileRetriever::refreshDestination()
{
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    m_destination->clear();
    for (const QString &name : site::listFiles(m_siteFolder))
        new QListWidgetItem(icon, name, m_destination);
}
