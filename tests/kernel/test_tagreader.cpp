// SPDX-License-Identifier: GPL-3.0-or-later
// Start tags read back as the builders write them, and damaged ones refused.

#include "kernel/tagreader.h"

#include <QtTest>

namespace {

// "NAME=value" or a bare "NAME" per attribute, with the spans checked: each
// attribute's text from its white space to its end, put together with the
// name and the rest, gives the tag again.
QStringList described(const QString &text, const tagreader::Tag &tag)
{
    QStringList out;
    QString rebuilt = text.left(tag.nameEnd);
    qsizetype pos = tag.nameEnd;
    for (const tagreader::Attribute &a : tag.attributes) {
        out << (a.hasValue ? a.name + u'=' + a.value : a.name);
        if (a.start != pos || text.mid(a.nameStart, a.nameEnd - a.nameStart) != a.name)
            out << QStringLiteral("<bad span>");
        rebuilt += text.mid(a.start, a.end - a.start);
        pos = a.end;
    }
    rebuilt += text.mid(pos, tag.length - pos);
    if (rebuilt != text.left(tag.length))
        out << QStringLiteral("<does not rebuild>");
    return out;
}

} // namespace

class TestTagReader : public QObject
{
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("attributes");
        QTest::addColumn<int>("length"); // -1: refused

        QTest::newRow("as the builders write")
            << "<IMG SRC=\"a.png\" WIDTH=10 ALT=\"A cat\">rest"
            << "IMG" << QStringList{"SRC=a.png", "WIDTH=10", "ALT=A cat"} << 38;
        QTest::newRow("lower case, single quotes")
            << "<img src='a b.png' class=x>"
            << "img" << QStringList{"src=a b.png", "class=x"} << 27;
        QTest::newRow("bare attributes")
            << "<INPUT TYPE=\"CHECKBOX\" NAME=\"a\" CHECKED>"
            << "INPUT" << QStringList{"TYPE=CHECKBOX", "NAME=a", "CHECKED"} << 40;
        QTest::newRow("empty value the builders write")
            << "<IFRAME ALIGN= NAME=\"Frame1\">"
            << "IFRAME" << QStringList{"ALIGN=", "NAME=Frame1"} << 29;
        QTest::newRow("empty value at the end") << "<MARQUEE BEHAVIOR=>"
                                                << "MARQUEE" << QStringList{"BEHAVIOR="} << 19;
        QTest::newRow("spaces round a quoted value") << "<TD width = \"100\">"
                                                     << "TD" << QStringList{"width=100"} << 18;
        QTest::newRow("quote written as &quot;") << "<A TITLE=\"say &quot;hi&quot;\">"
                                                 << "A" << QStringList{"TITLE=say \"hi\""} << 30;
        QTest::newRow("> inside a quoted value") << "<A ONCLICK=\"x>1\">"
                                                 << "A" << QStringList{"ONCLICK=x>1"} << 17;
        QTest::newRow("value glued to the next name")
            << "<A HREF=\"x\"TITLE=\"y\">"
            << "A" << QStringList{"HREF=x", "TITLE=y"} << 21;
        QTest::newRow("self-closing") << "<BR CLEAR=ALL />"
                                      << "BR" << QStringList{"CLEAR=ALL"} << 16;
        QTest::newRow("line breaks between attributes")
            << "<object\r\n\tid=\"a\"\r\n\twidth=80 >"
            << "object" << QStringList{"id=a", "width=80"} << 29;
        QTest::newRow("no attributes") << "<FORM>"
                                       << "FORM" << QStringList{} << 6;

        QTest::newRow("no >") << "<IMG SRC=\"a.png\"" << QString() << QStringList{} << -1;
        QTest::newRow("runs into the next tag")
            << "<IMG SRC=a.png <P>text" << QString() << QStringList{} << -1;
        QTest::newRow("quote never closes")
            << "<A HREF=\"x>text</A>" << QString() << QStringList{} << -1;
        QTest::newRow("quote where a name starts")
            << "<A \"x\">" << QString() << QStringList{} << -1;
        QTest::newRow("end tag") << "</A>" << QString() << QStringList{} << -1;
        QTest::newRow("comment") << "<!-- x -->" << QString() << QStringList{} << -1;
        QTest::newRow("a < in text") << "< b" << QString() << QStringList{} << -1;
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QStringList, attributes);
        QFETCH(int, length);
        const std::optional<tagreader::Tag> tag = tagreader::read(text);
        QCOMPARE(tag.has_value(), length >= 0);
        if (!tag)
            return;
        QCOMPARE(tag->name, name);
        QCOMPARE(tag->length, qsizetype(length));
        QCOMPARE(described(text, *tag), attributes);
    }

    void readAt()
    {
        const QString text = QStringLiteral("text <B>x</B> <FONT SIZE=3>");
        const std::optional<tagreader::Tag> tag = tagreader::read(text, 14);
        QVERIFY(tag);
        QCOMPARE(tag->value(u"size"), QStringLiteral("3"));
        QVERIFY(!tagreader::read(text, 0));
        QVERIFY(!tagreader::read(text, text.size()));
    }

    void find_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("value"); // "<none>" when it is missing
        QTest::newRow("any letter case") << "src"
                                         << "a.png";
        QTest::newRow("the first of two") << "ALT"
                                          << "one";
        QTest::newRow("bare") << "ISMAP"
                              << "";
        QTest::newRow("missing") << "WIDTH"
                                 << "<none>";
    }
    void find()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, value);
        const std::optional<tagreader::Tag> tag =
            tagreader::read(QStringLiteral("<IMG Src=\"a.png\" ALT=one ISMAP alt=two>"));
        QVERIFY(tag);
        const tagreader::Attribute *a = tag->find(wanted);
        QCOMPARE(a ? a->value : QStringLiteral("<none>"), value);
        QCOMPARE(tag->has(wanted), a != nullptr);
    }

    void bodyBackground_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("background");
        QTest::newRow("colour value") << "<HTML><BODY BGCOLOR=\"#102030\" TEXT=RED>"
                                      << "#102030";
        QTest::newRow("name, lower case") << "<body bgcolor=navy>"
                                          << "navy";
        QTest::newRow("no BGCOLOR") << "<BODY TEXT=RED>"
                                    << "";
        QTest::newRow("no BODY") << "<P>text"
                                 << "";
        QTest::newRow("BODYX is not BODY") << "<BODYX BGCOLOR=RED><BODY BGCOLOR=BLUE>"
                                           << "BLUE";
        QTest::newRow("damaged BODY") << "<BODY BGCOLOR=\"RED"
                                      << "";
    }
    void bodyBackground()
    {
        QFETCH(QString, text);
        QFETCH(QString, background);
        QCOMPARE(tagreader::bodyBackground(text), background);
    }
};

QTEST_GUILESS_MAIN(TestTagReader)
#include "test_tagreader.moc"
