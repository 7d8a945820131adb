// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing one text in many files: the replacement rule, and files that
// keep every byte but the replaced ones, or are skipped and reported.

#include "site/multireplace.h"
#include "support/files.h"
#include "support/immutable.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using multireplace::Outcome;

Q_DECLARE_METATYPE(multireplace::Outcome)

namespace {

using testfiles::readFile;
using testfiles::writeFile;

// Changes when a file is written anew (the atomic save renames a new file
// over it).
ino_t inode(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class TestMultiReplace : public QObject
{
    Q_OBJECT

private slots:
    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("count");

        const QString fonts = QStringLiteral("<FONT>a</FONT> <font> <Font>");
        QTest::newRow("FONT to SPAN ignoring case")
            << fonts << "FONT"
            << "SPAN" << false << "<SPAN>a</SPAN> <SPAN> <SPAN>" << 4;
        QTest::newRow("FONT to SPAN, case sensitive")
            << fonts << "FONT"
            << "SPAN" << true << "<SPAN>a</SPAN> <font> <Font>" << 2;
        QTest::newRow("empty find changes nothing") << fonts << ""
                                                    << "x" << false << fonts << 0;
        QTest::newRow("empty replacement deletes") << "a<B>b</B>c"
                                                   << "<B>"
                                                   << "" << true << "ab</B>c" << 1;
        QTest::newRow("replacement holds the find text")
            << "x FONT y FONT"
            << "FONT"
            << "FONTFONT" << true << "x FONTFONT y FONTFONT" << 2;
        QTest::newRow("replacement holds it, ignoring case") << "font"
                                                             << "FONT"
                                                             << "<font>" << false << "<font>" << 1;
        QTest::newRow("adjacent occurrences") << "FONTFONT"
                                              << "FONT"
                                              << "SPAN" << true << "SPANSPAN" << 2;
        QTest::newRow("overlapping occurrences once") << "aaaa"
                                                      << "aa"
                                                      << "b" << true << "bb" << 2;
        QTest::newRow("at both ends") << "ab-ab"
                                      << "ab"
                                      << "X" << true << "X-X" << 2;
        QTest::newRow("nothing found") << "abc"
                                       << "z"
                                       << "y" << true << "abc" << 0;
        QTest::newRow("whole text") << "abc"
                                    << "ABC"
                                    << "" << false << "" << 1;
        QTest::newRow("line ends untouched") << "a\r\nb\nc\rd"
                                             << "b"
                                             << "B" << true << "a\r\nB\nc\rd" << 1;
        QTest::newRow("non-latin ignoring case") << "Ärger ärger"
                                                 << "ÄRGER"
                                                 << "Ok" << false << "Ok Ok" << 2;
        QTest::newRow("find longer than text") << "ab"
                                               << "abc"
                                               << "x" << true << "ab" << 0;
    }

    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(bool, caseSensitive);
        QFETCH(QString, expected);
        QFETCH(int, count);
        qsizetype found = -1;
        QCOMPARE(multireplace::replaceAll(text, find, replacement,
                                          caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive,
                                          &found),
                 expected);
        QCOMPARE(found, qsizetype(count));
    }

    // Each file keeps its encoding and line ends; only the replaced bytes
    // change, and a file with nothing to replace is not written at all.
    void filesKeepEveryOtherByte_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<Outcome>("outcome");

