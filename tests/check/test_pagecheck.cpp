// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a page with tidy: findings with their places, pages checked as
// what they declare, and findings that follow edits.

#include "check/pagecheck.h"

#include <QtTest>

using pagecheck::Doctype;
using pagecheck::Finding;
using pagecheck::Severity;

Q_DECLARE_METATYPE(pagecheck::Doctype)

namespace {

// "3:17 E <foo> is not recognized!" per finding, one a line.
QString show(const QList<Finding> &findings)
{
    QStringList lines;
    for (const Finding &f : findings) {
        lines << QStringLiteral("%1:%2 %3 %4")
                     .arg(f.line)
                     .arg(f.column)
                     .arg(f.severity == Severity::Error ? QStringLiteral("E") : QStringLiteral("W"))
                     .arg(f.message);
    }
    return lines.join(u'\n');
}

const char Html5[] = "<!DOCTYPE html>\n";
const char Html32[] = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n";
const char Html401[] = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n";
const char Xhtml[] = "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
                     "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n";

// What the builders write: FONT, CENTER and presentational attributes.
const char LegacyBody[] =
    "<HTML><HEAD><TITLE>Page</TITLE></HEAD>\n"
    "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\n"
    "<CENTER><FONT FACE=\"Arial\" SIZE=4 COLOR=\"RED\">Hello</FONT></CENTER>\n"
    "<P ALIGN=CENTER>Text</P><HR NOSHADE SIZE=2>\n"
    "</BODY></HTML>\n";

} // namespace

