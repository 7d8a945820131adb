// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/manual.h"
#include "kernel/keytable.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The contents' links in the order the page lists them.
QStringList contentsOrder()
{
    return {"1",   "2",   "3",   "4",   "T1",  "T2",  "T3",  "T4",  "T5",  "T6",
            "T7",  "T8",  "T9",  "T10", "T11", "T12", "T13", "T14", "T15", "T16",
            "T17", "T18", "T25", "T19", "T20", "T21", "T22", "T23", "T24", "T26",
            "5",   "O1",  "O2",  "O3",  "O4",  "O5",  "O6"};
}

QStringList captured(const QString &text, const QString &pattern)
{
    QStringList out;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT
private slots:
    void structure()
    {
        const QString page = manual::text();
        QCOMPARE(page, manual::textHtml() + manual::textHtml2());
        QVERIFY(page.contains("<TITLE>Lorimel 3.0 Manual</TITLE>"));
        QVERIFY(page.contains("A:hover {color: #F08C30}"));
        QVERIFY(page.contains(
            "<BODY BGCOLOR=\"#FFFFFF\" LINK=\"#0000B0\" VLINK=\"#0000B0\" ALINK=\"#FF0000\" "
            "TEXT=\"#000000\">"));
        // The banner, after the body opens and before the contents.
        const QString banner = manual::banner();
        QVERIFY(banner.contains("<FONT SIZE=6 COLOR=\"#FF0000\"><B>Lorimel 3.0</B></FONT>"));
        QVERIFY(banner.contains("<FONT SIZE=4>HTML Authoring System</FONT>"));
        // Two gradient dividers, red to blue in five cells.
        QCOMPARE(banner.count("<!-- Begin Gradient Divider -->"), 2);
        QCOMPARE(banner.count("<!-- End Gradient Divider-->"), 2);
        for (const char *colour : {"#FF0000", "#CC0033", "#990066", "#660099", "#3300CC"})
            QVERIFY2(banner.count(QLatin1String(colour)) >= 2, colour);
        QVERIFY(page.indexOf(banner) > page.indexOf("<BODY"));
        QVERIFY(page.indexOf(banner) < page.indexOf("Contents"));
        // Lines end in CR LF only.
        QCOMPARE(page.count(u'\n'), page.count(QStringLiteral("\r\n")));
        QCOMPARE(page.count(u'\r'), page.count(u'\n'));
        QVERIFY(page.endsWith("</HTML>\r\n"));
    }

    void contentsAndAnchors()
    {
        const QString page = manual::text();
        const QString contents =
            page.left(page.indexOf("<HR>")); // the contents end at the first rule
        QCOMPARE(captured(contents, "HREF=\"#([^\"]+)\""), contentsOrder());
        // Every anchor once; the tool and feature sections headed by a bold one.
        const QStringList anchors = captured(page, "NAME=\"([^\"]+)\"");
        for (const QString &name : contentsOrder()) {
            QCOMPARE(anchors.count(name), 1);
            if (name.startsWith(u'T') || name.startsWith(u'O'))
                QVERIFY2(page.contains(QStringLiteral("<B><A NAME=\"%1\">").arg(name)),
                         qPrintable(name));
        }
        // Sections in the contents' order, and every link inside the page
        // points at one of them.
        int last = -1;
        for (const QString &name : contentsOrder()) {
            const int at = int(page.indexOf(QStringLiteral("NAME=\"%1\"").arg(name)));
            QVERIFY2(at > last, qPrintable(name));
            last = at;
        }
        for (const QString &target : captured(page, "HREF=\"#([^\"]+)\""))
            QVERIFY2(anchors.contains(target), qPrintable(target));
    }

    // The key table lists every key of the program with what it does.
    void keyTableListsEveryKey()
    {
        const QString page = manual::text();
        const qsizetype table = page.indexOf(QLatin1String("<A NAME=\"O6\">Keys</A>"));
        QVERIFY(table > 0);
        const QString keys = page.mid(table);
        for (const keytable::Row &row : keytable::rows()) {
            for (const QString &key : QString::fromLatin1(row.keys).split(QStringLiteral("; ")))
                QVERIFY2(keys.contains("<B>" + key + "</B>"), row.keys);
            QVERIFY2(keys.contains(keytable::commandOf(row).toHtmlEscaped()), row.item);
        }
    }

    void writeReplacesThePreviewFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("caching.htm");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older preview, longer than nothing");
        old.close();
        QVERIFY(manual::write(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), manual::text().toUtf8());
        QString error;
        QVERIFY(!manual::write(dir.filePath("missing/caching.htm"), &error));
        QVERIFY(!error.isEmpty());
    }

    void tidyFindsNoErrors()
    {
        const QString tidy = QStandardPaths::findExecutable("tidy");
        QVERIFY2(!tidy.isEmpty(), "tidy is not installed (scripts/setup installs it)");
        QTemporaryDir dir;
        const QString path = dir.filePath("manual.htm");
        QVERIFY(manual::write(path));
        QProcess p;
        p.start(tidy, {"-q", "-e", path});
        QVERIFY(p.waitForFinished(30000));
        // 0: clean, 1: warnings only, 2: errors. The banner's dividers are
        // tables without a summary, which tidy only warns about.
        const QString report = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() <= 1, qPrintable(report));
        for (const QString &line : report.split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(line.contains(QLatin1String("lacks \"summary\"")), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestManual)
#include "test_manual.moc"