        QTest::newRow("UTF-8, CR LF")
            << QByteArray("<FONT>\r\ncaf\xC3\xA9</font>\r\n") << "font"
            << "SPAN" << QByteArray("<SPAN>\r\ncaf\xC3\xA9</SPAN>\r\n") << Outcome::Written;
        QTest::newRow("UTF-8 with BOM, LF")
            << QByteArray("\xEF\xBB\xBF<b>x</b>\n") << "b"
            << "strong" << QByteArray("\xEF\xBB\xBF<strong>x</strong>\n") << Outcome::Written;
        QTest::newRow("Windows-1252 kept")
            << QByteArray("caf\xE9 \x93quoted\x94\r\n") << "quoted" << QStringLiteral("été")
            << QByteArray("caf\xE9 \x93\xE9t\xE9\x94\r\n") << Outcome::Written;
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\r") << "b"
                                         << "B" << QByteArray("a\r\nB\nc\r") << Outcome::Written;
        QTest::newRow("nothing found: untouched")
            << QByteArray("caf\xE9\r\n") << "zzz"
            << "y" << QByteArray("caf\xE9\r\n") << Outcome::Unchanged;
        QTest::newRow("empty find: untouched") << QByteArray("<p>\n") << ""
                                               << "y" << QByteArray("<p>\n") << Outcome::Unchanged;
        QTest::newRow("binary skipped")
            << QByteArray("GIF89a\x00\x01FONT", 12) << "FONT"
            << "SPAN" << QByteArray("GIF89a\x00\x01FONT", 12) << Outcome::Binary;
        QTest::newRow("Windows-1252 cannot hold the replacement")
            << QByteArray("caf\xE9 x") << "x" << QString(QChar(0x6F22)) << QByteArray("caf\xE9 x")
            << Outcome::Unencodable;
    }

    void filesKeepEveryOtherByte()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QByteArray, after);
        QFETCH(Outcome, outcome);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        QVERIFY(writeFile(path, before));
        const ino_t old = inode(path);
        const multireplace::FileResult result =
            multireplace::replaceInFile(path, find, replacement, Qt::CaseInsensitive);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(readFile(path), after);
        // Only a changed file is written anew.
        QCOMPARE(inode(path) != old, outcome == Outcome::Written);
    }

    // The run goes on past files it cannot change and names them at the end.
    void skipsAndReports()
    {
        QTemporaryDir dir;
        const QStringList names{"a.htm", "binary.htm", "locked.htm", "missing.htm", "z.txt"};
        for (const QString &name : names) {
            if (name == QLatin1String("missing.htm"))
                continue;
            QVERIFY(writeFile(dir.filePath(name), name == QLatin1String("binary.htm")
                                                      ? QByteArray("FONT\0", 5)
                                                      : QByteArray("<FONT>")));
        }
        Immutable locked(dir.filePath(QStringLiteral("locked.htm")));
        QVERIFY2(locked.active(), "chattr +i is needed");

        const QList<multireplace::FileResult> results = multireplace::replaceInFiles(
            dir.path(), names, QStringLiteral("FONT"), QStringLiteral("SPAN"), Qt::CaseSensitive);
        QCOMPARE(results.size(), names.size());
        const QList<Outcome> expected{Outcome::Written, Outcome::Binary, Outcome::Unwritable,
                                      Outcome::Unreadable, Outcome::Written};
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(results.at(i).name, names.at(i));
            QCOMPARE(results.at(i).outcome, expected.at(i));
        }
        QCOMPARE(results.at(0).replacements, 1);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("a.htm"))), QByteArray("<SPAN>"));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("z.txt"))), QByteArray("<SPAN>"));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("locked.htm"))), QByteArray("<FONT>"));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("binary.htm"))), QByteArray("FONT\0", 5));
        QCOMPARE(multireplace::skippedReport(results),
                 QStringLiteral("These files were left as they were:\n"
                                "binary.htm: is not a text file\n"
                                "locked.htm: cannot be written (Operation not permitted)\n"
                                "missing.htm: cannot be read"));
        QCOMPARE(multireplace::skippedReport(results.mid(0, 1)), QString());
        // No temporary file is left beside the locked one.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    // What a run must not touch: a file without a match keeps its bytes and
    // its date, a read-only one and a link out of the folder are skipped;
    // links inside the folder and hard links stay what they are.
    void leavesAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QByteArray>("after"); // of the file the name leads to
        QTest::newRow("no match") << "no-match" << Outcome::Unchanged << QByteArray("<B>");
        QTest::newRow("read-only") << "read-only" << Outcome::ReadOnly << QByteArray("<FONT>");
        QTest::newRow("link out of the folder")
            << "link-out" << Outcome::OutsideFolder << QByteArray("<FONT>");
        QTest::newRow("link inside the folder")
            << "link-in" << Outcome::Written << QByteArray("<SPAN>");
        QTest::newRow("hard link") << "hard-link" << Outcome::Written << QByteArray("<SPAN>");
    }
    void leavesAlone()
    {
        QFETCH(QString, kind);
        QFETCH(Outcome, outcome);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString site = dir.filePath("site");
        QVERIFY(QDir().mkpath(site + "/sub"));
        const QString page = site + "/page.htm";
        QString target = page; // the file the name leads to
        QVERIFY(writeFile(page, kind == "no-match" ? "<B>" : "<FONT>"));
        if (kind == "read-only") {
            QVERIFY(chmod(QFile::encodeName(page).constData(), 0444) == 0);
        } else if (kind == "link-out" || kind == "link-in") {
            target = kind == "link-out" ? dir.filePath("outside.htm") : site + "/sub/inside.htm";
            QVERIFY(QFile::remove(page));
            QVERIFY(writeFile(target, "<FONT>"));
            QVERIFY(QFile::link(target, page));
        } else if (kind == "hard-link") {
            target = dir.filePath("other-name.htm");
            QVERIFY(::link(QFile::encodeName(page).constData(),
                           QFile::encodeName(target).constData()) == 0);
        }
        // A day ago, so a rewrite would show.
        const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(dayAgo, QFileDevice::FileModificationTime));
        }
        const QList<multireplace::FileResult> results = multireplace::replaceInFiles(
            site, {"page.htm"}, QStringLiteral("FONT"), QStringLiteral("SPAN"), Qt::CaseSensitive);
        QCOMPARE(results.value(0).outcome, outcome);
        QCOMPARE(readFile(target), after);
        const QDateTime modified = QFileInfo(target).lastModified();
        QCOMPARE(modified == dayAgo, outcome != Outcome::Written);
        QCOMPARE(QFileInfo(page).isSymLink(), kind.startsWith("link"));
        if (kind == "hard-link")
            QCOMPARE(readFile(page), after);
        QCOMPARE(multireplace::skippedReport(results).contains("page.htm"),
                 outcome != Outcome::Written && outcome != Outcome::Unchanged);
        QCOMPARE(QDir(site).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"page.htm"});
    }

    // A file deleted while the run is under way does not come back.
    void vanishedFileStaysGone()
    {
        QTemporaryDir dir;
        for (const char *name : {"a.htm", "b.htm"})
            QVERIFY(writeFile(dir.filePath(name), "<FONT>"));
        multireplace::Run run(dir.path(), {"a.htm", "b.htm"}, QStringLiteral("FONT"),
                              QStringLiteral("SPAN"), Qt::CaseSensitive);
        QVERIFY(QFile::remove(dir.filePath("b.htm")));
        const QList<multireplace::FileResult> results = run.commit();
        QCOMPARE(results.value(0).outcome, Outcome::Written);
        QCOMPARE(results.value(1).outcome, Outcome::Vanished);
        QCOMPARE(readFile(dir.filePath("a.htm")), QByteArray("<SPAN>"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.htm"});
        QVERIFY(multireplace::skippedReport(results).contains("b.htm"));
    }

    // A run killed between writing its new contents and putting them in
    // place leaves the old files whole, and its temporaries are gone after
    // the next sweep or run.
    void killedRunLeavesNoTemporaries()
    {
        QTemporaryDir dir;
        const QStringList names{"a.htm", "b.htm", "c.htm"};
        for (const QString &name : names)
            QVERIFY(writeFile(dir.filePath(name), "<FONT>"));
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // Staged, then gone as a killed process goes: no clean-up runs.
            multireplace::Run run(dir.path(), names, QStringLiteral("FONT"), QStringLiteral("SPAN"),
                                  Qt::CaseSensitive);
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left.size(), 6);
        for (const QString &name : names)
            QCOMPARE(readFile(dir.filePath(name)), QByteArray("<FONT>"));
        QCOMPARE(safefile::removeStaleTemporaries(dir.path()), 3);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), names);
    }

    void matchingFiles()
    {
        QTemporaryDir dir;
        for (const char *name :
             {"b.HTM", "a.html", "c.txt", "d.TXT.bak", "e.gif", ".hidden.htm", "f.htmx", "G.Html"})
            QVERIFY(writeFile(dir.filePath(QLatin1String(name)), "x"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.htm")));
        QCOMPARE(multireplace::matchingFiles(dir.path(), QStringLiteral("*.htm;*.html;*.txt")),
                 (QStringList{"a.html", "b.HTM", "c.txt", "G.Html"}));
    }
};

QTEST_GUILESS_MAIN(TestMultiReplace)
#include "test_multireplace.moc"
