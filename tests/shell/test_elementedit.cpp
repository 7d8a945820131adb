// SPDX-License-Identifier: GPL-3.0-or-later
// Edit Element through the real builders: an element a builder wrote, with
// an attribute it does not know, comes back byte for byte when the builder
// is closed with OK unchanged; a changed field changes that attribute only,
// as one undo step; Cancel changes nothing; markup that cannot be read
// opens the builder empty and changes nothing.

#include "editor/htmleditor.h"
#include "shell/elementedit.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/builderdialog.h"
#include "widgets/listgrid.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

namespace {

const QChar Caret = u'|';

// The builder window Edit Element opened, if any.
BuilderDialog *openBuilder(FakeWorkbench &bench)
{
    for (BuilderDialog *b : bench.main.findChildren<BuilderDialog *>(Qt::FindDirectChildrenOnly)) {
        if (b->isVisible())
            return b;
    }
    return nullptr;
}

QAbstractButton *button(QWidget *builder, QDialogButtonBox::ButtonRole role)
{
    for (QDialogButtonBox *box : builder->findChildren<QDialogButtonBox *>()) {
        for (QAbstractButton *b : box->buttons()) {
            if (box->buttonRole(b) == role)
                return b;
        }
    }
    return nullptr;
}

// Sets the field of that caption (the visible one where pages repeat a
// caption), or a cell of the builder's grid given as "cell ROW,COLUMN".
bool setField(QWidget *builder, const QString &caption, const QString &value)
{
    if (caption.startsWith(QLatin1String("cell "))) {
        auto *grid = builder->findChild<ListGrid *>();
        const QStringList at = caption.mid(5).split(u',');
        if (!grid || at.size() != 2)
            return false;
        grid->setText(at[0].toInt(), at[1].toInt(), value);
        return true;
    }
    QWidget *found = nullptr;
    for (QWidget *w : builder->findChildren<QWidget *>()) {
        if (w->accessibleName() != caption ||
            !(qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)))
            continue;
        if (!found || w->isVisibleTo(builder))
            found = w;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(found))
        edit->setText(value);
    else if (auto *combo = qobject_cast<QComboBox *>(found))
        combo->setEditText(value);
    return found != nullptr;
}

void load(FakeWorkbench &bench, QString document)
{
    const qsizetype caret = document.indexOf(Caret);
    document.remove(caret, 1);
    bench.editor->setDocumentText(document);
    bench.editor->setSelStart(caret);
}

} // namespace

