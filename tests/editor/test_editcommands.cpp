// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editcommands.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "support/colours.h"
#include "support/fakeworkbench.h"

#include <QtTest>

namespace {
constexpr qint64 kLinks = 8388608, kOther = 32768;
using namespace testcolours;

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT
private slots:
    void tagCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mixed-case link")
            << "<a Href=\"Page.htm\">Go Home</a>" << true << "<A HREF=\"PAGE.HTM\">Go Home</A>";
        QTest::newRow("lower case") << "Text <B>Bold</B> <IMG SRC=\"A.GIF\">" << false
                                    << "Text <b>Bold</b> <img src=\"a.gif\">";
        QTest::newRow("empty document") << "" << true << "";
        QTest::newRow("no tags") << "plain words" << true << "plain words";
        QTest::newRow("last tag unclosed")
            << "<b>x</b> <a href=\"y" << true << "<B>x</B> <a href=\"y";
        QTest::newRow("comment to its first >")
            << "<!-- a <b> c -->d" << true << "<!-- A <B> c -->d";
        // Letters whose UTF-8 length changes with their case.
        QTest::newRow("kelvin sign") << QString::fromUtf8("<p title=\"\u212A\">\u212A") << false
                                     << QString::fromUtf8("<p title=\"k\">\u212A");
        QTest::newRow("dotless i")
            << QString::fromUtf8("é<\u0131>ı") << true << QString::fromUtf8("é<I>ı");
        QTest::newRow("crlf lines") << "<p>\r\n<br>\r\nx" << true << "<P>\r\n<BR>\r\nx";
    }
    void tagCase()
    {
        QFETCH(QString, text);
        QFETCH(bool, upper);
        QFETCH(QString, expected);
        FakeWorkbench wb;
        wb.editor->setDocumentText(text);
        if (upper)
            editcommands::upperCaseAllTags(wb);
        else
            editcommands::lowerCaseAllTags(wb);
        QCOMPARE(wb.editor->documentText(), expected);
        QCOMPARE(wb.editor->characterLength(), expected.size());
    }

    void caretBackAndRecoloured()
    {
        FakeWorkbench wb;
        const QString text = QStringLiteral("<p>Go <a href=\"x\">there</a> now");
        wb.editor->setDocumentText(text);
        wb.editor->colorRange(0, text.size(), kRed); // stale colours
        wb.editor->select(8, 3);
        wb.appState.colourStart = 5; // a pending range must not narrow the colouring
        wb.appState.colourLength = 2;
        editcommands::upperCaseAllTags(wb);
        QCOMPARE(wb.editor->documentText(), QStringLiteral("<P>Go <A HREF=\"X\">there</A> now"));
        QCOMPARE(wb.editor->selStart(), qsizetype(8));
        QCOMPARE(wb.editor->colorAt(0), kOther);
        QCOMPARE(wb.editor->colorAt(4), qint64(0));
        QCOMPARE(wb.editor->colorAt(6), kLinks);
        QCOMPARE(wb.editor->colorAt(18), qint64(0));
        QCOMPARE(wb.editor->colorAt(23), kLinks);
        QCOMPARE(wb.editor->colorAt(text.size() - 1), qint64(0));
    }

    void coloursKeptWhenSmartColorIsOff_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("upper");
        QTest::newRow("ascii") << "ab<b>cd</b>ef"
                               << "RRBBB..R.BBRR" << true;
        QTest::newRow("kelvin sign to lower case")
            << QString::fromUtf8("é<\u212A>\u212Aü<X>") << "RBBB.RBRB" << false;
        QTest::newRow("dotless i to upper case")
            << QString::fromUtf8("€<\u0131 \u0131>x") << "RBRBBR." << true;
    }
    void coloursKeptWhenSmartColorIsOff()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, upper);
        QCOMPARE(pattern.size(), text.size());
        FakeWorkbench wb;
        wb.appState.colouringOff = true;
        wb.editor->setDocumentText(text);
        paint(*wb.editor, pattern);
        if (upper)
            editcommands::upperCaseAllTags(wb);
        else
            editcommands::lowerCaseAllTags(wb);
        QVERIFY(wb.editor->documentText() != text);
        QCOMPARE(coloursOf(*wb.editor), colours(pattern));
    }

    void oneUndoStepAndTheRecordUntouched()
    {
        FakeWorkbench wb;
        HtmlEditor &e = *wb.editor;
        e.setDocumentText(QStringLiteral("<p>a</p> b <i>c</i>"));
        e.setSelStart(9);
        insertion::insertFragment(e, wb.appState, QStringLiteral("<br>"));
        const QString inserted = e.documentText();
        const UndoRecord record = wb.appState.undo;
        QVERIFY(record.valid);
        editcommands::upperCaseAllTags(wb);
        QCOMPARE(e.documentText(), QStringLiteral("<P>a</P> <BR>b <I>c</I>"));
        QCOMPARE(wb.appState.undo.valid, record.valid);
        QCOMPARE(wb.appState.undo.undoStart, record.undoStart);
        QCOMPARE(wb.appState.undo.undoLength, record.undoLength);
        QCOMPARE(wb.appState.undo.replacedText, record.replacedText);
        e.undo(); // the editor's own undo reverts the whole conversion at once
        QCOMPARE(e.documentText(), inserted);
    }

    void nothingChangesNothing()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("<B>x</B>"));
        QVERIFY(!editcommands::convertTagCase(*wb.editor, tagcase::Case::Upper));
        QVERIFY(!wb.editor->isUndoAvailable());
    }

    void noDocument()
    {
        FakeWorkbench wb;
        delete wb.editor;
        wb.editor = nullptr;
        editcommands::upperCaseAllTags(wb);
        editcommands::lowerCaseAllTags(wb);
        QVERIFY(wb.scripted.asked.isEmpty());
    }
};

QTEST_MAIN(TestEditCommands)
#include "test_editcommands.moc"
