// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/documentwindow.h"
#include "kernel/builderids.h"
#include "site/ftpserver.h"
#include "site/ftpuploader.h"
#include "site/sitelisting.h"
#include "site/sitepane.h"
#include "support/fakeworkbench.h"
#include "support/files.h"
#include "support/immutable.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTreeView>
#include <QtTest>
#include <QUuid>

#include <sys/stat.h>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

using testfiles::readFile;
using testfiles::writeFile;

class RecordingDialogs : public ScriptedDialogs
{
public:
    QStringList defaults;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                 const QString &defaultText) override
    {
        defaults << defaultText;
        return ScriptedDialogs::input(parent, prompt, title, defaultText);
    }
};

class Bench : public FakeWorkbench
{
public:
    RecordingDialogs recording;
    DialogService &dialogs() override { return recording; }
};

QStringList listed(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

const QStringList kSiteFiles{"caching.htm", "index.htm", "INDEX.HTML", "notes.txt.bak",
                             "photo.GIF",   "tune.wav",  "zip.zip"};

} // namespace

class TestSitePane : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> site;
    std::unique_ptr<Bench> bench;
    std::unique_ptr<SitePane> pane;

    QString sitePath(const QString &name = QString()) const
    {
        return name.isEmpty() ? site->path() : site->path() + '/' + name;
    }
    QString direct(const char *key) const
    {
        return bench->store.get("Lorimel3", "Direct", QLatin1String(key), "unset");
    }
    RecordingDialogs &dialogs() { return bench->recording; }

    bool select(const QString &name)
    {
        const auto found =
            pane->fileList()->findItems(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (found.size() != 1)
            return false;
        pane->fileList()->setCurrentItem(found.first());
        return pane->selectedFile() == name;
    }

    void doubleClick(const QString &name)
    {
        const auto found =
            pane->fileList()->findItems(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        QVERIFY(found.size() == 1);
        QListWidget *list = pane->fileList();
        list->scrollToItem(found.first());
        const QPoint at = list->visualItemRect(found.first()).center();
        // A double-click event alone counts as a press for an item view.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

private slots:
    void init()
    {
        site = std::make_unique<QTemporaryDir>();
        QVERIFY(site->isValid());
        for (const QString &name : kSiteFiles)
            QVERIFY(writeFile(sitePath(name), "x"));
        QVERIFY(writeFile(sitePath(".hidden"), "x"));
        QVERIFY(QDir(sitePath()).mkpath("images/small"));
        QVERIFY(writeFile(sitePath("images/logo.png"), "x"));

        bench = std::make_unique<Bench>();
        bench->appState.siteDirectory = sitePath();
        pane = std::make_unique<SitePane>(*bench);
        pane->resize(260, 600);
        pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane.get()));
    }

    void cleanup()
    {
        pane.reset();
        bench.reset();
        site.reset();
    }

    void restoresTheFolderFromState()
    {
        QCOMPARE(pane->objectName(), QStringLiteral("SitePane"));
        QCOMPARE(pane->folder(), sitePath());
        QCOMPARE(listed(pane->fileList()), kSiteFiles);
        QVERIFY(pane->selectedFile().isEmpty());
        QCOMPARE(direct("Director"), sitePath());
        QCOMPARE(direct("FilePath"), sitePath());
        const int drive = site::driveOf(sitePath(), pane->drives());
        QVERIFY(drive >= 0);
        QCOMPARE(pane->driveList()->currentIndex(), drive);
        QCOMPARE(direct("Drive"), pane->drives().at(drive).rootPath);
        QCOMPARE(pane->findChild<QComboBox *>("Drive1"), pane->driveList());
        QCOMPARE(pane->findChild<QTreeView *>("Dir1"), pane->folderTree());
        QCOMPARE(pane->findChild<QListWidget *>("File2"), pane->fileList());
    }

    void restoreFallsBackToTheNearestFolder_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("filePath");
        QTest::addColumn<QString>("expected");
        const QString gone = QStringLiteral("/gone/deeper");
        QTest::newRow("removed folder") << gone << QString() << QString();
        QTest::newRow("tree path empty") << QString() << "images"
                                         << "images";
        QTest::newRow("a file, not a folder") << "index.htm" << QString() << QString();
    }

    void restoreFallsBackToTheNearestFolder()
    {
        QFETCH(QString, directory);
        QFETCH(QString, filePath);
        QFETCH(QString, expected);
        bench->appState.siteDirectory =
            directory.isEmpty() ? QString() : sitePath() + '/' + directory;
        bench->appState.siteFilePath = filePath.isEmpty() ? QString() : sitePath(filePath);
        pane->restoreFromState();
        QCOMPARE(pane->folder(), sitePath(expected));
        QCOMPARE(direct("Director"), sitePath(expected));
        QVERIFY(dialogs().asked.isEmpty());
    }

    // The folder is listed even when an entry would make a reader wait for
    // ever, and the copies a killed save left behind are cleared away.
    void listsWithoutWaiting()
    {
        QVERIFY(mkfifo(QFile::encodeName(sitePath("pipe")).constData(), 0600) == 0);
        QVERIFY(QFile::link(sitePath("pipe"), sitePath("pipe.htm")));
        const QString stale = QStringLiteral(".index.htm.lorimel-2147483600-abcdef.tmp");
        QVERIFY(writeFile(sitePath(stale), "x"));
        pane->refresh();
        QCOMPARE(listed(pane->fileList()), kSiteFiles);
        QVERIFY(!QFile::exists(sitePath(stale)));
    }

    // A file system call that does not answer leaves the window working:
    // the caller goes on, and the answer comes later if it ever does.
    void slowFileSystemDoesNotBlock()
    {
        QSemaphore release;
        QStringList late;
        QObject context;
        const std::optional<QStringList> now = site::runWithoutBlocking<QStringList>(
            &context, 20,
            [&release] {
                release.acquire();
                return QStringList{"late.htm"};
            },
            [&late](const QStringList &names) { late = names; });
        QVERIFY(!now);
        release.release();
        QTRY_COMPARE(late, QStringList{"late.htm"});
        const std::optional<int> quick =
            site::runWithoutBlocking<int>(&context, 5000, [] { return 7; }, {});
        QCOMPARE(quick.value_or(0), 7);
    }

    void folderChangeWritesTheDirectKeys()
    {
        QSignalSpy changed(pane.get(), &SitePane::folderChanged);
        auto *model = qobject_cast<QFileSystemModel *>(pane->folderTree()->model());
        QVERIFY(model);
        const QModelIndex images = model->index(sitePath("images"));
        QVERIFY(images.isValid());
        pane->folderTree()->setCurrentIndex(images); // what a click on the folder does

        QCOMPARE(pane->folder(), sitePath("images"));
        QCOMPARE(listed(pane->fileList()), QStringList{"logo.png"});
        QCOMPARE(direct("Director"), sitePath("images"));
        QCOMPARE(direct("FilePath"), sitePath("images"));
        QCOMPARE(direct("Drive"), pane->drives().at(pane->driveList()->currentIndex()).rootPath);
        QCOMPARE(bench->appState.siteDirectory, sitePath("images"));
        QCOMPARE(bench->appState.siteFilePath, sitePath("images"));
        QCOMPARE(bench->appState.siteDrive, direct("Drive"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toString(), sitePath("images"));

        // And back through the slot, as the main window would.
        QVERIFY(pane->setFolder(sitePath("images/small/..")));
        QCOMPARE(pane->folder(), sitePath("images"));
        QVERIFY(pane->setFolder(sitePath()));
        QCOMPARE(model->filePath(pane->folderTree()->currentIndex()), sitePath());
        QCOMPARE(direct("Director"), sitePath());
        QCOMPARE(changed.size(), 2);
    }

    void removedFolderDoesNotMoveTheSite()
    {
        QVERIFY(pane->setFolder(sitePath("images/small")));
        auto *model = qobject_cast<QFileSystemModel *>(pane->folderTree()->model());
        const QModelIndex images = model->index(sitePath("images"));
        QTRY_COMPARE(model->rowCount(images), 1);
        QVERIFY(QDir(sitePath("images/small")).removeRecursively());
        QTRY_COMPARE(model->rowCount(images), 0);
        QCOMPARE(pane->folder(), sitePath("images/small"));
        QCOMPARE(direct("Director"), sitePath("images/small"));
        QVERIFY(dialogs().asked.isEmpty());
    }

    void unreadableFolderChangesNothing()
    {
        QVERIFY(!pane->setFolder(sitePath("no-such-folder")));
        QCOMPARE(dialogs().messages(), QStringList{"Device Not Ready"});
        QCOMPARE(pane->folder(), sitePath());
        QCOMPARE(direct("Director"), sitePath());
        QCOMPARE(listed(pane->fileList()), kSiteFiles);
    }

    void driveChange()
    {
        const QString missing = QStringLiteral("/lorimel-no-such-drive-") +
                                QUuid::createUuid().toString(QUuid::WithoutBraces);
        pane->setDrives({{"/", "", "ext4", true},
                         {sitePath("images"), "CARD", "vfat", true},
                         {missing, "", "vfat", true}});
        QCOMPARE(pane->driveList()->count(), 3);
        QCOMPARE(pane->driveList()->itemText(1), sitePath("images") + " [CARD]");
        QCOMPARE(pane->driveList()->currentIndex(), 0);
        QVERIFY(pane->setFolder(sitePath()));

        pane->chooseDrive(1);
        QCOMPARE(pane->folder(), sitePath("images"));
        QCOMPARE(pane->driveList()->currentIndex(), 1);
        QCOMPARE(direct("Drive"), sitePath("images"));
        QVERIFY(pane->setFolder(sitePath("images/small")));
        QCOMPARE(pane->driveList()->currentIndex(), 1);

        // Each drive comes back at the folder last shown on it.
        pane->chooseDrive(0);
        QCOMPARE(pane->folder(), sitePath());
        QCOMPARE(direct("Drive"), QStringLiteral("/"));
        pane->chooseDrive(1);
        QCOMPARE(pane->folder(), sitePath("images/small"));

        pane->driveList()->setCurrentIndex(2); // the user picks the dead drive
        pane->chooseDrive(2);
        QCOMPARE(dialogs().messages(), QStringList{"Device Not Ready"});
        QCOMPARE(pane->driveList()->currentIndex(), 1);
        QCOMPARE(pane->folder(), sitePath("images/small"));
        QCOMPARE(direct("Director"), sitePath("images/small"));
    }

    void doubleClick_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("documents");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("builder");
        QTest::addColumn<QStringList>("messages");

        const QString none;
        QTest::newRow("upper-case html") << "INDEX.HTML" << 0 << true << none << QStringList();
        QTest::newRow("txt inside the name")
            << "notes.txt.bak" << 1 << true << none << QStringList();
        QTest::newRow("preview copy")
            << "caching.htm" << 1 << false << none << QStringList{"Cannot Load Caching File"};
        QTest::newRow("image, no document") << "photo.GIF" << 0 << false << none << QStringList();
        QTest::newRow("image") << "photo.GIF" << 1 << false << "Graphics" << QStringList();
        QTest::newRow("sound") << "tune.wav" << 1 << false << "BackgroundSounds" << QStringList();
        QTest::newRow("other") << "zip.zip" << 1 << false << none << QStringList();
    }

    void doubleClick()
    {
        QFETCH(QString, name);
        QFETCH(int, documents);
        QFETCH(bool, opens);
        QFETCH(QString, builder);
        QFETCH(QStringList, messages);

        bench->documents = documents;
        doubleClick(name);
        QCOMPARE(bench->openedFiles, opens ? QStringList{sitePath(name)} : QStringList());
        QCOMPARE(bench->openedBuilders, builder.isEmpty() ? QStringList() : QStringList{builder});
        QCOMPARE(dialogs().messages(), messages);
    }

    void builderGetsTheFileName()
    {
        doubleClick(QStringLiteral("photo.GIF"));
        doubleClick(QStringLiteral("tune.wav"));
        QCOMPARE(bench->openedBuilders,
                 (QStringList{QStringLiteral("Graphics"), QStringLiteral("BackgroundSounds")}));
        QCOMPARE(bench->builderArguments,
                 (QStringList{QStringLiteral("photo.GIF"), QStringLiteral("tune.wav")}));
    }

    void enterOpensTheSelectedFile()
    {
        QVERIFY(select("index.htm"));
        pane->fileList()->setFocus();
        QTest::keyClick(pane->fileList(), Qt::Key_Return);
        QCOMPARE(bench->openedFiles, QStringList{sitePath("index.htm")});
    }

    // Renaming or moving a page that others link to: the change list is
    // shown first; pages on disk are written, an open one is changed in
    // its editor as one undo step and left unsaved.
    void moveWithLinks_data()
    {
        QTest::addColumn<bool>("move");  // else a rename
        QTest::addColumn<int>("choice"); // 0 update, 1 leave the links, 2 cancel
        QTest::addColumn<QString>("newPath");
        QTest::addColumn<QString>("link"); // the links after, "" when unchanged

        QTest::newRow("rename, update") << false << 0 << "home.htm"
                                        << "home.htm";
        QTest::newRow("rename, leave links") << false << 1 << "home.htm"
                                             << "";
        QTest::newRow("rename, cancel") << false << 2 << ""
                                        << "";
        QTest::newRow("move, update") << true << 0 << "images/index.htm"
                                      << "images/index.htm";
    }

    void moveWithLinks()
    {
        QFETCH(bool, move);
        QFETCH(int, choice);
        QFETCH(QString, newPath);
        QFETCH(QString, link);

        const QByteArray closed = "<A HREF=\"index.htm#a\">\r\ncaf\xe9\r\n";
        QVERIFY(writeFile(sitePath("closed.htm"), closed));
        const QByteArray onDisk = "<a href='index.htm'>";
        QVERIFY(writeFile(sitePath("open.htm"), onDisk));
        DocumentWindow doc(DocumentWindow::Kind::Plain, bench->appState, dialogs());
        QVERIFY(doc.loadFile(sitePath("open.htm")));
        doc.setCaption(sitePath("open.htm"));
        doc.editor()->setSelStart(0);
        doc.editor()->setSelText("<p>typed</p>");
        bench->windows << &doc;

        QVERIFY(select("index.htm"));
        if (move)
            dialogs().answer(sitePath("images"));
        else
            dialogs().answer(QStringLiteral("home.htm"));
        dialogs().choices << choice;
        if (move)
            pane->moveSelected();
        else
            pane->renameSelected();
        QCOMPARE(dialogs().unexpected, 0);
        QCOMPARE(dialogs().asked.last().kind, QStringLiteral("choose"));
        QVERIFY(dialogs().asked.last().text.contains("closed.htm, line 1"));
        QVERIFY(dialogs().messages().isEmpty());

        QCOMPARE(QFileInfo::exists(sitePath("index.htm")), newPath.isEmpty());
        if (!newPath.isEmpty())
            QCOMPARE(readFile(sitePath(newPath)), QByteArray("x"));
        const QString typed = "<p>typed</p><a href='index.htm'>";
        QCOMPARE(readFile(sitePath("open.htm")), onDisk);
        if (link.isEmpty()) {
            QCOMPARE(readFile(sitePath("closed.htm")), closed);
            QCOMPARE(doc.editor()->documentText(), typed);
            return;
        }
        QByteArray updated = closed;
        updated.replace("index.htm", link.toLatin1());
        QCOMPARE(readFile(sitePath("closed.htm")), updated);
        QCOMPARE(doc.editor()->documentText(), QString(typed).replace("index.htm", link));
        QVERIFY(!doc.isSaved());
        doc.editor()->undo();
        QCOMPARE(doc.editor()->documentText(), typed);
    }

    void rename_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("renamedTo"); // empty: the file keeps its name

        const QStringList none;
        QTest::newRow("success") << "index.htm" << std::optional<QString>("home.htm") << none
                                 << "home.htm";
        QTest::newRow("preview copy can be renamed")
            << "caching.htm" << std::optional<QString>("old preview.htm") << none
            << "old preview.htm";
        QTest::newRow("name in use") << "index.htm" << std::optional<QString>("tune.wav")
                                     << QStringList{"That Name Is Being Used"} << QString();
        QTest::newRow("cancel") << "index.htm" << std::optional<QString>() << none << QString();
        QTest::newRow("empty name")
            << "index.htm" << std::optional<QString>(QString()) << none << QString();
        QTest::newRow("slash") << "index.htm" << std::optional<QString>("a/b")
                               << QStringList{"Cannot Rename File"} << QString();
        QTest::newRow("folder name") << "index.htm" << std::optional<QString>("images")
                                     << QStringList{"Cannot Rename File"} << QString();
    }

    void rename()
    {
        QFETCH(QString, file);
        QFETCH(std::optional<QString>, answer);
        QFETCH(QStringList, messages);
        QFETCH(QString, renamedTo);

        QVERIFY(select(file));
        if (answer)
            dialogs().answer(*answer);
        else
            dialogs().answerCancel();
        pane->renameSelected();

        QCOMPARE(dialogs().asked.first().kind, QStringLiteral("input"));
        QCOMPARE(dialogs().asked.first().text, QStringLiteral("Enter the File's New Name"));
        QCOMPARE(dialogs().asked.first().title, QStringLiteral("Renaming The File"));
        QCOMPARE(dialogs().defaults, QStringList{file});
        QCOMPARE(dialogs().messages(), messages);
        QCOMPARE(dialogs().unexpected, 0);

        QStringList expected = kSiteFiles;
        if (!renamedTo.isEmpty()) {
            expected.removeOne(file);
            expected << renamedTo;
            QVERIFY(!QFileInfo::exists(sitePath(file)));
            QVERIFY(QFileInfo::exists(sitePath(renamedTo)));
            QCOMPARE(pane->selectedFile(), renamedTo);
        } else {
            QVERIFY(QFileInfo::exists(sitePath(file)));
            QCOMPARE(pane->selectedFile(), file);
        }
        QStringList shown = listed(pane->fileList());
        QCOMPARE(shown, site::listFiles(sitePath()));
        shown.sort();
        expected.sort();
        QCOMPARE(shown, expected);
        QVERIFY(QFileInfo(sitePath("images")).isDir());
    }

    void deleteAnswered_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void deleteAnswered()
    {
        QFETCH(bool, yes);
        QVERIFY(select("tune.wav"));
        dialogs().answer(yes ? DialogService::Answer::Yes : DialogService::Answer::No);
        pane->deleteSelected();

        QCOMPARE(dialogs().asked.size(), 1);
        QCOMPARE(dialogs().asked.first().text, QStringLiteral("                 Proceed?"));
        QCOMPARE(dialogs().asked.first().text.indexOf('P'), 17);
        QCOMPARE(dialogs().asked.first().title, QStringLiteral("Delete File"));
        QCOMPARE(dialogs().unexpected, 0);
        QCOMPARE(QFileInfo::exists(sitePath("tune.wav")), !yes);
        QCOMPARE(listed(pane->fileList()).contains("tune.wav"), !yes);
    }

    void deleteOfAFileAlreadyGone()
    {
        QVERIFY(select("tune.wav"));
        QVERIFY(QFile::remove(sitePath("tune.wav")));
        dialogs().answer(DialogService::Answer::Yes);
        pane->deleteSelected();
        QCOMPARE(dialogs().messages(),
                 QStringList({"                 Proceed?", "Cannot Delete File"}));
    }

    void deleteInAnImmutableFolder()
    {
        QVERIFY(select("tune.wav"));
        Immutable frozen(sitePath());
        if (!frozen.active())
            QSKIP("chattr +i is not available here");
        dialogs().answer(DialogService::Answer::Yes);
        pane->deleteSelected();
        QCOMPARE(dialogs().messages().last(), QStringLiteral("Cannot Delete File"));
        QVERIFY(QFileInfo::exists(sitePath("tune.wav")));
        QCOMPARE(listed(pane->fileList()), kSiteFiles);
    }

    void renameInAnImmutableFolder()
    {
        QVERIFY(select("tune.wav"));
        Immutable frozen(sitePath());
        if (!frozen.active())
            QSKIP("chattr +i is not available here");
        dialogs().answer(QStringLiteral("song.wav"));
        pane->renameSelected();
        QCOMPARE(dialogs().messages(), QStringList{"Cannot Rename File"});
        QVERIFY(QFileInfo::exists(sitePath("tune.wav")));
        QVERIFY(!QFileInfo::exists(sitePath("song.wav")));
    }

    void commandsNeedASelection()
    {
        QVERIFY(!pane->checkSelection());
        pane->renameSelected();
        pane->deleteSelected();
        QCOMPARE(dialogs().messages(), QStringList(3, QStringLiteral("No File Selected")));
        QCOMPARE(dialogs().asked.size(), 3); // no input box, no question
        QVERIFY(pane->selectedPath().isEmpty());

        // A refresh after the folder changed on disk keeps no stale selection.
        QVERIFY(select("tune.wav"));
        QVERIFY(QFile::remove(sitePath("tune.wav")));
        pane->refresh();
        QVERIFY(pane->selectedFile().isEmpty());
        QVERIFY(select("zip.zip"));
        pane->refresh();
        QCOMPARE(pane->selectedFile(), QStringLiteral("zip.zip"));
    }

    void pathsAtTheRoot()
    {
        QVERIFY(pane->setFolder(QStringLiteral("/")));
        QCOMPARE(pane->folder(), QStringLiteral("/"));
        QCOMPARE(direct("Director"), QStringLiteral("/"));
        QCOMPARE(direct("Drive"), QStringLiteral("/"));
        QCOMPARE(pane->driveList()->currentIndex(), 0);

        pane->activateFile(QStringLiteral("index.htm"));
        QCOMPARE(bench->openedFiles, QStringList{"/index.htm"});

        // A listed file that is gone by the time of the command.
        const QString ghost =
            QStringLiteral("lorimel-gone-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QVERIFY(!QFileInfo::exists("/" + ghost));
        pane->fileList()->addItem(ghost);
        QVERIFY(select(ghost));
        QCOMPARE(pane->selectedPath(), "/" + ghost);

        dialogs().answer(DialogService::Answer::Yes);
        pane->deleteSelected();
        QCOMPARE(dialogs().messages().last(), QStringLiteral("Cannot Delete File"));

        dialogs().answer(ghost + QStringLiteral("-renamed"));
        pane->renameSelected();
        QCOMPARE(dialogs().messages().last(), QStringLiteral("Cannot Rename File"));
        QVERIFY(!QFileInfo::exists("/" + ghost + "-renamed"));
    }

    void rightClickOffersTheOwnersMenu()
    {
        QMenu menu;
        menu.addAction(QStringLiteral("&Rename File"));
        pane->setContextMenu(&menu);
        QSignalSpy requested(pane.get(), &SitePane::contextMenuRequested);

        QListWidget *list = pane->fileList();
        const auto found = list->findItems(QStringLiteral("photo.GIF"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        const QPoint at = list->visualItemRect(found.first()).center();
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
        if (requested.isEmpty()) {
            // Platforms that open menus on release only get the event here.
            QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                    list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &event);
        }
        QCOMPARE(requested.size(), 1);
        QCOMPARE(requested.first().first().toPoint(), list->viewport()->mapToGlobal(at));
        QCOMPARE(pane->selectedFile(), QStringLiteral("photo.GIF"));
        QCOMPARE(pane->selectedPath(), sitePath("photo.GIF"));
        QTRY_VERIFY(menu.isVisible());
        menu.close();
    }

    void findFiles()
    {
        const QByteArray oldPath = qgetenv("PATH");
        QTemporaryDir bin;
        qputenv("PATH", bin.path().toLocal8Bit());
        pane->findFiles();
        QCOMPARE(dialogs().messages(), QStringList{"IE4 or higher not installed"});

        // A stand-in search tool that records where it was asked to look.
        const QString record = sitePath("images/started");
        const QString script = bin.path() + "/catfish";
        QVERIFY(writeFile(script, "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s' \"$*\" > '" +
                                      record.toLocal8Bit() + ".tmp' && mv '" +
                                      record.toLocal8Bit() + ".tmp' '" + record.toLocal8Bit() +
                                      "'\n"));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        pane->findFiles();
        qputenv("PATH", oldPath);
        QCOMPARE(dialogs().messages().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(record), 60000);
        QFile started(record);
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLocal8Bit(started.readAll()), sitePath());
    }

    void commandButtons()
    {
        const QStringList captions{"Retrieve Files", "Thumbnail Viewer", "Publish File"};
        const QStringList hints{"Copies files to website directory",
                                "Browses the images in the Website Directory",
                                "Transfers Files to an FTP Directory"};
        for (int i = 0; i < 3; ++i) {
            QPushButton *button = pane->commandButton(i);
            QCOMPARE(button->objectName(), QStringLiteral("Command93_%1").arg(i));
            QCOMPARE(button->text(), captions.at(i));
            QCOMPARE(button->property("hint").toString(), hints.at(i));
        }
        QTest::mouseClick(pane->commandButton(0), Qt::LeftButton);
        QTest::mouseClick(pane->commandButton(1), Qt::LeftButton);
        QCOMPARE(bench->openedBuilders,
                 (QStringList{builderid::FileRetriever, builderid::ThumbnailBrowser}));
    }

    // Any missing FTP setting stops the command before the server is asked.
    void publishNeedsEverySetting_data()
    {
        QTest::addColumn<int>("missing"); // 0 address, 1 user, 2 password
        QTest::newRow("no address") << 0;
        QTest::newRow("no user name") << 1;
        QTest::newRow("empty password") << 2;
    }

    void publishNeedsEverySetting()
    {
        QFETCH(int, missing);
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost, 0));
        AppState &state = bench->appState;
        state.ftpUrl = QStringLiteral("127.0.0.1:%1/").arg(listener.serverPort());
        state.ftpUserName = QStringLiteral("webmaster");
        state.ftpPassword = QStringLiteral("pw");
        QString *fields[] = {&state.ftpUrl, &state.ftpUserName, &state.ftpPassword};
        fields[missing]->clear();
        QVERIFY(select("index.htm"));
        QTest::mouseClick(pane->commandButton(2), Qt::LeftButton);
        QCOMPARE(dialogs().messages(),
                 QStringList{"FTP URL, Username, and/or Password not defined."});
        QVERIFY(!pane->uploader()->isBusy());
        QTest::qWait(100);
        QVERIFY(!listener.hasPendingConnections());
    }

    // A real upload from the button, then a second publish while a first
    // one waits on a silent server, then a wrong password.
    void publishThroughTheButton()
    {
        LoopbackFtpServer server;
        QVERIFY2(server.isRunning(), "python3-pyftpdlib is needed (scripts/setup)");
        const QByteArray page("<HTML>\r\n<P>published</P>\r\n</HTML>\r\n");
        QVERIFY(writeFile(sitePath("index.htm"), page));
        AppState &state = bench->appState;
        state.ftpUrl = server.url();
        state.ftpUserName = QLatin1String(LoopbackFtpServer::User);
        state.ftpPassword = QLatin1String(LoopbackFtpServer::Password);
        QPushButton *publish = pane->commandButton(2);

        QTest::mouseClick(publish, Qt::LeftButton); // no file selected
        QCOMPARE(dialogs().messages(), QStringList{"No File Selected"});
        QVERIFY(select("index.htm"));
        QTest::mouseClick(publish, Qt::LeftButton);
        QVERIFY(publish->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(dialogs().messages().size(), 2, 30000);
        // The loopback server offers no TLS, and the message says so.
        const QStringList done = dialogs().messages().last().split(u'\n');
        QCOMPARE(done.first(), QStringLiteral("File Transfer Completed"));
        QCOMPARE(done.size(), 2);
        QCOMPARE(server.stored("index.htm"), page);

        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        state.ftpUrl = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
        pane->uploader()->setTimeouts({2, 1, 2});
        QTest::mouseClick(publish, Qt::LeftButton);
        QVERIFY(pane->uploader()->isBusy());
        QTest::mouseClick(publish, Qt::LeftButton);
        QCOMPARE(dialogs().messages().last(), QStringLiteral("FTP Connection Busy"));
        QTRY_COMPARE_WITH_TIMEOUT(dialogs().messages().size(), 4, 30000);
        QVERIFY(dialogs().messages().last().startsWith(QStringLiteral("Cannot upload file!\n")));

        state.ftpUrl = server.url();
        state.ftpPassword = QStringLiteral("wrong");
        QTest::mouseClick(publish, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(dialogs().messages().size(), 5, 30000);
        // A reason of its own under the fixed line.
        const QStringList refused = dialogs().messages().last().split(u'\n');
        QCOMPARE(refused.first(), QStringLiteral("Cannot upload file!"));
        QCOMPARE(refused.size(), 2);
        QVERIFY(refused.at(1) != dialogs().messages().at(3).split(u'\n').at(1));
        for (const QString &text : dialogs().messages())
            QVERIFY(!text.contains(QLatin1String(LoopbackFtpServer::Password)));
        QCOMPARE(dialogs().unexpected, 0);
    }
};

QTEST_MAIN(TestSitePane)
#include "test_sitepane.moc"