class TestElementEdit : public QObject
{
    Q_OBJECT
private slots:
    void builders_data()
    {
        QTest::addColumn<QString>("document"); // the caret marked "|"
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("link") << "<P>See <A HREF=\"a.htm\" CLASS=\"nav\" TARGET=_top>the "
                                 "|page</A> now.</P>"
                              << "Form3"
                              << "URL"
                              << "b.htm"
                              << "<P>See <A HREF=\"b.htm\" CLASS=\"nav\" TARGET=_top>the page</A> "
                                 "now.</P>";
        QTest::newRow("link caption") << "<A HREF=\"a.htm\" CLASS=\"nav\">the |page</A>"
                                      << "Form3"
                                      << "Link Caption"
                                      << "a page"
                                      << "<A HREF=\"a.htm\" CLASS=\"nav\">a page</A>";
        QTest::newRow("e-mail link") << "<A HREF=MAILTO:me@example.org rel=me>m|e</A>"
                                     << "Form3"
                                     << "E-mail address"
                                     << "you@example.org"
                                     << "<A HREF=MAILTO:you@example.org rel=me>me</A>";
        QTest::newRow("image") << "x <IMG SRC=\"cat.png\" WIDTH=40 id=\"c\" ALT=\"A cat\"|> y"
                               << "Form4"
                               << "Width"
                               << "80"
                               << "x <IMG SRC=\"cat.png\" WIDTH=80 id=\"c\" ALT=\"A cat\"> y";
        QTest::newRow("font") << "<FONT FACE=\"Arial\" SIZE=\"3\" data-x=1>H|i</FONT>"
                              << "Form8"
                              << "Font Size"
                              << "5"
                              << "<FONT FACE=\"Arial\" SIZE=\"5\" data-x=1>Hi</FONT>";
        const QString marquee = QStringLiteral(
            "<!--Begin Marquee-->\r\n<MARQUEE  BEHAVIOR=SCROLL DIRECTION=LEFT title=t>H|i"
            "</MARQUEE>\r\n<!--End Marquee-->\r\n");
        QTest::newRow("marquee") << marquee << "Form5"
                                 << "Behavior"
                                 << "SLIDE"
                                 << "<!--Begin Marquee-->\r\n<MARQUEE  BEHAVIOR=SLIDE "
                                    "DIRECTION=LEFT title=t>Hi</MARQUEE>\r\n<!--End Marquee-->\r\n";
        QTest::newRow("marquee text colour")
            << marquee << "Form5"
            << "Text Color"
            << "RED"
            << "<!--Begin Marquee-->\r\n<FONT COLOR=RED>\r\n<MARQUEE  BEHAVIOR=SCROLL "
               "DIRECTION=LEFT title=t>Hi</MARQUEE></FONT>\r\n<!--End Marquee-->\r\n";
        QTest::newRow("floating frame")
            << "<IFRAME ALIGN=TOP NAME=\"Frame1\" SRC=\"in.htm\" STYLE=\"x\" FRAMEBORDER=0 "
               "SCROLLING=NO>|</IFRAME>"
            << "Form20"
            << "HTML File"
            << "out.htm"
            << "<IFRAME ALIGN=TOP NAME=\"Frame1\" SRC=\"out.htm\" STYLE=\"x\" FRAMEBORDER=0 "
               "SCROLLING=NO></IFRAME>";
        QTest::newRow("form input") << "<INPUT TYPE=\"TEXT\" NAME=\"q\" SIZE=\"20\" class=big|>"
                                    << "Form23"
                                    << "Value"
                                    << "x"
                                    << "<INPUT TYPE=\"TEXT\" NAME=\"q\" SIZE=\"20\" VALUE=\"x\" "
                                       "class=big>";
        QTest::newRow("text box") << "<TEXTAREA NAME=\"t\" COLS=\"40\" wrap=soft>ol|d</TEXTAREA>"
                                  << "Form23"
                                  << "Value"
                                  << "new"
                                  << "<TEXTAREA NAME=\"t\" COLS=\"40\" wrap=soft>new</TEXTAREA>";
        QTest::newRow("listbox") << "<SELECT NAME=\"s\" SIZE=\"1\" id=k>\r\n<OPTION "
                                    "VALUE=\"a\">Apple|\r\n</SELECT>\r\n"
                                 << "Form24"
                                 << "Name"
                                 << "t"
                                 << "<SELECT NAME=\"t\" SIZE=\"1\" id=k>\r\n<OPTION "
                                    "VALUE=\"a\">Apple\r\n</SELECT>\r\n";
        QTest::newRow("form") << "<!-- Begin Form -->\r\n<FORM ACTION=\"go.cgi\" METHOD=POST "
                                 "class=f>\r\n|\r\n\r\n</FORM>\r\n<!-- Form End -->\r\n"
                              << "Form11"
                              << "Target"
                              << "_blank"
                              << "<!-- Begin Form -->\r\n<FORM ACTION=\"go.cgi\" METHOD=POST "
                                 "TARGET=\"_blank\" class=f>\r\n\r\n\r\n</FORM>\r\n<!-- Form End "
                                 "-->\r\n";
        QTest::newRow("background sound") << "<BGSOUND SRC=\"a.wav\" LOOP=INFINITE balance=0|>"
                                          << "Form6"
                                          << "Loop"
                                          << "2"
                                          << "<BGSOUND SRC=\"a.wav\" LOOP=2 balance=0>";
        QTest::newRow("table") << "\n<!-- Beginning of Table -->\r\n<TABLE BORDER=1 "
                                  "CELLPADDING=3 CELLSPACING=2 summary=\"s\">\r\n<TR>\r\n<TD>|x"
                                  "</TD>\r\n</TR>\r\n</TABLE>\r\n"
                               << "Form1"
                               << "Border Size"
                               << "4"
                               << "\n<!-- Beginning of Table -->\r\n<TABLE BORDER=4 "
                                  "CELLPADDING=3 CELLSPACING=2 summary=\"s\">\r\n<TR>\r\n<TD>x"
                                  "</TD>\r\n</TR>\r\n</TABLE>\r\n";
        QTest::newRow("applet") << "<APPLET NAME=\"app\" CODEBASE=\"java/\" CODE=\"A.class\" "
                                   "WIDTH=100 HEIGHT=100 MAYSCRIPT>|</APPLET>"
                                << "Form41"
                                << "Filename of Applet"
                                << "B.class"
                                << "<APPLET NAME=\"app\" CODEBASE=\"java/\" CODE=\"B.class\" "
                                   "WIDTH=100 HEIGHT=100 MAYSCRIPT></APPLET>";
        QTest::newRow("parameters")
            << "<APPLET CODE=\"A.class\">\r\n<PARAM NAME=\"speed\" |VALUE=\"5\">\r\n</APPLET>"
            << "Form33"
            << "cell 0,1"
            << "9"
            << "<APPLET CODE=\"A.class\">\r\n<PARAM NAME=\"speed\" VALUE=\"9\">\r\n</APPLET>";
    }
    void builders()
    {
        QFETCH(QString, document);
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const QString original = QString(document).remove(Caret);

        FakeWorkbench bench;
        bench.main.show();
        enum Close { Ok, Cancel };
        // Opens the builder on the element, sets the field when given, and
        // closes it.
        auto reopen = [&](const QString &caption, Close close) {
            load(bench, document);
            elementedit::editAtCaret(bench);
            BuilderDialog *builder = openBuilder(bench);
            QVERIFY2(builder, "no builder opened");
            QCOMPARE(builder->objectName(), window);
            if (!caption.isEmpty())
                QVERIFY2(setField(builder, caption, value), qPrintable(caption));
            QAbstractButton *b = button(builder, close == Ok ? QDialogButtonBox::AcceptRole
                                                             : QDialogButtonBox::RejectRole);
            QVERIFY(b);
            QTest::mouseClick(b, Qt::LeftButton);
            gui::flushDeletes();
        };

        reopen(QString(), Ok);
        QCOMPARE(bench.editor->documentText(), original);
        QVERIFY2(!bench.editor->isUndoAvailable(), "an unchanged element wrote an undo step");

        reopen(field, Cancel);
        QCOMPARE(bench.editor->documentText(), original);

        reopen(field, Ok);
        QCOMPARE(bench.editor->documentText(), expected);
        bench.editor->undo();
        QCOMPARE(bench.editor->documentText(), original);
        QCOMPARE(bench.scripted.unexpected, 0);
        QVERIFY(bench.scripted.messages().isEmpty());
    }

