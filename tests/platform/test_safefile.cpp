// SPDX-License-Identifier: GPL-3.0-or-later
// The one safe write: what it refuses (for root too), what it keeps (links,
// modes, the old file on failure), and its temporaries, which no sweep may
// take from a live writer and no killed writer may leave for ever.

#include "platform/safefile.h"
#include "support/files.h"
#include "support/immutable.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace testfiles;

class TestSafeFile : public QObject
{
    Q_OBJECT
private slots:
    // A refused or failed write leaves the old file as it was, and no
    // temporary beside it.
    void refusals_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error"); // empty: any reason
        QTest::newRow("read-only file") << "read-only"
                                        << "The file is read-only.";
        QTest::newRow("immutable file") << "immutable"
                                        << "";
        QTest::newRow("parent is a file") << "parent-file"
                                          << "Not a directory";
        QTest::newRow("missing folder") << "missing-folder"
                                        << "No such file or directory";
        QTest::newRow("name too long") << "long-name"
                                       << "File name too long";
        QTest::newRow("folder") << "folder"
                                << "This is a folder, not a file.";
        QTest::newRow("pipe") << "pipe"
                              << "This is not a regular file (a device, a pipe or a socket).";
        QTest::newRow("link to a pipe")
            << "link-to-pipe"
            << "This is not a regular file (a device, a pipe or a socket).";
        QTest::newRow("full file system") << "full"
                                          << "No space left on device";
    }
    void refusals()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString folder = dir.filePath("site");
        QVERIFY(QDir().mkdir(folder));
        QString target = folder + "/page.htm";
        QVERIFY(writeFile(target, "old"));
        std::unique_ptr<Immutable> immutable;
        std::unique_ptr<SmallTmpfs> small;
        QByteArray bytes("new");
        if (kind == "read-only") {
            QVERIFY(chmod(QFile::encodeName(target).constData(), 0444) == 0);
        } else if (kind == "immutable") {
            immutable = std::make_unique<Immutable>(target);
            if (!immutable->active())
                QSKIP("chattr +i is not available here");
        } else if (kind == "parent-file") {
            target += "/inner.htm";
        } else if (kind == "missing-folder") {
            target = folder + "/none/page.htm";
        } else if (kind == "long-name") {
            target = folder + '/' + QString(300, u'a');
        } else if (kind == "folder") {
            target = folder;
        } else if (kind == "pipe" || kind == "link-to-pipe") {
            const QString fifo = folder + "/fifo.htm";
            QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
            target = fifo;
            if (kind == "link-to-pipe") {
                target = folder + "/link.htm";
                QVERIFY(QFile::link("fifo.htm", target));
            }
        } else if (kind == "full") {
            small = std::make_unique<SmallTmpfs>(folder + "/small", "16k");
            if (!small->mounted())
                QSKIP("cannot mount a tmpfs here");
            target = folder + "/small/page.htm";
            QVERIFY(writeFile(target, "old"));
            bytes = QByteArray(64 * 1024, 'x');
        }
        const QStringList before = entries(QFileInfo(target).absolutePath());
        QString why;
        QVERIFY(!safefile::write(target, bytes, &why));
        if (error.isEmpty())
            QVERIFY(!why.isEmpty());
        else
            QCOMPARE(why, error);
        if (QFileInfo(target).isFile())
            QCOMPARE(readFile(target), QByteArray("old"));
        QCOMPARE(entries(QFileInfo(target).absolutePath()), before);
        QCOMPARE(readFile(folder + "/page.htm"), QByteArray("old"));
    }

    // The program never writes into its own folder.
    void programFolderIsRefused()
    {
        const QString target =
            QCoreApplication::applicationDirPath() + "/lorimel-safefile-probe.htm";
        QString why;
        const bool written = safefile::write(target, "x", &why);
        QFile::remove(target);
        QVERIFY(!written);
        QVERIFY(!why.isEmpty());
    }

    // A link is followed and stays a link; a file with other hard links is
    // rewritten in place, so every name still shows the same file; the mode
    // stays, and a new file gets the mode asked for.
    void linksAndModesStay()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("page.htm");
        QVERIFY(writeFile(file, "old"));
        QVERIFY(chmod(QFile::encodeName(file).constData(), 0640) == 0);
        const QString symbolic = dir.filePath("symbolic.htm");
        QVERIFY(QFile::link("page.htm", symbolic));
        QVERIFY(safefile::write(symbolic, "via the link"));
        QVERIFY(S_ISLNK(statOf(symbolic).st_mode));
        QCOMPARE(readFile(file), QByteArray("via the link"));
        QCOMPARE(statOf(file).st_mode & 07777, mode_t(0640));

        const QString hard = dir.filePath("hard.htm");
        QVERIFY(link(QFile::encodeName(file).constData(), QFile::encodeName(hard).constData()) ==
                0);
        const ino_t inode = statOf(file).st_ino;
        QVERIFY(safefile::write(hard, "through the hard link"));
        QCOMPARE(readFile(file), QByteArray("through the hard link"));
        QVERIFY(safefile::write(file, "short"));
        QCOMPARE(readFile(hard), QByteArray("short"));
        QCOMPARE(statOf(file).st_ino, inode);
        QCOMPARE(statOf(hard).st_nlink, nlink_t(2));

        safefile::Options secret;
        secret.newFileMode = 0600;
        QVERIFY(safefile::write(dir.filePath("new.ini"), "k=v", secret));
        QCOMPARE(statOf(dir.filePath("new.ini")).st_mode & 0077, mode_t(0));
        QCOMPARE(entries(dir.path()),
                 QStringList({"hard.htm", "new.ini", "page.htm", "symbolic.htm"}));
    }

    // The temporary of a write is hidden and recognisable; one left by a
    // dead writer goes when the folder is swept or the file is written; one
    // of a live process stays.
    void temporaries()
    {
        QVERIFY(safefile::isTemporaryName(".doc.htm.lorimel-123-aB3dE9.tmp"));
        QVERIFY(!safefile::isTemporaryName("doc.htm"));
        QVERIFY(!safefile::isTemporaryName("doc.htm.aB3dE9"));
        QVERIFY(!safefile::isTemporaryName(".hidden"));
        QVERIFY(!safefile::isTemporaryName("doc.htm.lorimel-123-aB3dE9.tmp"));

        QProcess ended;
        ended.start("true");
        QVERIFY(ended.waitForFinished());
        const qint64 dead = ended.processId() ? ended.processId() : 2147483600;
        QTemporaryDir dir;
        const QString stale = QStringLiteral(".doc.htm.lorimel-%1-aaaaaa.tmp").arg(dead);
        const QString live = QStringLiteral(".doc.htm.lorimel-1-bbbbbb.tmp");
        const QString other = QStringLiteral(".other.htm.lorimel-%1-cccccc.tmp").arg(dead);
        for (const QString &name : {stale, live, other})
            QVERIFY(writeFile(dir.filePath(name), "partial"));
        QVERIFY(safefile::write(dir.filePath("doc.htm"), "saved"));
        QCOMPARE(entries(dir.path()), QStringList({live, other, "doc.htm"}));
        QCOMPARE(safefile::removeStaleTemporaries(dir.path()), 1);
        QCOMPARE(entries(dir.path()), QStringList({live, "doc.htm"}));
    }

    // A folder swept over and over while large files are written into it:
    // the sweep never takes a write's own temporary, so every write lands.
    void sweepNeverTakesALiveWrite()
    {
        QTemporaryDir dir;
        std::atomic<bool> done{false};
        std::atomic<int> removed{0};
        std::thread sweeper([&] {
            while (!done.load())
                removed += safefile::removeStaleTemporaries(dir.path());
        });
        const QByteArray big(4 * 1024 * 1024, 'x');
        QStringList failures;
        for (int i = 0; i < 24; ++i) {
            QString why;
            if (!safefile::write(dir.filePath(QStringLiteral("page%1.htm").arg(i % 3)), big, &why))
                failures << why;
        }
        done = true;
        sweeper.join();
        QCOMPARE(failures, QStringList());
        QCOMPARE(removed.load(), 0);
        QCOMPARE(entries(dir.path()), QStringList({"page0.htm", "page1.htm", "page2.htm"}));
    }

    // A file deleted while its new content waits is not created again.
    void vanishedFilesStayGone()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath("kept.htm");
        const QString gone = dir.filePath("gone.htm");
        QVERIFY(writeFile(kept, "old"));
        QVERIFY(writeFile(gone, "old"));
        safefile::Options existing;
        existing.existingOnly = true;
        QString why;
        QVERIFY(!safefile::write(dir.filePath("never.htm"), "new", existing, &why));
        QVERIFY(!why.isEmpty());

        safefile::Batch batch;
        QVERIFY(batch.add(kept, "new kept", existing));
        QVERIFY(batch.add(gone, "new gone", existing));
        QVERIFY(QFile::remove(gone));
        const QList<safefile::Batch::Result> results = batch.commit();
        QCOMPARE(results.size(), 2);
        QVERIFY(results[0].ok);
        QVERIFY(!results[1].ok);
        QVERIFY(!results[1].error.isEmpty());
        QCOMPARE(readFile(kept), QByteArray("new kept"));
        QCOMPARE(entries(dir.path()), QStringList({"kept.htm"}));
    }

    // For writers that want a file name: the temporary they fill follows
    // the rule, no sweep takes it, and it goes in place only on commit.
    void pendingFiles()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("agenda.pdf");
        {
            safefile::Pending pending(target);
            QCOMPARE(pending.path(), target);
            const QString temporary = pending.temporaryPath();
            QVERIFY(safefile::isTemporaryName(QFileInfo(temporary).fileName()));
            QCOMPARE(QFileInfo(temporary).absolutePath(), dir.path());
            QVERIFY(writeFile(temporary, "%PDF-1.4"));
            QCOMPARE(safefile::removeStaleTemporaries(dir.path()), 0);
            QVERIFY(!QFile::exists(target));
            QVERIFY(pending.commit());
        }
        QCOMPARE(readFile(target), QByteArray("%PDF-1.4"));
        {
            safefile::Pending abandoned(dir.filePath("other.pdf"));
            QVERIFY(writeFile(abandoned.temporaryPath(), "partial"));
        }
        QCOMPARE(entries(dir.path()), QStringList({"agenda.pdf"}));
        safefile::Pending refused(dir.filePath("agenda.pdf/inner.pdf"));
        QVERIFY(refused.temporaryPath().isEmpty());
        QString why;
        QVERIFY(!refused.commit(&why));
        QCOMPARE(why, QStringLiteral("Not a directory"));
    }

    // Copies stream any size; a source that would block is refused at once.
    void copies()
    {
        QTemporaryDir dir;
        QByteArray big(3 * 1024 * 1024 + 17, Qt::Uninitialized);
        for (qsizetype i = 0; i < big.size(); ++i)
            big[i] = char(i * 7);
        QVERIFY(writeFile(dir.filePath("source.bin"), big));
        QVERIFY(writeFile(dir.filePath("target.bin"), "old"));
        QVERIFY(safefile::copy(dir.filePath("source.bin"), dir.filePath("target.bin")));
        QCOMPARE(readFile(dir.filePath("target.bin")), big);

        const QString fifo = dir.filePath("fifo");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QString why;
        QVERIFY(!safefile::copy(fifo, dir.filePath("target.bin"), &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(readFile(dir.filePath("target.bin")), big);
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "test_safefile.moc"
