// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/completion.h"
#include "editor/htmlvocabulary.h"

#include <QtTest>

using completion::Kind;
using completion::LetterCase;

Q_DECLARE_METATYPE(completion::Kind)
Q_DECLARE_METATYPE(completion::LetterCase)

namespace {

// The context at "|" of a text.
completion::Context contextOf(const QString &written)
{
    const qsizetype caret = written.indexOf(u'|');
    QString text = written;
    text.remove(caret, 1);
    const markupnav::ScannedText scanned(text.toUtf8());
    return completion::contextAt(scanned, text.left(caret).toUtf8().size());
}

QStringList labels(const QVector<completion::Entry> &entries)
{
    QStringList out;
    for (const completion::Entry &entry : entries)
        out << entry.label;
    return out;
}

} // namespace

class TestCompletion : public QObject
{
    Q_OBJECT
private slots:
    void contexts_data();
    void contexts();
    void entries_data();
    void entries();
    void caseOfTyping_data();
    void caseOfTyping();
    void sideBarListsAreOffered();
};

void TestCompletion::contexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("replaced"); // the word an entry replaces
    QTest::newRow("element, lower case") << "<ta|" << Kind::Element << "ta"
                                         << "ta";
    QTest::newRow("element, capitals") << "x <TA|BLE>" << Kind::Element << "TA"
                                       << "TABLE";
    QTest::newRow("element, nothing typed") << "<|" << Kind::Element << ""
                                            << "";
    QTest::newRow("declaration") << "<!DOC|" << Kind::Element << "!DOC"
                                 << "!DOC";
    QTest::newRow("end tag") << "<B>x</|" << Kind::EndTag << ""
                             << "";
    QTest::newRow("attribute after the name") << "<TABLE |" << Kind::Attribute << ""
                                              << "";
    QTest::newRow("attribute begun") << "<TABLE BORDER=1 cell|" << Kind::Attribute << "cell"
                                     << "cell";
    QTest::newRow("attribute on the next line") << "<TABLE\r\nBOR|" << Kind::Attribute << "BOR"
                                                << "BOR";
    QTest::newRow("value after =") << "<TD ALIGN=|>" << Kind::Value << ""
                                   << "";
    QTest::newRow("quoted value begun") << "<TD ALIGN=\"ce|nter\">" << Kind::Value << "ce"
                                        << "center";
    QTest::newRow("single-quoted value") << "<INPUT TYPE='ch|" << Kind::Value << "ch"
                                         << "ch";
    QTest::newRow("free value") << "<A HREF=\"x|" << Kind::None << ""
                                << "";
    QTest::newRow("entity") << "caf&ea|" << Kind::Entity << "ea"
                            << "ea";
    QTest::newRow("entity, capitals") << "<P>&AE|lig;" << Kind::Entity << "AE"
                                      << "AElig";
    QTest::newRow("text") << "<B>word|" << Kind::None << ""
                          << "";
    QTest::newRow("in a comment") << "<!-- <ta|" << Kind::None << ""
                                  << "";
    QTest::newRow("in a comment over lines") << "<!-- a\r\n<ta|" << Kind::None << ""
                                             << "";
    QTest::newRow("in script text") << "<SCRIPT>if (a<b|" << Kind::None << ""
                                    << "";
    QTest::newRow("entity in style text") << "<STYLE>p { x: &a|" << Kind::None << ""
                                          << "";
    QTest::newRow("an end tag's attributes") << "</B |" << Kind::None << ""
                                             << "";
    QTest::newRow("a lone <") << "a < |" << Kind::None << ""
                              << "";
}

void TestCompletion::contexts()
{
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, replaced);
    const completion::Context context = contextOf(text);
    QCOMPARE(context.kind, kind);
    if (kind == Kind::None)
        return;
    QCOMPARE(context.typed, typed);
    QString plain = text;
    plain.remove(u'|');
    QCOMPARE(QString::fromUtf8(plain.toUtf8().mid(context.from, context.to - context.from)),
             replaced);
}

