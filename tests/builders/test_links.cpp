// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/floatingframe.h"
#include "builders/linkbox.h"
#include "builders/links.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/listgrid.h"

#include <QCheckBox>
#include <QFile>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWebEnginePage>

namespace {

void clickCell(ListGrid *grid, int row, int column)
{
    QTableWidget *table = grid->table();
    const QRect rect = table->visualRect(table->model()->index(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
}

QString textOf(QWidget *parent, const char *name)
{
    auto *edit = parent->findChild<QLineEdit *>(QLatin1String(name));
    return edit ? edit->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

} // namespace

class TestLinks : public QObject
{
    Q_OBJECT
private slots:
    void linksTakesTheSelectionAndWritesTheVisibleTab()
    {
        FakeWorkbench bench;
        bench.editor->setDocumentText(QStringLiteral("see here now"));
        bench.editor->select(4, 4);
        Links *dialog = Links::open(bench);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->objectName(), QStringLiteral("Form3"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Links"));
        FIND(QTabWidget, tabs, dialog, "TabStrip1");
        QCOMPARE(tabs->tabText(2), QStringLiteral("&E-mail"));
        QCOMPARE(tabs->tabToolTip(0), QStringLiteral("Creates Links to Other Pages"));
        QCOMPARE(tabs->tabToolTip(1),
                 QStringLiteral("Creates a named reference which can be linked to"));
        QCOMPARE(tabs->tabToolTip(2), QStringLiteral("Creates a link to an E-mail address"));
        for (const char *caption : {"Text2", "Text4", "Text5"})
            QCOMPARE(textOf(dialog, caption), QStringLiteral("here"));

        gui::type(dialog, "Text1", "a.htm");
        gui::type(dialog, "Combo1", "_blank");
        gui::type(dialog, "Text7", "More");
        gui::click(dialog, "Command1");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("see <A HREF=\"a.htm\" TARGET=_blank TITLE=\"More\">here</A> now"));

        bench.editor->setDocumentText(QStringLiteral("mail"));
        bench.editor->select(0, 4);
        dialog = Links::open(bench);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        tabs = dialog->findChild<QTabWidget *>(QStringLiteral("TabStrip1"));
        gui::type(dialog, "Text1", "ignored.htm");
        QTest::keyClick(dialog, Qt::Key_E, Qt::AltModifier);
        QCOMPARE(tabs->currentIndex(), 2);
        gui::type(dialog, "Text6", "me@example.org");
        gui::click(dialog, "Command1");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<A HREF=MAILTO:me@example.org>mail</A>"));
    }

    void linkBox()
    {
        FakeWorkbench bench;
        LinkBoxBuilder *dialog = gui::open<LinkBoxBuilder>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->objectName(), QStringLiteral("Form29"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("LinkBox Builder"));
        QCOMPARE(textOf(dialog, "Text1"), QStringLiteral("LinkBox"));
        ListGrid *grid = dialog->grid();
        QCOMPARE(grid->table()->columnWidth(0), 183); // 2750 twips
        QCOMPARE(grid->table()->columnWidth(1), grid->table()->columnWidth(0));
        FIND(QLineEdit, editor, dialog, "Text3");

        gui::type(dialog, "Text1", "nav");
        const QStringList cells{"Home", "index.htm", "News", "news.htm"};
        gui::spin(dialog, "SpinButton1", true);
        for (int i = 0; i < cells.size(); ++i) {
            clickCell(grid, i / 2, i % 2);
            QTest::keyClicks(editor, cells[i]);
        }
        gui::click(dialog, "Command1");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral(
                     "<!--Begin LinkBox -->\r\n<FORM>\r\n"
                     "<SELECT ID=\"nav\" SIZE=\"1\">\r\n"
                     "<OPTION VALUE=\"index.htm\">Home\r\n"
                     "<OPTION VALUE=\"news.htm\">News\r\n</SELECT>\r\n"
                     "<BUTTON TYPE=\"BUTTON\" ONCLICK=\"location.href=nav.value\">Goto</BUTTON>\r\n"
                     "</FORM>\r\n<!-- End LinkBox -->"));
    }

    // In a browser engine the button jumps to the chosen address rather
    // than submitting the form, which would only reload the page.
    void linkBoxGotoGoesToTheChosenAddress()
    {
        QTemporaryDir site;
        links::LinkBoxOptions options;
        options.name = QStringLiteral("nav");
        options.rows = {{"Home", "index.htm"}, {"News", "news.htm"}};
        const QList<std::pair<QString, QString>> files{
            {"page.htm", "<HTML><BODY>" + links::buildLinkBox(options) + "</BODY></HTML>"},
            {"index.htm", "home"},
            {"news.htm", "news"}};
        for (const auto &[name, text] : files) {
            QFile file(site.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
        }
        QWebEnginePage page;
        QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
        page.load(QUrl::fromLocalFile(site.filePath("page.htm")));
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 20000);
        page.runJavaScript("document.getElementById('nav').selectedIndex = 1;"
                           "document.querySelector('button').click();");
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 2, 20000);
        QCOMPARE(page.url(), QUrl::fromLocalFile(site.filePath("news.htm")));
    }

    void floatingFrame()
    {
        FakeWorkbench bench;
        FloatingFrame *dialog = gui::open<FloatingFrame>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->objectName(), QStringLiteral("Form20"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Floating Frame"));
        FIND(QComboBox, alignment, dialog, "Combo1");
        QCOMPARE(alignment->currentText(), QStringLiteral("TOP"));
        QCOMPARE(alignment->count(), 5);
        QCOMPARE(textOf(dialog, "Text1"), QStringLiteral("Frame1"));

        gui::type(dialog, "Combo1", "LEFT");
        gui::type(dialog, "Text2", "side.htm");
        gui::type(dialog, "Text4", "120");
        gui::click(dialog, "Check2");
        gui::click(dialog, "Command1");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<IFRAME ALIGN=LEFT NAME=\"Frame1\" SRC=\"side.htm\" WIDTH=120 "
                                "FRAMEBORDER=0 SCROLLING=YES></IFRAME>"));
    }
};

QTEST_MAIN(TestLinks)
#include "test_links.moc"
