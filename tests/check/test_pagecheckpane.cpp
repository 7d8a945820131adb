// SPDX-License-Identifier: GPL-3.0-or-later
// The Page Check pane: tidy's findings listed from a worker, marked in the
// margin, followed through edits, filtered, and jumped to; the command in
// the main window.

#include "check/pagecheckpane.h"
#include "editor/htmleditor.h"
#include "support/mainrun.h"

#include <QComboBox>
#include <QDockWidget>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {

// Unknown elements on lines 3, 5 and 7: an error and two warnings each.
const char Page[] = "<!DOCTYPE html>\n"
                    "<html><head><title>x</title></head><body>\n"
                    "<foo>a</foo>\n"
                    "<p>fine</p>\n"
                    "<bar>b</bar>\n"
                    "<p>fine</p>\n"
                    "<baz>c</baz>\n"
                    "</body></html>\n";

// The distinct lines of the findings, and of the margin markers (from 1).
QString findingLines(const PageCheckPane &pane)
{
    QStringList lines;
    for (const pagecheck::Finding &f : pane.findings()) {
        if (!lines.contains(QString::number(f.line)))
            lines << QString::number(f.line);
    }
    return lines.join(u' ');
}

QString markerLines(HtmlEditor &editor)
{
    const long mask = (1 << PageCheckPane::ErrorMarker) | (1 << PageCheckPane::WarningMarker);
    QStringList lines;
    for (long line = editor.SendScintilla(QsciScintillaBase::SCI_MARKERNEXT, 0L, mask); line >= 0;
         line = editor.SendScintilla(QsciScintillaBase::SCI_MARKERNEXT, line + 1, mask))
        lines << QString::number(line + 1);
    return lines.join(u' ');
}

long lineStart(HtmlEditor &editor, int line)
{
    return editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(line - 1));
}

// As a mouse does it: press, release, the second press, release.
void doubleClick(QWidget *widget, const QPoint &at)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &second);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

bool checkAndWait(PageCheckPane &pane, HtmlEditor &editor)
{
    QSignalSpy done(&pane, &PageCheckPane::finished);
    pane.check(&editor);
    return done.wait(120000);
}

} // namespace