void TestCompletion::entries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LetterCase>("setting");
    QTest::addColumn<QString>("label");  // an entry that must be there
    QTest::addColumn<QString>("insert"); // what it writes
    QTest::addColumn<bool>("obsolete");
    QTest::addColumn<QString>("first");  // the first entry
    QTest::addColumn<QString>("absent"); // an entry that must not be there
    const auto U = LetterCase::Upper, L = LetterCase::Lower;
    QTest::newRow("element typed in lower case") << "<ta|" << U << "table"
                                                 << "table" << false << "table"
                                                 << "TABLE";
    QTest::newRow("element typed in capitals") << "<TA|" << L << "TABLE"
                                               << "TABLE" << false << "TABLE"
                                               << "table";
    QTest::newRow("nothing typed: the setting, capitals") << "<|" << U << "BLOCKQUOTE"
                                                          << "BLOCKQUOTE" << false << "!--"
                                                          << "blockquote";
    QTest::newRow("nothing typed: the setting, lower case") << "<|" << L << "blockquote"
                                                            << "blockquote" << false << "!--"
                                                            << "BLOCKQUOTE";
    QTest::newRow("an obsolete element is offered, marked") << "<cen|" << U << "center"
                                                            << "center" << true << "center"
                                                            << "";
    QTest::newRow("a comment") << "<!|" << U << "!--"
                               << "!--  -->" << false << "!--"
                               << "TABLE";
    QTest::newRow("attribute with a value") << "<table bor|" << U << "border"
                                            << "border=\"\"" << true << "border"
                                            << "BORDER";
    QTest::newRow("attribute without a value") << "<INPUT TYPE=CHECKBOX CH|" << L << "CHECKED"
                                               << "CHECKED" << false << "CHECKED"
                                               << "";
    QTest::newRow("an attribute written is not offered again")
        << "<TABLE BORDER=1 |" << U << "WIDTH"
        << "WIDTH=\"\"" << true << "ACCESSKEY"
        << "BORDER";
    QTest::newRow("a later attribute of HTML 5") << "<IMG lo|" << U << "loading"
                                                 << "loading=\"\"" << false << "loading"
                                                 << "LOADING";
    QTest::newRow("values in the attribute's case") << "<TD ALIGN=|" << L << "CENTER"
                                                    << "\"CENTER\"" << false << "LEFT"
                                                    << "center";
    QTest::newRow("values in lower case") << "<td align=|" << U << "center"
                                          << "\"center\"" << false << "left"
                                          << "CENTER";
    QTest::newRow("a quoted value begun") << "<TD VALIGN=\"bo|" << U << "bottom"
                                          << "bottom\"" << false << "bottom"
                                          << "";
    QTest::newRow("a quoted value, closing quote there") << "<TD VALIGN=\"|\"" << U << "TOP"
                                                         << "TOP" << false << "TOP"
                                                         << "";
    QTest::newRow("values written as listed") << "<OL TYPE=|" << L << "A"
                                              << "\"A\"" << false << "1"
                                              << "";
    QTest::newRow("values of the element's own set") << "<IMG ALIGN=|" << U << "ABSMIDDLE"
                                                     << "\"ABSMIDDLE\"" << false << "LEFT"
                                                     << "JUSTIFY";
    QTest::newRow("entity in lower case")
        << "&ag|" << U << QString::fromUtf8("agrave  à") << "agrave;" << false
        << QString::fromUtf8("agrave  à") << "";
    QTest::newRow("entity in capitals")
        << "&Ag|" << L << QString::fromUtf8("Agrave  À") << "Agrave;" << false
        << QString::fromUtf8("Agrave  À") << "";
    QTest::newRow("entity with its ; there")
        << "&cop|;" << U << QString::fromUtf8("copy  ©") << "copy" << false
        << QString::fromUtf8("copf  \U0001D554") << "";
    QTest::newRow("end tag: the open elements, innermost first") << "<UL><LI>x</|" << U << "UL"
                                                                 << "UL>" << false << "LI"
                                                                 << "TABLE";
}

void TestCompletion::entries()
{
    QFETCH(QString, text);
    QFETCH(LetterCase, setting);
    QFETCH(QString, label);
    QFETCH(QString, insert);
    QFETCH(bool, obsolete);
    QFETCH(QString, first);
    QFETCH(QString, absent);
    const QVector<completion::Entry> entries = completion::entries(contextOf(text), setting);
    const QStringList shown = labels(entries);
    QVERIFY2(shown.contains(label), qPrintable(shown.mid(0, 20).join(u' ')));
    const completion::Entry &entry = entries[shown.indexOf(label)];
    QCOMPARE(entry.insert, insert);
    QCOMPARE(entry.obsolete, obsolete);
    QCOMPARE(shown.first(), first);
    if (!absent.isEmpty())
        QVERIFY(!shown.contains(absent));
}

void TestCompletion::caseOfTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<LetterCase>("setting");
    QTest::addColumn<LetterCase>("result");
    QTest::newRow("nothing") << "" << LetterCase::Lower << LetterCase::Lower;
    QTest::newRow("lower") << "ta" << LetterCase::Upper << LetterCase::Lower;
    QTest::newRow("capitals") << "TA" << LetterCase::Lower << LetterCase::Upper;
    QTest::newRow("mixed") << "Ta" << LetterCase::Upper << LetterCase::Upper;
    QTest::newRow("digits only") << "1" << LetterCase::Lower << LetterCase::Lower;
    QTest::newRow("letters and digits") << "h1" << LetterCase::Upper << LetterCase::Lower;
}

void TestCompletion::caseOfTyping()
{
    QFETCH(QString, typed);
    QFETCH(LetterCase, setting);
    QFETCH(LetterCase, result);
    QCOMPARE(completion::caseOf(typed, setting), result);
}

// The side bar's tag and attribute lists are part of what is offered.
void TestCompletion::sideBarListsAreOffered()
{
    const QStringList elements =
        labels(completion::entries(contextOf(QStringLiteral("<|")), LetterCase::Upper));
    for (QString tag : vocabulary::paletteTags()) {
        tag.replace(QLatin1String("!-- --"), QLatin1String("!--"));
        QVERIFY2(elements.contains(tag), qPrintable(tag));
    }
    QSet<QString> attributes;
    for (const vocabulary::Element &element : vocabulary::elements()) {
        for (const vocabulary::Attribute &attribute : vocabulary::attributesOf(element.name))
            attributes.insert(attribute.name.toUpper());
    }
    for (const QString &attribute : vocabulary::paletteAttributes())
        QVERIFY2(attributes.contains(attribute), qPrintable(attribute));
}

QTEST_GUILESS_MAIN(TestCompletion)
#include "test_completion.moc"
