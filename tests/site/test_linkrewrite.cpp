// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/linkrewrite.h"
#include "site/sitefiles.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using testfiles::readFile;
using testfiles::writeFileWithFolders;

// The site's pages, each made from the links it holds, so a test can say
// what every page is before and after in the same words.
QByteArray movedPage(const QString &own)
{
    return ("<html><body>\n<a href=\"" + own + "\">c</a>\n").toUtf8();
}

// UTF-8 with LF line ends.
QByteArray pageOne(const QString &a, const QString &b, const QString &c)
{
    return ("<html>\n<a href=\"" + a + "\">A</a> <a href='" + b +
            "#x'>caf\u00e9</a>\n<a href=\"ab.htm\">\n<img src=" + c + "?q=1 alt=\"\">\n")
        .toUtf8();
}

// Windows-1252 with CR LF line ends, tags in capitals.
QByteArray pageTwo(const QString &a)
{
    return "<HTML>\r\n<P>caf\xe9 \x93quoted\x94</P>\r\n<A HREF=\"" + a.toLatin1() +
           "\">A</A>\r\n<!-- a.htm -->\r\n";
}

// UTF-8 with a byte-order mark, in a folder.
QByteArray pageThree(const QString &a, const QString &b)
{
    return "\xEF\xBB\xBF" +
           ("<p>\u00fcber <a href=\"" + a + "\">up</a> <a href=\"" + b + "\">root</a></p>\n")
               .toUtf8();
}

// Links to none of what moves.
QByteArray untouched()
{
    return "<a href=\"other.htm\">a.htm</a><a href=\"http://example.com/a.htm\">";
}

} // namespace

class TestLinkRewrite : public QObject
{
    Q_OBJECT

private slots:
    // Moves in a site whose pages link to a.htm; each page's bytes after.
    void moveKeepsLinks_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("pages"); // path after the move, then its bytes
        QTest::addColumn<QList<QByteArray>>("bytes");

        QTest::newRow("rename a page")
            << "a.htm"
            << "b.htm" << QStringList{"b.htm", "p1.htm", "p2.htm", "sub/p3.htm", "other.htm"}
            << QList<QByteArray>{movedPage("sub/c.htm"), pageOne("b.htm", "b.htm", "b.htm"),
                                 pageTwo("b.htm"), pageThree("../b.htm", "/b.htm"), untouched()};
        QTest::newRow("name that needs escaping")
            << "a.htm"
            << "a & b.htm"
            << QStringList{"a & b.htm", "p1.htm", "p2.htm", "sub/p3.htm", "other.htm"}
            << QList<QByteArray>{
                   movedPage("sub/c.htm"),
                   pageOne("a%20&amp;%20b.htm", "a%20&amp;%20b.htm", "a%20&amp;%20b.htm"),
                   pageTwo("a%20&amp;%20b.htm"),
                   pageThree("../a%20&amp;%20b.htm", "/a%20&amp;%20b.htm"), untouched()};
        QTest::newRow("move a page into a folder")
            << "a.htm"
            << "sub/a.htm"
            << QStringList{"sub/a.htm", "p1.htm", "p2.htm", "sub/p3.htm", "other.htm"}
            << QList<QByteArray>{movedPage("c.htm"), pageOne("sub/a.htm", "sub/a.htm", "sub/a.htm"),
                                 pageTwo("sub/a.htm"), pageThree("a.htm", "/sub/a.htm"),
                                 untouched()};
        QTest::newRow("rename a folder")
            << "sub"
            << "part" << QStringList{"a.htm", "p1.htm", "p2.htm", "part/p3.htm", "other.htm"}
            << QList<QByteArray>{movedPage("part/c.htm"), pageOne("a.htm", "a.htm", "a.htm"),
                                 pageTwo("a.htm"), pageThree("../a.htm", "/a.htm"), untouched()};
    }

    void moveKeepsLinks()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, pages);
        QFETCH(QList<QByteArray>, bytes);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = dir.path();
        QVERIFY(writeFileWithFolders(root + "/a.htm", movedPage("sub/c.htm")));
        QVERIFY(writeFileWithFolders(root + "/p1.htm", pageOne("a.htm", "a.htm", "a.htm")));
        QVERIFY(writeFileWithFolders(root + "/p2.htm", pageTwo("a.htm")));
        QVERIFY(writeFileWithFolders(root + "/sub/p3.htm", pageThree("../a.htm", "/a.htm")));
        QVERIFY(writeFileWithFolders(root + "/sub/c.htm", "<p>c</p>"));
        QVERIFY(writeFileWithFolders(root + "/other.htm", untouched()));

        const linkrewrite::Move move{from, to};
        const linkrewrite::Plan plan = linkrewrite::plan(root, move);
        QVERIFY(plan.unreadable.isEmpty());
        for (const linkrewrite::PageChange &change : plan.changes)
            QVERIFY2(change.movedTo != "other.htm", "a page without such links is not changed");
        QCOMPARE(site::movePath(root + '/' + from, root + '/' + to), site::RenameResult::Renamed);
        for (const linkrewrite::WriteResult &result : linkrewrite::write(root, plan.changes))
            QVERIFY2(result.ok, qPrintable(result.page + ": " + result.error));

        for (qsizetype i = 0; i < pages.size(); ++i)
            QCOMPARE(readFile(root + '/' + pages[i]), bytes[i]);
        QCOMPARE(readFile(root + "/" + linkrewrite::movedPath("sub/c.htm", move)),
                 QByteArray("<p>c</p>"));
    }

    void pageChangedSinceThePlanIsLeftAlone()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        QVERIFY(writeFileWithFolders(root + "/a.htm", "a"));
        QVERIFY(writeFileWithFolders(root + "/p.htm", "<a href=\"a.htm\">"));
        const linkrewrite::Plan plan = linkrewrite::plan(root, {"a.htm", "b.htm"});
        QCOMPARE(plan.changes.size(), 1);
        QVERIFY(writeFileWithFolders(root + "/p.htm", "<a href=\"a.htm\">edited"));
        const QList<linkrewrite::WriteResult> results = linkrewrite::write(root, plan.changes);
        QCOMPARE(results.size(), 1);
        QVERIFY(!results[0].ok);
        QVERIFY(!results[0].error.isEmpty());
        QCOMPARE(readFile(root + "/p.htm"), QByteArray("<a href=\"a.htm\">edited"));
    }

    void openDocumentIsPlannedNotWritten()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        QVERIFY(writeFileWithFolders(root + "/a.htm", "a"));
        QVERIFY(writeFileWithFolders(root + "/p.htm", "<a href=\"a.htm\">on disk"));
        const auto open = [&](const QString &path, QString *text, textfile::Encoding *encoding) {
            if (path != root + "/p.htm")
                return false;
            *text = "<p>edited</p><a href=\"a.htm\">";
            *encoding = textfile::Encoding::Utf8;
            return true;
        };
        const linkrewrite::Plan plan = linkrewrite::plan(root, {"a.htm", "b.htm"}, open);
        QCOMPARE(plan.changes.size(), 1);
        const linkrewrite::PageChange &change = plan.changes[0];
        QVERIFY(change.open);
        QCOMPARE(linkrewrite::applied(change.text, change.edits),
                 QString("<p>edited</p><a href=\"b.htm\">"));
        QVERIFY(linkrewrite::write(root, plan.changes).isEmpty());
        QCOMPARE(readFile(root + "/p.htm"), QByteArray("<a href=\"a.htm\">on disk"));
    }
};

QTEST_GUILESS_MAIN(TestLinkRewrite)
#include "test_linkrewrite.moc"
