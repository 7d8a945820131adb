// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/linkcheck.h"
#include "site/sitelinks.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QtTest>

using linkcheck::Problem;
using linkcheck::Row;

Q_DECLARE_METATYPE(linkcheck::Problem)

namespace {

using testfiles::writeFileWithFolders;

// A small site the links of the page under test lead into.
bool makeSite(const QString &root)
{
    return writeFileWithFolders(root + "/other.htm",
                                "<html><body>\n<a name=\"part\">x</a>\n<p id=para>y</p>\n") &&
           writeFileWithFolders(root + "/img/logo.gif", "GIF89a") &&
           writeFileWithFolders(root + "/sub/page.htm", "<p>sub</p>") &&
           QDir(root).mkpath("docs") &&
           // Hidden folders and the program's temporaries are not the site's.
           writeFileWithFolders(root + "/.git/x.htm", "<a href=\"gone.htm\">") &&
           writeFileWithFolders(root + "/.other.htm.lorimel-1-abc.tmp", "<a href=\"gone.htm\">");
}

} // namespace

class TestLinkCheck : public QObject
{
    Q_OBJECT

private slots:
    // One page holding the markup at line 3; the rows the check gives.
    void check_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("problem"); // -1: no row
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("line");

        const int none = -1;
        auto p = [](Problem problem) { return int(problem); };
        const QString top = "page.htm";
        const QString deep = "sub/deep.htm";

        // Missing targets, named by what the link brings in.
        QTest::newRow("page") << top << "<a href=\"missing.htm\">x</a>"
                              << "missing.htm" << p(Problem::MissingFile) << "" << 3;
        QTest::newRow("frame") << top << "<FRAME SRC=\"nof.htm\">"
                               << "nof.htm" << p(Problem::MissingFrame) << "" << 3;
        QTest::newRow("iframe, single quotes") << top << "<iframe src='nof.htm'></iframe>"
                                               << "nof.htm" << p(Problem::MissingFrame) << "" << 3;
        QTest::newRow("image") << top << "<img src=\"pic.gif\">"
                               << "pic.gif" << p(Problem::MissingImage) << "" << 3;
        QTest::newRow("background, unquoted") << top << "<body background=bg.jpg>"
                                              << "bg.jpg" << p(Problem::MissingImage) << "" << 3;
        QTest::newRow("sound") << top << "<bgsound src=\"s.wav\">"
                               << "s.wav" << p(Problem::MissingSound) << "" << 3;
        QTest::newRow("style sheet") << top << "<link rel=\"StyleSheet\" href=\"style.css\">"
                                     << "style.css" << p(Problem::MissingStyleSheet) << "" << 3;
        QTest::newRow("script") << top << "<script src=\"app.js\"></script>"
                                << "app.js" << p(Problem::MissingScript) << "" << 3;
        QTest::newRow("value on the next line") << top << "<img\r\nsrc=\"pic.gif\">"
                                                << "pic.gif" << p(Problem::MissingImage) << "" << 4;

        // Places in pages.
        QTest::newRow("anchor in the page")
            << top << "<a href=\"#nowhere\">"
            << "#nowhere" << p(Problem::MissingAnchor) << "nowhere" << 3;
        QTest::newRow("anchor in another page")
            << top << "<a href=\"other.htm#gone\">"
            << "other.htm#gone" << p(Problem::MissingAnchor) << "gone" << 3;
        QTest::newRow("anchor by name") << top << "<a href=\"other.htm#part\">"
                                        << "" << none << "" << 0;
        QTest::newRow("anchor by id") << top << "<a href=\"other.htm#para\">"
                                      << "" << none << "" << 0;
        QTest::newRow("anchor here by id") << top << "<a href=\"#here\">x</a><h2 id=\"here\">"
                                           << "" << none << "" << 0;
        QTest::newRow("top of the page") << top << "<a href=\"#top\">"
                                         << "" << none << "" << 0;

        // Letter case and leaving the site.
        QTest::newRow("letter case of a page")
            << top << "<a href=\"Other.htm\">"
            << "Other.htm" << p(Problem::LetterCase) << "other.htm" << 3;
        QTest::newRow("letter case of a folder")
            << top << "<img src=\"IMG/logo.gif\">"
            << "IMG/logo.gif" << p(Problem::LetterCase) << "img/logo.gif" << 3;
        QTest::newRow("up and out") << top << "<a href=\"../outside.htm\">"
                                    << "../outside.htm" << p(Problem::OutsideSite) << "" << 3;
        QTest::newRow("file address elsewhere")
            << top << "<a href=\"file:///srv/elsewhere.htm\">"
            << "file:///srv/elsewhere.htm" << p(Problem::OutsideSite) << "" << 3;
        QTest::newRow("two folders up from a folder")
            << deep << "<a href=\"../../x.htm\">"
            << "../../x.htm" << p(Problem::OutsideSite) << "" << 3;

