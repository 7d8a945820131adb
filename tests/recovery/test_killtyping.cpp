// SPDX-License-Identifier: GPL-3.0-or-later
// The real program killed while text is typed into it loses nothing typed
// more than three seconds before the kill.

#include "driven.h"
#include "recovery/snapshotstore.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

// Types random words into document doc for `ms` milliseconds; each piece
// is recorded with the time it was sent.
struct Sent
{
    QString text;
    qint64 at;
};

} // namespace

class TestKillTyping : public QObject
{
    Q_OBJECT
private slots:
    void killedAtRandomMomentsLosesNothingOlderThanThreeSeconds()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath("config");
        const QString state = dir.filePath("state");
        prepareConfig(config);
        const QString page = dir.filePath("page.htm");
        QVERIFY(writeFile(page, "<p>start</p>\n"));
        QRandomGenerator random(20261209);
        QString named = "<p>start</p>\n";
        QString untitled;
        const int rounds = 20;
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < rounds; ++round) {
            Driven p(config, state, round == 0 ? QStringList{page} : QStringList{});
            QVERIFY2(p.ready(), "the program did not start");
            int namedDoc = 0;
            int untitledDoc = 1;
            if (round == 0) {
                p.send("new");
            } else {
                QCOMPARE(p.number("offered"), 2);
                QCOMPARE(p.number("recover"), 2);
                const QList<DocState> docs = p.dump();
                QCOMPARE(docs.size(), 2);
                namedDoc = docs[0].caption == page ? 0 : 1;
                untitledDoc = 1 - namedDoc;
                QCOMPARE(docs[namedDoc].caption, page);
                QVERIFY(!docs[namedDoc].saved);
                // Everything that had to be there is; a little more may be.
                QVERIFY2(
                    docs[namedDoc].text.startsWith(named),
                    qPrintable(
                        QString("round %1: %2 / %3").arg(round).arg(docs[namedDoc].text, named)));
                QVERIFY2(docs[untitledDoc].text.startsWith(untitled),
                         qPrintable(QString("round %1: %2 / %3")
                                        .arg(round)
                                        .arg(docs[untitledDoc].text, untitled)));
                named = docs[namedDoc].text;
                untitled = docs[untitledDoc].text;
            }
            // Type for a random time, then kill at once.
            QElapsedTimer typing;
            typing.start();
            const qint64 length = 1500 + random.bounded(3000);
            QList<Sent> namedSent, untitledSent;
            int n = 0;
            while (typing.elapsed() < length) {
                const QString word = QString("w%1r%2 ").arg(n++).arg(round);
                const bool toNamed = random.bounded(2) == 0;
                p.send(QByteArray("type ") + QByteArray::number(toNamed ? namedDoc : untitledDoc) +
                       ' ' + word.toUtf8());
                (toNamed ? namedSent : untitledSent) << Sent{word, typing.elapsed()};
                QTest::qWait(30 + random.bounded(60));
            }
            const qint64 killedAt = typing.elapsed();
            p.kill();
            // What must survive: what was sent more than 3 s before the kill.
            for (const Sent &s : std::as_const(namedSent)) {
                if (s.at < killedAt - 3000)
                    named += s.text;
            }
            for (const Sent &s : std::as_const(untitledSent)) {
                if (s.at < killedAt - 3000)
                    untitled += s.text;
            }
        }
        // The last round's text is checked once more by a final start.
        Driven last(config, state);
        QVERIFY(last.ready());
        QCOMPARE(last.number("recover"), 2);
        const QList<DocState> docs = last.dump();
        QCOMPARE(docs.size(), 2);
        const int namedDoc = docs[0].caption == page ? 0 : 1;
        QVERIFY(docs[namedDoc].text.startsWith(named));
        QVERIFY(docs[1 - namedDoc].text.startsWith(untitled));
        qInfo("%d kills in %lld s; nothing typed more than 3 s before a kill was lost", rounds,
              clock.elapsed() / 1000);
    }

    // A second instance leaves the copies of a running one alone; once that
    // one is killed, its copies are offered, and Compare shows the change.
    void secondInstanceLeavesLiveCopiesAlone()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath("config");
        const QString state = dir.filePath("state");
        prepareConfig(config);
        const QString page = dir.filePath("page.htm");
        QVERIFY(writeFile(page, "<p>one</p>\n<p>two</p>\n"));
        Driven first(config, state, {page});
        QVERIFY(first.ready());
        first.send("type 0 <b>added</b>");
        // Its copy is on disk within the copy delay.
        QTRY_VERIFY_WITH_TIMEOUT(!snapshots::list(state + "/lorimel/recovery").isEmpty(), 10000);
        {
            Driven second(config, state);
            QVERIFY(second.ready());
            QCOMPARE(second.number("offered"), 0);
            second.kill();
        }
        first.kill();
        Driven third(config, state);
        QVERIFY(third.ready());
        QCOMPARE(third.number("offered"), 1);
        const QByteArray compare = third.ask("compare");
        const QString shown =
            QString::fromUtf8(QByteArray::fromBase64(compare.split(' ').value(1)));
        QVERIFY2(shown.contains(" <p>two</p>\n+<b>added</b>"), qPrintable(shown));
        QVERIFY(!shown.contains("-<p>"));
    }

    // Three files open at a clean quit come back with their caret lines,
    // without an empty "New 1".
    void sessionRestoreReopensFilesWithCaretLines()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath("config");
        const QString state = dir.filePath("state");
        prepareConfig(config);
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            files << dir.filePath(QString("f%1.htm").arg(i));
            QVERIFY(writeFile(files.last(), QByteArray("<p>line</p>\n").repeated(20)));
        }
        {
            Driven p(config, state, {files[0]});
            QVERIFY(p.ready());
            // Enter keys move the caret down; each document ends on its own
            // line, and saving leaves nothing to ask about at quit.
            for (int i = 0; i < 3; ++i) {
                if (i > 0)
                    p.send(QByteArray("open ") + files[i].toUtf8());
                p.send(QByteArray("down ") + QByteArray::number(i) + ' ' +
                       QByteArray::number(3 + 4 * i));
            }
            QCOMPARE(p.number("caret 2"), 11);
            QVERIFY(p.quit());
        }
        Driven again(config, state);
        QVERIFY(again.ready());
        const QList<DocState> docs = again.dump();
        QCOMPARE(docs.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(docs[i].caption, files[i]);
            QCOMPARE(again.number("caret " + QByteArray::number(i)), 3 + 4 * i);
        }
    }
};

QTEST_GUILESS_MAIN(TestKillTyping)
#include "test_killtyping.moc"
