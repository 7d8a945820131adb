// SPDX-License-Identifier: GPL-3.0-or-later
// Publish Site's plan and manifest: what is sent, what is kept, what a
// damaged manifest does.

#include "site/publishplan.h"
#include "support/files.h"

#include <QtTest>
#include <sys/stat.h>

namespace {

publish::FileState file(const QString &path, qint64 size, char hashDigit)
{
    return {path, size, QByteArray(64, hashDigit), QByteArray()};
}

QStringList pathsOf(const QList<publish::FileState> &files)
{
    QStringList out;
    for (const publish::FileState &f : files)
        out << f.path;
    return out;
}

using testfiles::writeFileWithFolders;

bool setModified(const QString &path, const QDateTime &time)
{
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(time, QFileDevice::FileModificationTime);
}

} // namespace

class TestPublishPlan : public QObject
{
    Q_OBJECT
private slots:
    void isExcluded_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("excluded");
        QTest::newRow("page") << "index.htm" << false;
        QTest::newRow("picture") << "logo.gif" << false;
        QTest::newRow("hidden file") << ".htaccess" << true;
        QTest::newRow("hidden folder") << ".git" << true;
        QTest::newRow("preview copy") << "caching.htm" << true;
        QTest::newRow("preview copy, other case") << "Caching.HTM" << true;
        QTest::newRow("backup") << "index.htm~" << true;
        QTest::newRow("auto-save") << "#index.htm#" << true;
        QTest::newRow("hash inside") << "a#b.htm" << false;
    }

    void isExcluded()
    {
        QFETCH(QString, name);
        QFETCH(bool, excluded);
        QCOMPARE(publish::isExcluded(name), excluded);
    }

    void makePlan_data()
    {
        QTest::addColumn<QList<publish::FileState>>("local");
        QTest::addColumn<QList<publish::FileState>>("sent");
        QTest::addColumn<QStringList>("upload");
        QTest::addColumn<QStringList>("unchanged");
        QTest::addColumn<QStringList>("remoteOnly");
        QTest::addColumn<qint64>("bytes");
        const auto a = file("a.htm", 10, '1'), b = file("pics/b.gif", 300, '2'),
                   c = file("c.css", 7, '3');
        QTest::newRow("first publish") << QList{a, b, c} << QList<publish::FileState>{}
                                       << QStringList{"a.htm", "pics/b.gif", "c.css"}
                                       << QStringList{} << QStringList{} << qint64(317);
        QTest::newRow("nothing changed")
            << QList{a, b} << QList{a, b} << QStringList{} << QStringList{"a.htm", "pics/b.gif"}
            << QStringList{} << qint64(0);
        QTest::newRow("same size, other content")
            << QList{a, b} << QList{file("a.htm", 10, '9'), b} << QStringList{"a.htm"}
            << QStringList{"pics/b.gif"} << QStringList{} << qint64(10);
        QTest::newRow("other size")
            << QList{a} << QList{file("a.htm", 11, '1')} << QStringList{"a.htm"} << QStringList{}
            << QStringList{} << qint64(10);
        QTest::newRow("gone here")
            << QList{a} << QList{a, b, c} << QStringList{} << QStringList{"a.htm"}
            << QStringList{"c.css", "pics/b.gif"} << qint64(0);
    }

    void makePlan()
    {
        QFETCH(QList<publish::FileState>, local);
        QFETCH(QList<publish::FileState>, sent);
        QFETCH(QStringList, upload);
        QFETCH(QStringList, unchanged);
        QFETCH(QStringList, remoteOnly);
        QFETCH(qint64, bytes);
        publish::Manifest manifest;
        for (const publish::FileState &f : sent)
            manifest.insert(f.path, f);
        const publish::Plan plan = publish::makePlan(local, manifest);
        QCOMPARE(pathsOf(plan.upload), upload);
        QCOMPARE(pathsOf(plan.unchanged), unchanged);
        QCOMPARE(plan.remoteOnly, remoteOnly);
        QCOMPARE(plan.uploadBytes, bytes);
    }

    // Lines are applied in order; a line that cannot be read is skipped
    // and counted, never taken for a file.
    void apply_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("bad");
        const QByteArray h(64, 'a');
        QTest::newRow("added") << "+ 3 " + h + " a.htm\n+ 4 " + h + " d/b.htm\n"
                               << QStringList{"a.htm", "d/b.htm"} << 0;
        QTest::newRow("removed later") << "+ 3 " + h + " a.htm\n- a.htm\n" << QStringList{} << 0;
        QTest::newRow("encoded space and newline") << "+ 3 " + h + " my%20page%0A.htm\n"
                                                   << QStringList{"my page\n.htm"} << 0;
        QTest::newRow("comments and blank lines") << "# Lorimel\n\n+ 1 " + h + " x\n"
                                                  << QStringList{"x"} << 0;
        QTest::newRow("way out of the folder")
            << "+ 3 " + h + " ../x\n+ 3 " + h + " /etc/x\n+ 3 " + h + " a//b\n"
            << QStringList{} << 3;
        QTest::newRow("short hash") << QByteArray("+ 3 abc a.htm\n") << QStringList{} << 1;
        QTest::newRow("negative size") << "+ -3 " + h + " a.htm\n" << QStringList{} << 1;
        QTest::newRow("cut off line") << "+ 3 " + h + "\n" << QStringList{} << 1;
        QTest::newRow("binary junk") << QByteArray("\x00\xff\n+\n-\n", 7) << QStringList{} << 3;
        QTest::newRow("with stamp") << "+ 3 " + h + " 17.18.19 a.htm\n+ 3 " + h + " - b.htm\n"
                                    << QStringList{"a.htm", "b.htm"} << 0;
        QTest::newRow("stamp that is no stamp") << "+ 3 " + h + " x1 a.htm\n" << QStringList{} << 1;
    }

    void apply()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, paths);
        QFETCH(int, bad);
        publish::Manifest manifest;
        int badLines = -1;
        publish::apply(lines, manifest, &badLines);
        QCOMPARE(manifest.keys(), paths);
        QCOMPARE(badLines, bad);
    }

    void serializeRoundTrip()
    {
        publish::Manifest manifest;
        for (const publish::FileState &f :
             {file("a b.htm", 1, 'c'), file("x/y%z.gif", 0, 'd'), file("ü.htm", 5, 'e')})
            manifest.insert(f.path, f);
        manifest["ü.htm"].stamp = "1700000000123456789.1700000000123456789.42";
        publish::Manifest back;
        int bad = -1;
        publish::apply(publish::serialize("ftp://h/www/", manifest), back, &bad);
        QCOMPARE(bad, 0);
        QCOMPARE(back, manifest);
        for (const publish::FileState &f : manifest)
            QCOMPARE(back.value(f.path).stamp, f.stamp);
    }

    void scanFolder()
    {
        QTemporaryDir site;
        QVERIFY(writeFileWithFolders(site.filePath("index.htm"), "<P>x</P>"));
        QVERIFY(writeFileWithFolders(site.filePath("pics/a.gif"), "GIF89a"));
        QVERIFY(writeFileWithFolders(site.filePath(".hidden/secret.htm"), "no"));
        QVERIFY(writeFileWithFolders(site.filePath(".htaccess"), "no"));
        QVERIFY(writeFileWithFolders(site.filePath("caching.htm"), "no"));
        QVERIFY(writeFileWithFolders(site.filePath("index.htm~"), "no"));
        QVERIFY(writeFileWithFolders(site.filePath("empty.txt"), ""));
        QTemporaryDir outside;
        QVERIFY(writeFileWithFolders(outside.filePath("far.htm"), "no"));
        QVERIFY(QFile::link(outside.path(), site.filePath("linked")));
        // A link to a file is sent as that file; a broken one and a pipe are not.
        QVERIFY(QFile::link(site.filePath("index.htm"), site.filePath("alias.htm")));
        QVERIFY(QFile::link(site.filePath("gone.htm"), site.filePath("dead.htm")));
        QCOMPARE(mkfifo(QFile::encodeName(site.filePath("pipe.htm")).constData(), 0600), 0);
        const QList<publish::FileState> files = publish::scanFolder(site.path());
        QCOMPARE(pathsOf(files),
                 (QStringList{"alias.htm", "empty.txt", "index.htm", "pics/a.gif"}));
        QCOMPARE(files.at(2).size, qint64(8));
        QCOMPARE(files.at(2).hash,
                 QCryptographicHash::hash("<P>x</P>", QCryptographicHash::Sha256).toHex());
        QCOMPARE(files.at(0).hash, files.at(2).hash);
    }

    // A file whose size and stamp are those the manifest knows is not read
    // again: its hash comes from the manifest (a made-up one here, to see).
    void scanReusesKnownHashes_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("reused");
        QTest::newRow("untouched") << "none" << true;
        QTest::newRow("written again, new time") << "rewrite" << false;
        QTest::newRow("other size, old time") << "resize" << false;
        QTest::newRow("replaced by a copy with the old time") << "replace" << false;
        QTest::newRow("manifest without stamp") << "unstamped" << false;
        QTest::newRow("linked file written again") << "through a link" << false;
        QTest::newRow("changed just now") << "recent" << false;
    }

    void scanReusesKnownHashes()
    {
        QFETCH(QString, change);
        QFETCH(bool, reused);
        QTemporaryDir site, outside;
        // The file, or the file a link in the site leads to.
        const QString path =
            change == "through a link" ? outside.filePath("t.htm") : site.filePath("a.htm");
        QVERIFY(writeFileWithFolders(path, "one"));
        if (change == "through a link")
            QVERIFY(QFile::link(path, site.filePath("a.htm")));
        // Everything counts as settled, however new.
        publish::ScanOptions options;
        options.settledBefore = std::numeric_limits<qint64>::max();
        const QList<publish::FileState> first = publish::scanFolder(site.path(), nullptr, options);
        QCOMPARE(first.size(), 1);
        QVERIFY(!first.first().stamp.isEmpty());

        publish::Manifest known;
        publish::FileState madeUp = first.first();
        madeUp.hash = QByteArray(64, 'f');
        if (change == "unstamped")
            madeUp.stamp.clear();
        known.insert(madeUp.path, madeUp);
        QByteArray now = "one";
        const QDateTime old = QFileInfo(path).lastModified();
        if (change == "rewrite" || change == "through a link") {
            now = "two";
            QVERIFY(writeFileWithFolders(path, now));
            QVERIFY(setModified(path, old.addSecs(1)));
        } else if (change == "resize") {
            now = "three";
            QVERIFY(writeFileWithFolders(path, now));
            QVERIFY(setModified(path, old));
        } else if (change == "replace") {
            now = "two";
            QVERIFY(writeFileWithFolders(site.filePath("copy"), now));
            QVERIFY(setModified(site.filePath("copy"), old));
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::rename(site.filePath("copy"), path));
        }
        options.known = &known;
        if (change == "recent")
            options.settledBefore = 0; // the real rule: two seconds before the scan
        const QList<publish::FileState> second = publish::scanFolder(site.path(), nullptr, options);
        QCOMPARE(second.size(), 1);
        QCOMPARE(second.first().size, qint64(now.size()));
        QCOMPARE(second.first().hash,
                 reused ? madeUp.hash
                        : QCryptographicHash::hash(now, QCryptographicHash::Sha256).toHex());
        QCOMPARE(second.first().stamp.isEmpty(), change == "recent");
    }

    void manifestFilePerTarget()
    {
        qputenv("XDG_STATE_HOME", "/state");
        const QString a = publish::manifestFile("ftp://h/www/", "u");
        QVERIFY(a.startsWith("/state/lorimel/publish/"));
        QVERIFY(a != publish::manifestFile("ftp://h/www2/", "u"));
        QVERIFY(a != publish::manifestFile("ftp://h/www/", "v"));
        QCOMPARE(a, publish::manifestFile("ftp://h/www/", "u"));
    }
};

QTEST_GUILESS_MAIN(TestPublishPlan)
#include "test_publishplan.moc"