        // Links that are fine.
        QTest::newRow("up from a folder") << deep << "<img src=\"../img/logo.gif\">"
                                          << "" << none << "" << 0;
        QTest::newRow("beside in a folder") << deep << "<a href=\"page.htm\">"
                                            << "" << none << "" << 0;
        QTest::newRow("from the site root") << deep << "<a href=\"/other.htm\">"
                                            << "" << none << "" << 0;
        QTest::newRow("folder") << top << "<a href=\"docs/\">"
                                << "" << none << "" << 0;
        QTest::newRow("query and reference") << top << "<a href=\"other.htm?a=1&amp;b=2\">"
                                             << "" << none << "" << 0;
        QTest::newRow("percent-encoded") << top << "<img src=\"img/logo%2Egif\">"
                                         << "" << none << "" << 0;
        QTest::newRow("other site") << top << "<a href=\"http://example.com/no.htm\">"
                                    << "" << none << "" << 0;
        QTest::newRow("mail") << top << "<a href=\"mailto:a@example.com\">"
                              << "" << none << "" << 0;
        QTest::newRow("in a comment") << top << "<!-- <a href=\"missing.htm\"> -->"
                                      << "" << none << "" << 0;
        QTest::newRow("in a script")
            << top << "<script>document.write('<img src=\"no.gif\">')</script>"
            << "" << none << "" << 0;
        QTest::newRow("read from a base elsewhere")
            << top << "<base href=\"http://example.com/\"><a href=\"missing.htm\">"
            << "" << none << "" << 0;
    }

    void check()
    {
        QFETCH(QString, page);
        QFETCH(QString, markup);
        QFETCH(QString, link);
        QFETCH(int, problem);
        QFETCH(QString, detail);
        QFETCH(int, line);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(makeSite(dir.path()));
        const QString text = "<html>\r\n<body>\r\n" + markup + "\r\n</body></html>\r\n";
        QVERIFY(writeFileWithFolders(dir.path() + '/' + page, text.toUtf8()));

        linkcheck::Site site;
        QVERIFY(linkcheck::readSite(dir.path(), &site));
        QCOMPARE(site.pages.size(), 3);
        QList<Row> expected;
        if (problem >= 0)
            expected << Row{page, line, link, Problem(problem), detail};
        QCOMPARE(linkcheck::check(site), expected);
    }

    void cancelledReadStopsAtOnce()
    {
        QTemporaryDir dir;
        QVERIFY(makeSite(dir.path()));
        std::atomic<bool> cancel{false};
        int reports = 0;
        linkcheck::Progress progress;
        progress.cancel = &cancel;
        progress.report = [&](int, int) {
            ++reports;
            cancel = true;
        };
        linkcheck::Site site;
        QVERIFY(!linkcheck::readSite(dir.path(), &site, progress));
        QCOMPARE(reports, 1);
    }

    void relativePath_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside") << ""
                                << "b.htm"
                                << "b.htm";
        QTest::newRow("down") << ""
                              << "img/a.gif"
                              << "img/a.gif";
        QTest::newRow("up") << "sub"
                            << "a.htm"
                            << "../a.htm";
        QTest::newRow("across") << "a/b"
                                << "a/c/d.htm"
                                << "../c/d.htm";
        QTest::newRow("common prefix is not a folder") << "ab"
                                                       << "abc/x.htm"
                                                       << "../abc/x.htm";
        QTest::newRow("own folder") << "sub"
                                    << "sub"
                                    << "./";
    }

    void relativePath()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, expected);
        QCOMPARE(sitelinks::relativePath(from, to), expected);
    }

    void writtenPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("expected");
        const int utf8 = int(textfile::Encoding::Utf8);
        const int cp1252 = int(textfile::Encoding::Windows1252);
        QTest::newRow("plain") << "sub/a.htm" << utf8 << "sub/a.htm";
        QTest::newRow("space and hash") << "my page#1.htm" << utf8 << "my%20page%231.htm";
        QTest::newRow("ampersand") << "a&b.htm" << utf8 << "a&amp;b.htm";
        QTest::newRow("accent kept in UTF-8") << "café.htm" << utf8 << "café.htm";
        QTest::newRow("accent kept in 1252") << "café.htm" << cp1252 << "café.htm";
        QTest::newRow("Greek encoded in 1252") << "λ.htm" << cp1252 << "%CE%BB.htm";
    }

    void writtenPath()
    {
        QFETCH(QString, path);
        QFETCH(int, encoding);
        QFETCH(QString, expected);
        QCOMPARE(sitelinks::writtenPath(path, textfile::Encoding(encoding)), expected);
    }
};

QTEST_GUILESS_MAIN(TestLinkCheck)
#include "test_linkcheck.moc"
