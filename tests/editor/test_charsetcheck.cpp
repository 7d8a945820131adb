// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/charsetcheck.h"

#include <QtTest>

using textfile::Encoding;

Q_DECLARE_METATYPE(textfile::Encoding)

namespace {

QString page(const QString &head, const QString &body)
{
    return "<html><head>" + head + "</head><body>" + body + "</body></html>";
}

} // namespace

class TestCharsetCheck : public QObject
{
    Q_OBJECT

private slots:
    void declared_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("charset"); // empty: none found

        QTest::newRow("meta charset") << page("<meta charset=\"utf-8\">", "") << "utf-8";
        QTest::newRow("http-equiv") << page("<META HTTP-EQUIV=\"Content-Type\" "
                                            "CONTENT=\"text/html; charset=windows-1252\">",
                                            "")
                                    << "windows-1252";
        QTest::newRow("unquoted, spaces")
            << page("<meta charset= ' ISO-8859-1 ' >", "") << "ISO-8859-1";
        QTest::newRow("content before http-equiv")
            << page("<meta content=\"text/html;charset=UTF-8\" http-equiv=content-type>", "")
            << "UTF-8";
        QTest::newRow("other http-equiv")
            << page("<meta http-equiv=\"refresh\" content=\"5; charset=utf-8\">", "") << "";
        QTest::newRow("in a comment") << page("<!-- <meta charset=\"utf-8\"> -->", "") << "";
        QTest::newRow("in the body") << page("", "<meta charset=\"utf-8\">") << "";
        QTest::newRow("first one counts")
            << page("<meta charset=\"utf-8\"><meta charset=\"windows-1252\">", "") << "utf-8";
    }

    void declared()
    {
        QFETCH(QString, text);
        QFETCH(QString, charset);
        const charsetcheck::Declaration d = charsetcheck::declared(text);
        QCOMPARE(d.found, !charset.isEmpty());
        if (d.found) {
            QCOMPARE(d.charset, charset);
            // Where it stands, so it can be replaced in place.
            QCOMPARE(text.mid(d.start, d.length), charset);
        }
    }

    void judge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Encoding>("encoding");
        QTest::addColumn<bool>("mismatch");
        QTest::addColumn<int>("declaredEncoding"); // -1: none the program writes

        const QString utf8 = "<meta charset=\"UTF-8\">";
        const QString latin = "<meta http-equiv=\"Content-Type\" "
                              "content=\"text/html; charset=iso-8859-1\">";
        const QString greek = "<meta charset=\"iso-8859-7\">";
        const QString accented = QString::fromUtf8("caf\u00e9");
        const int u8 = int(Encoding::Utf8);
        const int cp = int(Encoding::Windows1252);

        QTest::newRow("UTF-8 declared, stored as 1252")
            << page(utf8, accented) << Encoding::Windows1252 << true << u8;
        QTest::newRow("UTF-8 declared and stored")
            << page(utf8, accented) << Encoding::Utf8 << false << u8;
        QTest::newRow("latin declared, stored as UTF-8")
            << page(latin, accented) << Encoding::Utf8 << true << cp;
        QTest::newRow("latin declared and stored")
            << page(latin, accented) << Encoding::Windows1252 << false << cp;
        QTest::newRow("ASCII reads the same either way")
            << page(utf8, "cafe") << Encoding::Windows1252 << false << u8;
        QTest::newRow("a byte-order mark decides")
            << page(latin, "cafe") << Encoding::Utf8Bom << true << cp;
        QTest::newRow("mark in front of 1252")
            << page(latin, accented) << Encoding::Windows1252Bom << true << cp;
        QTest::newRow("another legacy charset in 1252")
            << page(greek, accented) << Encoding::Windows1252 << false << -1;
        QTest::newRow("another legacy charset in UTF-8")
            << page(greek, accented) << Encoding::Utf8 << true << -1;
        QTest::newRow("nothing declared")
            << page("", accented) << Encoding::Windows1252 << false << -1;
    }

    void judge()
    {
        QFETCH(QString, text);
        QFETCH(Encoding, encoding);
        QFETCH(bool, mismatch);
        QFETCH(int, declaredEncoding);
        const charsetcheck::Verdict verdict = charsetcheck::judge(text, encoding);
        QCOMPARE(verdict.mismatch, mismatch);
        QCOMPARE(verdict.declaredEncoding ? int(*verdict.declaredEncoding) : -1, declaredEncoding);
    }

    void referencesFor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // the text with the references made
        QTest::newRow("none") << QString::fromUtf8("caf\u00e9 \u20ac") << "";
        QTest::newRow("Greek and emoji") << QString::fromUtf8("\u03bb\u00e9\U0001F600x")
                                         << QString::fromUtf8("&#955;\u00e9&#128512;x");
    }

    void referencesFor()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QString out = text;
        const QList<charsetcheck::Replacement> list =
            charsetcheck::referencesFor(text, Encoding::Windows1252);
        for (auto it = list.crbegin(); it != list.crend(); ++it)
            out.replace(it->start, it->length, it->text);
        QCOMPARE(out, expected.isEmpty() ? text : expected);
    }
};

QTEST_GUILESS_MAIN(TestCharsetCheck)
#include "test_charsetcheck.moc"
