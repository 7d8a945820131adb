// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/appstate.h"
#include "site/sitefiles.h"
#include "support/files.h"
#include "support/immutable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using site::Drive;
using site::FileAction;
using site::RenameResult;

Q_DECLARE_METATYPE(site::FileAction)
Q_DECLARE_METATYPE(site::RenameResult)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

using testfiles::readFile;
using testfiles::writeFile;

QStringList roots(const QList<Drive> &drives)
{
    QStringList out;
    for (const Drive &d : drives)
        out << d.rootPath;
    return out;
}

} // namespace

class TestSiteFiles : public QObject
{
    Q_OBJECT

private slots:
    void actionForFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("documents");
        QTest::addColumn<FileAction>("expected");

        QTest::newRow("upper-case html") << "INDEX.HTML" << 0 << FileAction::OpenDocument;
        QTest::newRow("txt in the middle") << "notes.txt.bak" << 0 << FileAction::OpenDocument;
        QTest::newRow("preview copy") << "caching.htm" << 1 << FileAction::RefuseCaching;
        QTest::newRow("preview copy, no document")
            << "caching.htm" << 0 << FileAction::RefuseCaching;
        QTest::newRow("not exactly the preview copy")
            << "Caching.htm" << 1 << FileAction::OpenDocument;
        QTest::newRow("image without a document") << "photo.GIF" << 0 << FileAction::Nothing;
        QTest::newRow("image with a document") << "photo.GIF" << 1 << FileAction::Graphics;
        QTest::newRow("vrml world") << "world.wrl" << 2 << FileAction::Graphics;
        QTest::newRow("sound with a document") << "tune.wav" << 1 << FileAction::BackgroundSounds;
        QTest::newRow("sound without a document") << "tune.wav" << 0 << FileAction::Nothing;
        QTest::newRow("sound type as a substring")
            << "data.audit" << 1 << FileAction::BackgroundSounds;
        QTest::newRow("images before sounds") << "song.mid.png" << 1 << FileAction::Graphics;
        QTest::newRow("documents before images") << "page.htm.gif" << 1 << FileAction::OpenDocument;
        QTest::newRow("jpeg is not .jpg") << "x.jpeg" << 1 << FileAction::Nothing;
        QTest::newRow("unknown type") << "archive.zip" << 1 << FileAction::Nothing;
        QTest::newRow("empty name") << "" << 1 << FileAction::Nothing;
    }

    void actionForFile()
    {
        QFETCH(QString, name);
        QFETCH(int, documents);
        QFETCH(FileAction, expected);
        QCOMPARE(site::actionForFile(name, documents, AppState::builtInImageTypes(),
                                     AppState::soundTypes()),
                 expected);
    }

    void actionForFileUsesTheGivenLists()
    {
        // The image list can be changed by the user; an empty entry must not
        // match every name.
        const QStringList images{QString(), QStringLiteral(".svg")};
        QCOMPARE(site::actionForFile(QStringLiteral("readme"), 1, images, {}), FileAction::Nothing);
        QCOMPARE(site::actionForFile(QStringLiteral("logo.SVG"), 1, images, {}),
                 FileAction::Graphics);
        QCOMPARE(site::actionForFile(QStringLiteral("photo.gif"), 1, images, {}),
                 FileAction::Nothing);
    }

    void roleFor()
    {
        QCOMPARE(site::roleFor(FileAction::Graphics), FileRole::Image);
        QCOMPARE(site::roleFor(FileAction::BackgroundSounds), FileRole::Sound);
        QCOMPARE(site::roleFor(FileAction::OpenDocument), FileRole::None);
        QCOMPARE(site::roleFor(FileAction::Nothing), FileRole::None);
    }

    void renameFile_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<RenameResult>("expected");
        QTest::addColumn<QString>("message");

        const QString none;
        QTest::newRow("cancelled") << std::optional<QString>() << RenameResult::Cancelled << none;
        QTest::newRow("empty") << std::optional<QString>(QString()) << RenameResult::Cancelled
                               << none;
        QTest::newRow("taken") << std::optional<QString>(QStringLiteral("b.htm"))
                               << RenameResult::NameInUse << "That Name Is Being Used";
        QTest::newRow("own name") << std::optional<QString>(QStringLiteral("a.htm"))
                                  << RenameResult::NameInUse << "That Name Is Being Used";
        QTest::newRow("taken by a dangling link")
            << std::optional<QString>(QStringLiteral("dangling")) << RenameResult::NameInUse
            << "That Name Is Being Used";
        QTest::newRow("a folder") << std::optional<QString>(QStringLiteral("sub"))
                                  << RenameResult::Failed << "Cannot Rename File";
        QTest::newRow("dot") << std::optional<QString>(QStringLiteral(".")) << RenameResult::Failed
                             << "Cannot Rename File";
        QTest::newRow("slash") << std::optional<QString>(QStringLiteral("a/b"))
                               << RenameResult::Failed << "Cannot Rename File";
        QTest::newRow("into the folder") << std::optional<QString>(QStringLiteral("sub/a.htm"))
                                         << RenameResult::Failed << "Cannot Rename File";
        QTest::newRow("out of the folder") << std::optional<QString>(QStringLiteral("../a.htm"))
                                           << RenameResult::Failed << "Cannot Rename File";
        QTest::newRow("nul") << std::optional<QString>(QStringLiteral("x") + QChar(0))
                             << RenameResult::Failed << "Cannot Rename File";
        QTest::newRow("new name") << std::optional<QString>(QStringLiteral("new.htm"))
                                  << RenameResult::Renamed << none;
        QTest::newRow("other case")
            << std::optional<QString>(QStringLiteral("A.HTM")) << RenameResult::Renamed << none;
        QTest::newRow("spaces") << std::optional<QString>(QStringLiteral(" my page.htm"))
                                << RenameResult::Renamed << none;
    }

    void renameFile()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(RenameResult, expected);
        QFETCH(QString, message);

        QTemporaryDir site;
        QVERIFY(site.isValid());
        const QString folder = site.path();
        QVERIFY(writeFile(folder + "/a.htm", "page a"));
        QVERIFY(writeFile(folder + "/b.htm", "page b"));
        QVERIFY(QDir(folder).mkdir("sub"));
        QVERIFY(QFile::link(folder + "/missing", folder + "/dangling"));

        const RenameResult result = site::renameFile(folder, QStringLiteral("a.htm"), answer);
        QCOMPARE(result, expected);
        QCOMPARE(site::renameMessage(result), message);

        QCOMPARE(readFile(folder + "/b.htm"), QByteArray("page b"));
        QVERIFY(QFileInfo(folder + "/sub").isDir());
        QVERIFY(QFileInfo(folder + "/dangling").isSymLink());
        if (result == RenameResult::Renamed) {
            QVERIFY(!QFileInfo::exists(folder + "/a.htm"));
            QCOMPARE(readFile(folder + '/' + *answer), QByteArray("page a"));
        } else {
            QCOMPARE(readFile(folder + "/a.htm"), QByteArray("page a"));
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::System).size(), 3);
    }

    void renameFailsForAMissingFile()
    {
        QTemporaryDir site;
        QCOMPARE(
            site::renameFile(site.path(), QStringLiteral("gone.htm"), QStringLiteral("new.htm")),
            RenameResult::Failed);
        QVERIFY(!QFileInfo::exists(site.path() + "/new.htm"));
    }

    void renameFailsInAnImmutableFolder()
    {
        QTemporaryDir site;
        QVERIFY(writeFile(site.path() + "/a.htm", "page a"));
        Immutable frozen(site.path());
        if (!frozen.active())
            QSKIP("chattr +i is not available here");
        QCOMPARE(site::renameFile(site.path(), QStringLiteral("a.htm"), QStringLiteral("z.htm")),
                 RenameResult::Failed);
        QVERIFY(QFileInfo::exists(site.path() + "/a.htm"));
        QVERIFY(!QFileInfo::exists(site.path() + "/z.htm"));
    }

    void deleteFile()
    {
        QTemporaryDir site;
        const QString folder = site.path();
        QVERIFY(writeFile(folder + "/a.htm", "page a"));
        QVERIFY(QDir(folder).mkdir("sub"));

        QVERIFY(!site::deleteFile(folder, QString()));
        QVERIFY(!site::deleteFile(folder, QStringLiteral("sub")));
        QVERIFY(QFileInfo(folder + "/sub").isDir());
        QVERIFY(site::deleteFile(folder, QStringLiteral("a.htm")));
        QVERIFY(!QFileInfo::exists(folder + "/a.htm"));
        // Already gone: a failure, not a success.
        QVERIFY(!site::deleteFile(folder, QStringLiteral("a.htm")));
    }

    void deleteFailsInAnImmutableFolder()
    {
        QTemporaryDir site;
        QVERIFY(writeFile(site.path() + "/a.htm", "page a"));
        Immutable frozen(site.path());
        if (!frozen.active())
            QSKIP("chattr +i is not available here");
        QVERIFY(!site::deleteFile(site.path(), QStringLiteral("a.htm")));
        QVERIFY(QFileInfo::exists(site.path() + "/a.htm"));
    }

    void listFiles()
    {
        QTemporaryDir site;
        const QString folder = site.path();
        for (const char *name : {"b.htm", "A.txt", "c.GIF", ".hidden"})
            QVERIFY(writeFile(folder + '/' + QLatin1String(name), "x"));
        QVERIFY(QDir(folder).mkdir("sub"));
        QVERIFY(QFile::link(folder + "/b.htm", folder + "/link.htm"));
        // A link to a pipe is no document, and a save's copy is no one's.
        QVERIFY(mkfifo(QFile::encodeName(folder + "/pipe").constData(), 0600) == 0);
        QVERIFY(QFile::link(folder + "/pipe", folder + "/pipe.htm"));
        QVERIFY(QFile::link(folder + "/gone", folder + "/broken.htm"));
        QVERIFY(writeFile(folder + "/.b.htm.lorimel-1-abcdef.tmp", "x"));

        QCOMPARE(site::listFiles(folder), QStringList({"A.txt", "b.htm", "c.GIF", "link.htm"}));
        QVERIFY(site::listFiles(folder + "/nowhere").isEmpty());
        QVERIFY(site::listFiles(QString()).isEmpty());
    }

    void driveList()
    {
        const QList<Drive> mounted{
            {"/proc", "", "proc", true},
            {"/home", "home", "ext4", true},
            {"/", "", "overlay", true},
            {"/sys", "", "sysfs", true},
            {"/sys/fs/cgroup", "", "cgroup2", true},
            {"/dev/shm", "", "tmpfs", true},
            {"/run/user/1000", "", "tmpfs", true},
            {"/run/media/ann/STICK", "STICK", "vfat", true},
            {"/media/usb", "USB", "vfat", true},
            {"/etc/hosts", "", "ext4", false},
            {"/home", "home", "ext4", true},
            {"/snap/core/1", "", "squashfs", true},
            {"/tmp", "", "tmpfs", true},
            {"/mnt/data", "", "fuse.sshfs", true},
        };
        const QList<Drive> drives = site::driveList(mounted);
        QCOMPARE(roots(drives), QStringList({"/", "/home", "/media/usb", "/mnt/data",
                                             "/run/media/ann/STICK", "/tmp"}));
        QCOMPARE(drives.first().fileSystemType, QStringLiteral("overlay"));
        QCOMPARE(drives.at(2).displayText(), QStringLiteral("/media/usb [USB]"));
        QCOMPARE(drives.first().displayText(), QStringLiteral("/"));
    }

    void driveListAlwaysHasTheRoot()
    {
        QCOMPARE(roots(site::driveList({})), QStringList({"/"}));
        QCOMPARE(roots(site::driveList({{"/data", "", "xfs", true}})), QStringList({"/", "/data"}));
        QCOMPARE(roots(site::driveList({{"/", "", "ext4", true}, {"/", "", "overlay", true}})),
                 QStringList({"/"}));
    }

    void mountedDrives()
    {
        const QList<Drive> drives = site::mountedDrives();
        QVERIFY(!drives.isEmpty());
        QCOMPARE(drives.first().rootPath, QStringLiteral("/"));
        for (const Drive &d : drives) {
            QVERIFY2(!d.rootPath.startsWith("/proc") && !d.rootPath.startsWith("/sys"),
                     qPrintable(d.rootPath));
            QVERIFY2(d.isDirectory, qPrintable(d.rootPath));
        }
    }

    void driveOf_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("expected");
        QTest::newRow("root") << "/" << 0;
        QTest::newRow("under root") << "/srv/www" << 0;
        QTest::newRow("a mount point") << "/home" << 1;
        QTest::newRow("under a mount") << "/home/ann/site" << 1;
        QTest::newRow("a prefix that is no parent") << "/homework" << 0;
        QTest::newRow("nested mount") << "/home/ann/usb/site" << 2;
        QTest::newRow("relative") << "site" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void driveOf()
    {
        QFETCH(QString, path);
        QFETCH(int, expected);
        const QList<Drive> drives{{"/", "", "ext4", true},
                                  {"/home", "", "ext4", true},
                                  {"/home/ann/usb", "", "vfat", true}};
        QCOMPARE(site::driveOf(path, drives), expected);
    }

    void findFilesArguments_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("catfish") << "/usr/bin/catfish" << QStringList{"/srv/site"};
        QTest::newRow("kfind") << "kfind" << QStringList{"/srv/site"};
        QTest::newRow("gnome") << "/usr/bin/gnome-search-tool" << QStringList{"--path=/srv/site"};
        QTest::newRow("mate") << "/usr/bin/mate-search-tool" << QStringList{"--path=/srv/site"};
        QTest::newRow("other") << "/usr/bin/searchmonkey" << QStringList{};
    }

    void findFilesArguments()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, expected);
        QCOMPARE(site::findFilesArguments(program, QStringLiteral("/srv/site")), expected);
    }
};

QTEST_GUILESS_MAIN(TestSiteFiles)
#include "test_sitefiles.moc"
