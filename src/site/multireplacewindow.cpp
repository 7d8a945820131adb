// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/multireplacewindow.h"

#include "platform/dialogservice.h"
#include "site/folderbrowser.h"
#include "widgets/formkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

MultiReplaceWindow::MultiReplaceWindow(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form35"));
    setWindowTitle(tr("Multiple File Replace"));

    m_browser = new FolderBrowser(host.dialogs(), QAbstractItemView::ExtendedSelection,
                                  filePatterns(), this);
    m_browser->driveList()->setObjectName(QStringLiteral("Drive1"));
    m_browser->folderTree()->setObjectName(QStringLiteral("Dir1"));
    m_browser->fileList()->setObjectName(QStringLiteral("File1"));
    formkit::setCaption(m_browser->driveList(), tr("Drive"));
    formkit::setCaption(m_browser->folderTree(), tr("Folders"));
    formkit::setCaption(m_browser->fileList(), tr("Files"));

    m_find = formkit::lineEdit("txtFind");
    m_replace = formkit::lineEdit("txtReplace");
    QLabel *findLabel = formkit::captionLabel(tr("Find:"), m_find);
    QLabel *replaceLabel = formkit::captionLabel(tr("Replace With:"), m_replace);

    auto *scope = new QGroupBox(this);
    m_selected = formkit::option("Option1", tr("Search All Selected Files"), true);
    m_all = formkit::option("Option2", tr("Search all HTML Files In Directory"));
    auto *scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(m_selected);
    scopeLayout->addWidget(m_all);

    m_caseSensitive = formkit::checkBox("Check1", tr("Case Sensitive Search"));
    m_execute = formkit::button("Command1", tr("Execute"));
    m_done = formkit::button("Command2", tr("Done"));

    auto *folders = new QVBoxLayout;
    folders->addWidget(m_browser->driveList());
    folders->addWidget(m_browser->folderTree(), 1);

    auto *texts = new QGridLayout;
    texts->addWidget(findLabel, 0, 0);
    texts->addWidget(m_find, 0, 1);
    texts->addWidget(replaceLabel, 1, 0);
    texts->addWidget(m_replace, 1, 1);
    texts->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_caseSensitive);
    buttons->addStretch(1);
    buttons->addWidget(m_execute);
    buttons->addWidget(m_done);

    auto *grid = new QGridLayout(this);
    grid->addLayout(folders, 0, 0);
    grid->addWidget(m_browser->fileList(), 0, 1);
    grid->addLayout(texts, 1, 0, 1, 2);
    grid->addWidget(scope, 2, 0, 1, 2);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(600, 480);

    setTabOrder(m_browser->driveList(), m_browser->folderTree());
    setTabOrder(m_browser->folderTree(), m_browser->fileList());
    setTabOrder(m_browser->fileList(), m_find);
    setTabOrder(m_find, m_replace);
    setTabOrder(m_replace, m_selected);
    setTabOrder(m_selected, m_all);
    setTabOrder(m_all, m_caseSensitive);
    setTabOrder(m_caseSensitive, m_execute);
    setTabOrder(m_execute, m_done);

    connect(m_execute, &QPushButton::clicked, this, [this] { execute(); });
    connect(m_done, &QPushButton::clicked, this, &MultiReplaceWindow::reject);

    m_browser->setFolder(host.siteFolder().isEmpty() ? QDir::homePath() : host.siteFolder());
    m_find->setFocus();
}

QList<multireplace::FileResult> MultiReplaceWindow::execute()
{
    const QStringList names =
        m_selected->isChecked() ? m_browser->selectedFiles() : m_browser->listedFiles();
    if (names.isEmpty())
        return {};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<multireplace::FileResult> results = multireplace::replaceInFiles(
        m_browser->folder(), names, m_find->text(), m_replace->text(),
        m_caseSensitive->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive);
    QApplication::restoreOverrideCursor();
    const QString report = multireplace::skippedReport(results);
    if (!report.isEmpty())
        host().dialogs().message(this, report, windowTitle());
    return results;
}
