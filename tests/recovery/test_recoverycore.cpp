// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies on disk, line differences, the recent files list and the
// session entries.

#include "kernel/settingsstore.h"
#include "platform/filestamp.h"
#include "recovery/recentfiles.h"
#include "recovery/snapshotstore.h"
#include "recovery/textdiff.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(snapshots::Info)

class TestRecoveryCore : public QObject
{
    Q_OBJECT
private slots:
    void sideFileRoundTrip_data()
    {
        QTest::addColumn<snapshots::Info>("info");
        snapshots::Info named;
        named.original = "/home/a/page one.htm";
        named.sizeAtOpen = 1234;
        named.mtimeAtOpenNs = 1796790972613786040;
        named.pid = 4242;
        named.time = QDateTime(QDate(2026, 12, 9), QTime(4, 5, 6, 7), Qt::UTC);
        named.encoding = textfile::Encoding::Windows1252Bom;
        QTest::newRow("named") << named;
        snapshots::Info untitled = named;
        untitled.original = "New 3";
        untitled.untitled = true;
        untitled.sizeAtOpen = -1;
        untitled.encoding = textfile::Encoding::Utf16Be;
        QTest::newRow("untitled") << untitled;
        snapshots::Info odd = named;
        odd.original = "/tmp/a\\b\nc=d.htm";
        odd.kind = snapshots::Kind::Agenda;
        QTest::newRow("line feed, backslash and = in the path") << odd;
    }
    void sideFileRoundTrip()
    {
        QFETCH(snapshots::Info, info);
        snapshots::Info back;
        QVERIFY(snapshots::parse(snapshots::describe(info), &back));
        QCOMPARE(back.original, info.original);
        QCOMPARE(back.untitled, info.untitled);
        QCOMPARE(back.sizeAtOpen, info.sizeAtOpen);
        QCOMPARE(back.mtimeAtOpenNs, info.mtimeAtOpenNs);
        QCOMPARE(back.pid, info.pid);
        QCOMPARE(back.time, info.time);
        QCOMPARE(back.encoding, info.encoding);
        QCOMPARE(back.kind, info.kind);
    }