class TestPageCheckPane : public QObject
{
    Q_OBJECT
private slots:
    void listedFromAWorker()
    {
        HtmlEditor editor;
        PageCheckPane pane;
        editor.setDocumentText(QString::fromLatin1(Page));
        QSignalSpy done(&pane, &PageCheckPane::finished);
        pane.check(&editor);
        // Nothing yet: the check runs beside the event loop.
        QVERIFY(pane.isChecking());
        QVERIFY(pane.findings().isEmpty());
        QVERIFY(done.wait(120000));
        QCOMPARE(done.first().at(0).toInt(), 3); // errors
        QCOMPARE(done.first().at(1).toInt(), 6); // warnings
        QCOMPARE(findingLines(pane), QStringLiteral("3 5 7"));
        QCOMPARE(markerLines(editor), QStringLiteral("3 5 7"));
        const pagecheck::Finding first = pane.findings().first();
        QCOMPARE(first.line, 3);
        QCOMPARE(first.column, 1);
        QCOMPARE(first.message, QStringLiteral("<foo> is not recognized!"));

        // Errors only, and back; the choice is told.
        auto *view = pane.findChild<QTreeView *>(QStringLiteral("lstFindings"));
        auto *show = pane.findChild<QComboBox *>(QStringLiteral("cboShow"));
        QSignalSpy shown(&pane, &PageCheckPane::warningsShownChanged);
        QCOMPARE(view->model()->rowCount(), 9);
        show->setCurrentIndex(1);
        QCOMPARE(view->model()->rowCount(), 3);
        QCOMPARE(view->model()->index(1, 0).data().toInt(), 5);
        QCOMPARE(shown.size(), 1);
        QVERIFY(!pane.warningsShown());

        // Enter and a double-click jump to the finding's place.
        view->setCurrentIndex(view->model()->index(1, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS), lineStart(editor, 5));
        show->setCurrentIndex(0);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        const QRect row = view->visualRect(view->model()->index(2, 1)); // </foo> at 3:7
        doubleClick(view->viewport(), row.center());
        QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS),
                 lineStart(editor, 3) + 6);
    }

    // Edits remove the findings of the lines they change, with their
    // markers, and the others follow their lines.
    void followsEdits_data()
    {
        QTest::addColumn<int>("line");   // where the edit starts (from 1)
        QTest::addColumn<int>("remove"); // characters removed there
        QTest::addColumn<QString>("insert");
        QTest::addColumn<bool>("undo"); // then undone
        QTest::addColumn<QString>("lines");
        QTest::newRow("typing on a line with findings") << 5 << 0 << "x" << false << "3 7";
        QTest::newRow("typing on a line without") << 4 << 0 << "x" << false << "3 5 7";
        QTest::newRow("a line break above") << 1 << 0 << "\n" << false << "4 6 8";
        QTest::newRow("lines pasted between") << 4 << 0 << "<p>a</p>\n<p>b</p>\n"
                                              << false << "3 7 9";
        QTest::newRow("two lines joined") << 4 << 12 << "" << false << "3 6";
        QTest::newRow("lines deleted") << 3 << 40 << "" << false << "4";
        QTest::newRow("typing undone") << 7 << 0 << "x" << true << "3 5";
    }
    void followsEdits()
    {
        QFETCH(int, line);
        QFETCH(int, remove);
        QFETCH(QString, insert);
        QFETCH(bool, undo);
        QFETCH(QString, lines);
        HtmlEditor editor;
        PageCheckPane pane;
        editor.setDocumentText(QString::fromLatin1(Page));
        QVERIFY(checkAndWait(pane, editor));
        editor.select(lineStart(editor, line), remove);
        editor.setSelText(insert);
        if (undo)
            editor.undo();
        QCoreApplication::processEvents(); // the editor's own changes are told from the loop
        QCOMPARE(findingLines(pane), lines);
        QCOMPARE(markerLines(editor), lines);
    }

    // Typing while the worker runs: its findings arrive at the lines where
    // they are by then.
    void editsWhileChecking()
    {
        HtmlEditor editor;
        PageCheckPane pane;
        editor.setDocumentText(QString::fromLatin1(Page));
        QSignalSpy done(&pane, &PageCheckPane::finished);
        pane.check(&editor);
        editor.setSelStart(0);
        editor.setSelText(QStringLiteral("\n\n"));
        editor.select(lineStart(editor, 7), 0);
        editor.setSelText(QStringLiteral("x"));
        QVERIFY(done.wait(120000));
        QCOMPARE(findingLines(pane), QStringLiteral("5 9"));
    }

    // Thousands of lines with findings are marked a part at a time, and
    // edits made meanwhile are followed.
    void marksManyLines_data()
    {
        QTest::addColumn<int>("line"); // where the edit starts (from 1); 0: none
        QTest::addColumn<int>("remove");
        QTest::addColumn<QString>("insert");
        QTest::newRow("no edit") << 0 << 0 << "";
        QTest::newRow("a line break at the top") << 1 << 0 << "\n";
        QTest::newRow("lines deleted across the marked ones") << 1500 << 13000 << "";
        QTest::newRow("typing below them") << 4000 << 0 << "x";
    }
    void marksManyLines()
    {
        QFETCH(int, line);
        QFETCH(int, remove);
        QFETCH(QString, insert);
        HtmlEditor editor;
        PageCheckPane pane;
        editor.setDocumentText("<!DOCTYPE html>\n<html><head><title>x</title></head><body>\n" +
                               QStringLiteral("<foo>a</foo>\n").repeated(6000) +
                               "</body></html>\n");
        QVERIFY(checkAndWait(pane, editor));
        QCOMPARE(pane.findings().last().line, 6002);
        QVERIFY(markerLines(editor).size() < findingLines(pane).size());
        if (line > 0) {
            editor.select(lineStart(editor, line), remove);
            editor.setSelText(insert);
        }
        QTRY_COMPARE(markerLines(editor), findingLines(pane));
    }

    // Check Page from the menu, its key and the main bar's button.
    void command()
    {
        MainRun run;
        run.store.save("Lorimel3", "Settings", "CheckWarnings", "False");
        MainWindow *main = run.start();
        HtmlEditor *editor = main->activeEditor();
        editor->setDocumentText(QString::fromLatin1(Page));
        auto *dock = main->findChild<QDockWidget *>(QStringLiteral("PageCheck"));
        QVERIFY(dock && !dock->isVisible());
        QCOMPARE(dock->windowTitle(), QStringLiteral("Page Check"));
        PageCheckPane *pane = main->pageCheckPane();
        QVERIFY(!pane->warningsShown()); // as stored
        QCOMPARE(main->action("mnuCheckPageItem")->shortcut(), QKeySequence(Qt::Key_F9));
        auto *button = main->findChild<QToolButton *>(QStringLiteral("cmdCheckPage"));
        QVERIFY(button->isEnabled());
        for (const std::function<void()> &run :
             {std::function<void()>([&] { main->action("mnuCheckPageItem")->trigger(); }),
              std::function<void()>([&] { button->click(); })}) {
            QSignalSpy done(pane, &PageCheckPane::finished);
            run();
            QVERIFY(dock->isVisible());
            QVERIFY(done.wait(120000));
            QCOMPARE(pane->editor(), editor);
            QCOMPARE(findingLines(*pane), QStringLiteral("3 5 7"));
            dock->hide();
        }
        QCOMPARE(run.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestPageCheckPane)
#include "test_pagecheckpane.moc"
