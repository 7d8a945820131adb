// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/elementmap.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

namespace {

// "name@start" for each element of the chain, innermost first.
QString describe(const QString &text, const QVector<qsizetype> &chain)
{
    QStringList parts;
    for (qsizetype start : chain) {
        qsizetype end = start + 1;
        while (end < text.size() && !text[end].isSpace() && text[end] != u'>' && text[end] != u'/')
            ++end;
        parts << text.mid(start + 1, end - start - 1) + u'@' + QString::number(start);
    }
    return parts.join(u' ');
}

// Tag soup from a seed: tags opened and closed in any order, void tags,
// comments, quoted values holding ">" and stray "<".
QString soup(quint32 seed, int pieces)
{
    static const char *const names[] = {"div", "p",  "b",    "i",  "table", "tr", "td",
                                        "li",  "ul", "span", "br", "img",   "a",  "font"};
    QRandomGenerator rng(seed);
    QString text;
    for (int k = 0; k < pieces; ++k) {
        const QString name = QLatin1String(names[rng.bounded(int(std::size(names)))]);
        switch (rng.bounded(6)) {
        case 0:
        case 1:
            text += u'<' + name + u'>';
            break;
        case 2:
            text += QStringLiteral("</") + name + u'>';
            break;
        case 3:
            text += u'<' + name + QStringLiteral(" title=\"a>b\">");
            break;
        case 4:
            text += QStringLiteral("<!-- <") + name + QStringLiteral("> -->");
            break;
        default:
            text += QStringLiteral("x < y ");
        }
    }
    return text;
}

} // namespace

class TestElementMap : public QObject
{
    Q_OBJECT
private slots:
    // "|" marks the caret; it is taken out before the text is scanned.
    void chainAt_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("chain");
        const char *const rows[][3] = {
            {"nested", "<html><body><p>Hi <b>wo|rld</b></p></body></html>",
             "b@18 p@12 body@6 html@0"},
            {"after an end tag", "<p>a <b>x</b> y|z</p>", "p@0"},
            {"inside a start tag", "<p><a hre|f=x>link</a></p>", "a@3 p@0"},
            {"just before a start tag", "<p>x|<b>y</b></p>", "b@4 p@0"},
            {"empty text", "|", ""},
            {"paragraphs never closed", "<p>one<p>tw|o", "p@6"},
            {"list items never closed", "<ul><li>a<li>b|</ul>", "li@9 ul@0"},
            {"cells and rows never closed", "<table><tr><td>a<td>b|\n<tr><td>c</table>",
             "td@16 tr@7 table@0"},
            {"stray end tag ignored", "<div>a</span>b|</div>", "div@0"},
            {"closed by the outer end tag", "<div><b>bold</div>af|ter", ""},
            {"at the end of an unclosed element", "<div><b>bold|</div>", "b@5 div@0"},
            {"tags inside a comment", "<p><!-- <b> -->te|xt</p>", "p@0"},
            {"comment never closed", "<p><!-- <b>|", "p@0"},
            {"script text holds tags", "<p><script>if (a<b) x='<i>'</script>te|xt", "p@0"},
            {"caret in a script", "<script>var s='<b>|'</script>", "script@0"},
            {"script end tag with a space", "<script>x</script >|<b>", "b@19"},
            {"> in a quoted value", "<a title=\"1 > 0\">li|nk</a>", "a@0"},
            {"void elements", "<p>a<br>b<img src=x>|</p>", "p@0"},
            {"doctype and capitals", "<!DOCTYPE html><HTML><BODY><P>x|", "P@27 BODY@21 HTML@15"},
            {"unterminated tag at the end", "<p>text <a href=\"x|", "a@8 p@0"},
            {"plaintext swallows the rest", "<plaintext><b>|", "plaintext@0"},
            {"less-than in text", "<p>1 < 2 and 3 <4|</p>", "p@0"},
            {"end tag in another case", "<B>x</b>y|", ""},
            {"textarea holds tags", "<textarea><p>|</textarea>", "textarea@0"},
            {"self-closing in svg", "<svg><circle/><rect/>|</svg>", "svg@0"},
            {"self-closing div stays open", "<div/>x|", "div@0"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
    }
    void chainAt()
    {
        QFETCH(QString, markup);
        QFETCH(QString, chain);
        const qsizetype caret = markup.indexOf(u'|');
        QString text = markup;
        text.remove(caret, 1);
        const elementmap::Map map = elementmap::scan(text);
        QCOMPARE(describe(text, elementmap::chainAt(map, caret)), chain);
    }

    void instrument_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("served");
        const char *const rows[][3] = {
            {"element", "<p>x</p>", "<H><p data-lmpos=\"0\">x</p>"},
            {"after a doctype", "<!DOCTYPE html>\r\n<p>",
             "<!DOCTYPE html><H>\r\n<p data-lmpos=\"17\">"},
            {"doctype after white space", " <!doctype html><b>",
             " <!doctype html><H><b data-lmpos=\"16\">"},
            {"doctype after text is none", "x<!DOCTYPE html>", "<H>x<!DOCTYPE html>"},
            {"self-closing", "<br/>", "<H><br data-lmpos=\"0\"/>"},
            {"comment", "<!-- <b> --><i>", "<H><!-- <b> --><i data-lmpos=\"12\">"},
            {"script text", "<script>\"<b>\"</script><u>",
             "<H><script data-lmpos=\"0\">\"<b>\"</script><u data-lmpos=\"22\">"},
            {"attributes kept", "<a href='x'>", "<H><a data-lmpos=\"0\" href='x'>"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
    }
    void instrument()
    {
        QFETCH(QString, text);
        QFETCH(QString, served);
        QCOMPARE(elementmap::instrument(text, elementmap::scan(text), QStringLiteral("<H>")),
                 served);
    }

    // On any tag soup the elements nest, each start tag is marked once, and
    // taking the marks out gives the text back.
    void soupNestsAndRoundTrips_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 42u, 1000u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void soupNestsAndRoundTrips()
    {
        QFETCH(quint32, seed);
        const QString text = soup(seed, 3000);
        const elementmap::Map map = elementmap::scan(text);
        QVERIFY(!map.elements.isEmpty());
        for (int k = 0; k < map.elements.size(); ++k) {
            const elementmap::Element &e = map.elements[k];
            QCOMPARE(text[e.start], QChar(u'<'));
            QVERIFY(e.start < e.nameEnd && e.nameEnd <= e.end && e.end <= text.size());
            if (k > 0)
                QVERIFY(map.elements[k - 1].start < e.start);
            if (e.parent >= 0) {
                const elementmap::Element &p = map.elements[e.parent];
                QVERIFY2(p.start < e.start && e.end <= p.end, qPrintable(QString::number(k)));
            }
        }
        QString served = elementmap::instrument(text, map);
        served.remove(QRegularExpression(QStringLiteral(" data-lmpos=\"\\d+\"")));
        QCOMPARE(served, text);
    }
};

QTEST_MAIN(TestElementMap)
#include "test_elementmap.moc"