    void damagedSideFileIsRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no pid") << QByteArray("original=/a\n");
        QTest::newRow("no original") << QByteArray("pid=12\n");
        QTest::newRow("bad pid") << QByteArray("original=/a\npid=x\n");
        QTest::newRow("bad size") << QByteArray("original=/a\npid=12\nsize=1e\n");
        QTest::newRow("binary") << QByteArray("\x00\xff\x01=", 4);
    }
    void damagedSideFileIsRefused()
    {
        QFETCH(QByteArray, text);
        snapshots::Info info;
        QVERIFY(!snapshots::parse(text, &info));
    }

    // Copies are private, listed with their text, and only orphans are
    // offered: a copy of this running process is not.
    void copiesOnDisk()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("state/lorimel/recovery");
        QVERIFY(snapshots::prepareFolder(folder));
        struct stat st = {};
        QVERIFY(::stat(QFile::encodeName(folder).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 0777, 0700u);
        // A live process of this program (by its name), one whose number
        // another program now has (this test), and one long gone.
        const QString sleeper = dir.filePath("lorimel-sleep");
        QVERIFY(QFile::copy(QStandardPaths::findExecutable("sleep"), sleeper));
        QProcess live;
        live.start(sleeper, {"60"});
        QVERIFY(live.waitForStarted());
        snapshots::Info running;
        running.id = "running";
        running.original = "New 1";
        running.untitled = true;
        running.pid = live.processId();
        running.time = QDateTime::currentDateTimeUtc();
        snapshots::Info reused = running;
        reused.id = "reused";
        reused.pid = QCoreApplication::applicationPid();
        snapshots::Info orphan = running;
        orphan.id = "orphan";
        orphan.pid = 999999999; // past any pid_max
        orphan.time = running.time.addSecs(-60);
        orphan.encoding = textfile::Encoding::Windows1252;
        QVERIFY(snapshots::write(folder, running, "running"));
        QVERIFY(snapshots::write(folder, reused, "reused"));
        QVERIFY(
            snapshots::write(folder, orphan, textfile::encode("caf\u00e9\r\n", orphan.encoding)));
        QVERIFY(::stat(QFile::encodeName(folder + "/orphan.txt").constData(), &st) == 0);
        QCOMPARE(st.st_mode & 0777, 0600u);
        QCOMPARE(snapshots::list(folder).size(), 3);
        const QList<snapshots::Info> offered = snapshots::orphans(folder);
        live.kill();
        live.waitForFinished();
        QCOMPARE(offered.size(), 2);
        QCOMPARE(offered[0].id, QString("orphan")); // oldest first
        QCOMPARE(offered[1].id, QString("reused"));
        QString text;
        QVERIFY(snapshots::readText(folder, offered[0], &text));
        QCOMPARE(text, QString("caf\u00e9\r\n"));
        snapshots::remove(folder, "orphan");
        QCOMPARE(snapshots::list(folder).size(), 2);
        QVERIFY(!QFileInfo::exists(folder + "/orphan.txt"));
    }

    void originalChanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.htm");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("one");
        f.close();
        const filestamp::Stamp stamp = filestamp::of(path);
        snapshots::Info info;
        info.original = path;
        info.sizeAtOpen = stamp.size;
        info.mtimeAtOpenNs = stamp.mtimeNs;
        QVERIFY(!snapshots::originalChanged(info));
        QVERIFY(f.open(QIODevice::Append));
        f.write("two");
        f.close();
        QVERIFY(snapshots::originalChanged(info));
        QFile::remove(path);
        QVERIFY(snapshots::originalChanged(info));
    }

    void diff_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected"); // one mark per line: = - +
        QTest::newRow("same") << "x\ny\n"
                              << "x\ny\n"
                              << "==";
        QTest::newRow("added at end") << "x\n"
                                      << "x\ny\n"
                                      << "=+";
        QTest::newRow("removed in middle") << "a\nb\nc\n"
                                           << "a\nc\n"
                                           << "=-=";
        QTest::newRow("changed line") << "a\nb\nc"
                                      << "a\nB\nc"
                                      << "=-+=";
        QTest::newRow("from nothing") << ""
                                      << "a\nb"
                                      << "++";
        QTest::newRow("to nothing") << "a\r\nb\r\n"
                                    << ""
                                    << "--";
        QTest::newRow("CR LF against LF") << "a\r\nb\r\n"
                                          << "a\nb\n"
                                          << "==";
        QTest::newRow("interleaved") << "a\nb\nc\nd\n"
                                     << "b\nx\nd\ny\n"
                                     << "-=-+=+";
    }
    void diff()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        const QList<textdiff::Line> lines =
            textdiff::diff(textdiff::splitLines(a), textdiff::splitLines(b));
        QString marks;
        QStringList rebuiltA, rebuiltB;
        for (const textdiff::Line &l : lines) {
            marks += l.op == textdiff::Op::Same      ? u'='
                     : l.op == textdiff::Op::Removed ? u'-'
                                                     : u'+';
            if (l.op != textdiff::Op::Added)
                rebuiltA << l.text;
            if (l.op != textdiff::Op::Removed)
                rebuiltB << l.text;
        }
        QCOMPARE(marks, expected);
        QCOMPARE(rebuiltA, textdiff::splitLines(a));
        QCOMPARE(rebuiltB, textdiff::splitLines(b));
    }

    // Past the edit limit the answer is still a correct (longer) edit.
    void diffStaysCorrectPastTheLimit()
    {
        QStringList a, b;
        for (int i = 0; i < 300; ++i) {
            a << QString::number(i);
            b << QString::number(i * 7);
        }
        const QList<textdiff::Line> lines = textdiff::diff(a, b, 10);
        QStringList rebuiltA, rebuiltB;
        for (const textdiff::Line &l : lines) {
            if (l.op != textdiff::Op::Added)
                rebuiltA << l.text;
            if (l.op != textdiff::Op::Removed)
                rebuiltB << l.text;
        }
        QCOMPARE(rebuiltA, a);
        QCOMPARE(rebuiltB, b);
    }

    void unified_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected");
        QTest::newRow("equal") << "a\n"
                               << "a\n"
                               << "";
        QTest::newRow("one change")
            << "1\n2\n3\n4\n5\n6\n7\n8\n9\n"
            << "1\n2\n3\n4\nX\n6\n7\n8\n9\n"
            << "--- A\n+++ B\n@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+X\n 6\n 7\n 8\n";
        QTest::newRow("two hunks") << "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"
                                   << "X\n2\n3\n4\n5\n6\n7\n8\n9\nY\n"
                                   << "--- A\n+++ B\n@@ -1,4 +1,4 @@\n-1\n+X\n 2\n 3\n 4\n@@ -7,4 "
                                      "+7,4 @@\n 7\n 8\n 9\n-10\n+Y\n";
        QTest::newRow("into empty") << ""
                                    << "a\n"
                                    << "--- A\n+++ B\n@@ -0,0 +1,1 @@\n+a\n";
    }
    void unified()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        QCOMPARE(textdiff::unified(
                     "A", "B", textdiff::diff(textdiff::splitLines(a), textdiff::splitLines(b)), 3),
                 expected);
    }

    void recentList_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("into empty") << QStringList{} << "/a" << QStringList{"/a"};
        QTest::newRow("moves to front")
            << QStringList{"/a", "/b", "/c"} << "/c" << QStringList{"/c", "/a", "/b"};
        QStringList ten;
        for (int i = 0; i < 10; ++i)
            ten << QString("/f%1").arg(i);
        QStringList expected = QStringList{"/new"} + ten.mid(0, 9);
        QTest::newRow("keeps ten") << ten << "/new" << expected;
    }
    void recentList()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, path);
        QFETCH(QStringList, after);
        QCOMPARE(recentfiles::added(before, path), after);
    }

    void menuCaption_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first") << 0 << "/a.htm"
                               << "&1 /a.htm";
        QTest::newRow("ninth") << 8 << "/a.htm"
                               << "&9 /a.htm";
        QTest::newRow("tenth takes 0") << 9 << "/a.htm"
                                       << "&0 /a.htm";
        QTest::newRow("ampersand") << 1 << "/R&D.htm"
                                   << "&2 /R&&D.htm";
    }
    void menuCaption()
    {
        QFETCH(int, index);
        QFETCH(QString, path);
        QFETCH(QString, caption);
        QCOMPARE(recentfiles::menuCaption(index, path), caption);
    }

    void recentAndSessionStored()
    {
        QTemporaryDir dir;
        {
            SettingsStore store(dir.path());
            recentfiles::write(store, {"/a", "/b"});
            session::Session s;
            s.documents << session::Document{"/x,y.htm", 4, 2, 1}
                        << session::Document{"/z", 0, 0, 0};
            s.active = 1;
            session::write(store, s);
            QVERIFY(store.sync());
        }
        SettingsStore store(dir.path());
        QVERIFY(QFileInfo::exists(store.fileName("LM3")));
        QCOMPARE(recentfiles::read(store), QStringList({"/a", "/b"}));
        const session::Session s = session::read(store);
        QCOMPARE(s.documents.size(), 2);
        QCOMPARE(s.documents[0].path, QString("/x,y.htm"));
        QCOMPARE(s.documents[0].line, 4);
        QCOMPARE(s.documents[0].column, 2);
        QCOMPARE(s.documents[0].firstLine, 1);
        QCOMPARE(s.active, 1);
    }

    void sessionEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << "1,2,0,/a.htm" << true;
        QTest::newRow("comma in path") << "1,2,0,/a,b.htm" << true;
        QTest::newRow("no path") << "1,2,0," << false;
        QTest::newRow("negative") << "-1,2,0,/a" << false;
        QTest::newRow("not a number") << "x,2,0,/a" << false;
        QTest::newRow("short") << "1,2" << false;
    }
    void sessionEntry()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        session::Document doc;
        QCOMPARE(session::decode(text, &doc), ok);
        if (ok)
            QCOMPARE(session::encode(doc), text);
    }
};

QTEST_GUILESS_MAIN(TestRecoveryCore)
#include "test_recoverycore.moc"