class TestPageCheck : public QObject
{
    Q_OBJECT
private slots:
    void declaredDoctype_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<Doctype>("doctype");
        QTest::newRow("html 5") << QByteArray(Html5) << Doctype::Html5;
        QTest::newRow("html 5, lower case, legacy-compat")
            << QByteArray("<!doctype html system \"about:legacy-compat\">") << Doctype::Html5;
        QTest::newRow("html 3.2") << QByteArray(Html32) << Doctype::Legacy;
        QTest::newRow("xhtml") << QByteArray(Xhtml) << Doctype::Legacy;
        QTest::newRow("after a mark, space, a comment and a declaration")
            << QByteArray("\xEF\xBB\xBF \r\n<!-- <!DOCTYPE html> -->\n<?xml version=\"1.0\"?>") +
                   Html401
            << Doctype::Legacy;
        QTest::newRow("none") << QByteArray(LegacyBody) << Doctype::None;
        QTest::newRow("after the first element") << QByteArray("<HTML>") + Html5 << Doctype::None;
        QTest::newRow("comment that never ends")
            << QByteArray("<!-- <!DOCTYPE html>") << Doctype::None;
        QTest::newRow("empty") << QByteArray() << Doctype::None;
    }
    void declaredDoctype()
    {
        QFETCH(QByteArray, page);
        QFETCH(Doctype, doctype);
        QCOMPARE(pagecheck::declaredDoctype(page), doctype);
    }

    // Pages with known faults give tidy's findings at their places, errors
    // told from warnings, in the order of the text.
    void knownFaults_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unknown element, tab and wide characters")
            << QByteArray("<!DOCTYPE html>\n<html><head><title>x</title></head><body>\n"
                          "\t\t<foo>a</foo>\n\xC3\xA9\xC3\xA9<bar>b</bar>\n</body></html>\n")
            << "3:3 E <foo> is not recognized!\n"
               "3:3 W discarding unexpected <foo>\n"
               "3:9 W discarding unexpected </foo>\n"
               "4:3 E <bar> is not recognized!\n"
               "4:3 W discarding unexpected <bar>\n"
               "4:9 W discarding unexpected </bar>";
        QTest::newRow("no doctype, crossed tags, lone CR line ends")
            << QByteArray("<HTML><HEAD><TITLE>x</TITLE></HEAD>\r<BODY>\r\n<P><B>bold</I>\r"
                          "</BODY></HTML>")
            << "1:1 W missing <!DOCTYPE> declaration\n"
               "3:4 W replacing unexpected i with </i>"; // where the B that is left open begins
        QTest::newRow("clean html 5")
            << QByteArray("<!DOCTYPE html>\n<html lang=\"en\"><head><title>x</title></head>"
                          "<body><p>Hello</p></body></html>\n")
            << "";
    }
    void knownFaults()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, expected);
        QCOMPARE(show(pagecheck::check(page)), expected);
    }

    // FONT, CENTER and the presentational attributes are faults in HTML 5
    // only.
    void legacyMarkup_data()
    {
        QTest::addColumn<QByteArray>("doctype");
        QTest::addColumn<bool>("reported");
        QTest::newRow("no doctype") << QByteArray() << false;
        QTest::newRow("html 3.2") << QByteArray(Html32) << false;
        QTest::newRow("html 4.01") << QByteArray(Html401) << false;
        QTest::newRow("xhtml 1.0") << QByteArray(Xhtml) << false;
        QTest::newRow("html 5") << QByteArray(Html5) << true;
    }
    void legacyMarkup()
    {
        QFETCH(QByteArray, doctype);
        QFETCH(bool, reported);
        const QList<Finding> findings = pagecheck::check(doctype + LegacyBody);
        QStringList legacy;
        for (const Finding &f : findings) {
            for (const char *word :
                 {"<font>", "<center>", "\"bgcolor\"", "\"align\"", "\"noshade\""}) {
                if (f.message.contains(QLatin1String(word), Qt::CaseInsensitive))
                    legacy << f.message;
            }
        }
        QVERIFY2(legacy.isEmpty() != reported, qPrintable(show(findings)));
    }

    // Whatever the bytes, the check ends and says something sensible.
    void hostilePages_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("NULs") << QByteArray("<P>a\0b\0</P>", 11);
        QTest::newRow("not UTF-8") << QByteArray("<P>\xFF\xFE\xC3(</P>\x80");
        QTest::newRow("only less-thans") << QByteArray(100000, '<');
        QTest::newRow("deep nesting") << QByteArray("<DIV>").repeated(20000);
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    }
    void hostilePages()
    {
        QFETCH(QByteArray, page);
        const QList<Finding> findings = pagecheck::check(page);
        for (const Finding &f : findings) {
            QVERIFY(f.line >= 0 && f.column >= 0);
            QVERIFY(!f.message.isEmpty());
        }
    }

    void afterEdit_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QList<int>>("expected");
        const QList<int> lines{1, 3, 3, 5, 9};
        QTest::newRow("typing on a line") << lines << 3 << 3 << 0 << QList<int>{1, 5, 9};
        QTest::newRow("a line without findings") << lines << 4 << 4 << 0 << lines;
        QTest::newRow("a line break") << lines << 4 << 4 << 1 << QList<int>{1, 3, 3, 6, 10};
        QTest::newRow("joining two lines") << lines << 4 << 5 << -1 << QList<int>{1, 3, 3, 8};
        QTest::newRow("lines deleted") << lines << 2 << 6 << -4 << QList<int>{1, 5};
        QTest::newRow("pasted above") << lines << 1 << 1 << 10 << QList<int>{13, 13, 15, 19};
        QTest::newRow("after the last") << lines << 20 << 20 << 3 << lines;
    }
    void afterEdit()
    {
        QFETCH(QList<int>, lines);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, delta);
        QFETCH(QList<int>, expected);
        QList<Finding> findings;
        for (int line : lines)
            findings.append({line, 1, Severity::Warning, QStringLiteral("m")});
        pagecheck::afterEdit(findings, first, last, delta);
        QList<int> got;
        for (const Finding &f : findings)
            got << f.line;
        QCOMPARE(got, expected);
    }
};

QTEST_GUILESS_MAIN(TestPageCheck)
#include "test_pagecheck.moc"