    void lineFeedDocument()
    {
        // The builder writes CR LF; a document of LF keeps its own.
        FakeWorkbench bench;
        bench.main.show();
        load(bench, "<SELECT NAME=\"s\">\n<OPTION VALUE=\"a\">A|pple\n</SELECT>\n");
        bench.editor->setCrLf(false);
        elementedit::editAtCaret(bench);
        auto *builder = openBuilder(bench);
        QVERIFY(builder);
        auto *grid = builder->findChild<ListGrid *>();
        QVERIFY(grid);
        grid->setRows({{"Apple", "a"}, {"Pear", "p"}});
        QTest::mouseClick(button(builder, QDialogButtonBox::AcceptRole), Qt::LeftButton);
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<SELECT NAME=\"s\">\n<OPTION VALUE=\"a\">Apple\n"
                                "<OPTION VALUE=\"p\">Pear\n</SELECT>\n"));
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("window"); // "" for none
        QTest::addColumn<QString>("message");
        QTest::newRow("a tag without its end") << "<IMG SRC=\"a.png\" WI|DTH=3 <P>text"
                                               << "Form4"
                                               << "cannot be read";
        QTest::newRow("a caption without its end tag") << "<A HREF=\"a.htm\">te|xt"
                                                       << "Form3"
                                                       << "cannot be read";
        QTest::newRow("an INPUT the builder does not write") << "<INPUT TYPE=\"FILE\" NAME=\"f\"|>"
                                                             << "Form23"
                                                             << "does not write";
        QTest::newRow("no element a builder writes") << "<P>te|xt</P>"
                                                     << ""
                                                     << "no element";
    }
    void unreadable()
    {
        QFETCH(QString, document);
        QFETCH(QString, window);
        QFETCH(QString, message);
        const QString original = QString(document).remove(Caret);
        FakeWorkbench bench;
        bench.main.show();
        load(bench, document);
        elementedit::editAtCaret(bench);
        QCOMPARE(bench.scripted.messages().size(), 1);
        QVERIFY2(bench.scripted.messages().first().contains(message),
                 qPrintable(bench.scripted.messages().first()));
        BuilderDialog *builder = openBuilder(bench);
        QCOMPARE(builder ? builder->objectName() : QString(), window);
        if (builder) {
            // Empty, as from its menu: its first text box holds nothing.
            const auto edits = builder->findChildren<QLineEdit *>();
            QVERIFY(std::none_of(edits.begin(), edits.end(), [](const QLineEdit *e) {
                return e->text().contains(QLatin1String("a.htm")) ||
                       e->text().contains(QLatin1String("a.png"));
            }));
            QTest::mouseClick(button(builder, QDialogButtonBox::RejectRole), Qt::LeftButton);
        }
        QCOMPARE(bench.editor->documentText(), original);
    }

    void changedMeanwhile()
    {
        // What the builder read is no longer there when it closes: nothing
        // is written over the new text.
        FakeWorkbench bench;
        bench.main.show();
        load(bench, "<IMG SRC=\"a.png\" ALT=\"x\"|>");
        elementedit::editAtCaret(bench);
        BuilderDialog *builder = openBuilder(bench);
        QVERIFY(builder);
        bench.editor->setDocumentText("<IMG SRC=\"b.png\" ALT=\"y\">");
        QVERIFY(setField(builder, "Width", "9"));
        QTest::mouseClick(button(builder, QDialogButtonBox::AcceptRole), Qt::LeftButton);
        QCOMPARE(bench.editor->documentText(), QStringLiteral("<IMG SRC=\"b.png\" ALT=\"y\">"));
        QCOMPARE(bench.scripted.messages().size(), 1);
    }
};

QTEST_MAIN(TestElementEdit)
#include "test_elementedit.moc"
